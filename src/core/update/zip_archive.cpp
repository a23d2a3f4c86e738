#include "core/update/zip_archive.h"

#include "core/base/text_util.h"
#include "core/update/file_paths.h"
#include "core/update/oem_names.h"

#include <algorithm>
#include <array>
#include <cerrno>
#include <charconv>
#include <ctime>
#include <filesystem>
#include <fstream>
#include <memory>
#include <optional>
#include <sys/stat.h>
#include <tuple>
#include <utility>
#include <zip.h>

namespace quintaro {

namespace {

constexpr std::uint32_t kEndSignature = 0x06054B50;
constexpr std::uint32_t kHeaderSignature = 0x02014B50;
constexpr std::size_t kEndSize = 22;
constexpr std::size_t kHeaderSize = 46;
constexpr std::size_t kEndSearch = 65535;

std::uint16_t U16(const unsigned char* p) {
    return static_cast<std::uint16_t>(p[0] | p[1] << 8);
}
std::uint32_t U32(const unsigned char* p) {
    return static_cast<std::uint32_t>(p[0]) | static_cast<std::uint32_t>(p[1]) << 8 |
           static_cast<std::uint32_t>(p[2]) << 16 | static_cast<std::uint32_t>(p[3]) << 24;
}

bool ReadAt(std::ifstream& in, std::int64_t position, void* buffer, std::size_t size) {
    in.clear();
    in.seekg(position);
    in.read(static_cast<char*>(buffer), static_cast<std::streamsize>(size));
    return in.gcount() == static_cast<std::streamsize>(size);
}

std::string ReadText(std::ifstream& in, std::size_t size, bool& ok) {
    std::string text(size, '\0');
    in.read(text.data(), static_cast<std::streamsize>(size));
    ok = ok && in.gcount() == static_cast<std::streamsize>(size);
    return text;
}

ZipException NotAZip(const std::string& path) {
    return ZipException("\"" + path + "\"\nis not a valid Zip file.");
}

// A name that stays inside the extraction folder: relative, without "..", not empty.
bool SafeEntryName(const std::string& name) {
    const std::filesystem::path p(name);
    if (name.empty() || p.is_absolute() || name.find('\0') != std::string::npos)
        return false;
    return std::none_of(p.begin(), p.end(), [](const auto& part) { return part == ".."; });
}

bool Inside(const std::filesystem::path& folder, const std::filesystem::path& path) {
    std::error_code ec;
    const auto root = std::filesystem::weakly_canonical(folder, ec);
    const auto full = std::filesystem::weakly_canonical(path, ec);
    if (ec)
        return false;
    const auto [r, f] = std::mismatch(root.begin(), root.end(), full.begin(), full.end());
    return r == root.end();
}

// Where an entry of that name goes, when that place lies inside the folder, links resolved.
std::optional<std::filesystem::path> TargetOf(const std::string& folder, const std::string& name) {
    if (!SafeEntryName(name))
        return std::nullopt;
    std::filesystem::path target = std::filesystem::path(folder) / name;
    if (!Inside(folder, target))
        return std::nullopt;
    return target;
}

// Whether the file was last written before the entry, whose time is a local DOS date and time.
bool OlderThanEntry(const std::filesystem::path& file, const TFileInfo& entry) {
    struct stat status;
    if (::stat(file.c_str(), &status) != 0)
        return true;
    std::tm local{};
    localtime_r(&status.st_mtime, &local);
    const auto fileTime = std::make_tuple(local.tm_year + 1900, local.tm_mon + 1, local.tm_mday,
                                          local.tm_hour, local.tm_min, local.tm_sec);
    const auto entryTime =
        std::make_tuple(1980 + (entry.modDate >> 9), (entry.modDate >> 5) & 15, entry.modDate & 31,
                        entry.modTime >> 11, (entry.modTime >> 5) & 63, (entry.modTime & 31) * 2);
    return fileTime < entryTime;
}

struct ZipCloser {
    void operator()(zip_t* z) const { zip_discard(z); }
};
struct ZipFileCloser {
    void operator()(zip_file_t* f) const { zip_fclose(f); }
};

} // namespace

void TZip::SetArchiveFile(const std::string& path) {
    password_.clear();
    oemNames_ = false;
    end_ = TEOCHInfo();
    entries_.clear();
    archiveFile_ = path;
    if (path.empty())
        return;
    // This platform has no drives to look at: a path is reachable or not when it is opened.
    std::error_code ec;
    if (!std::filesystem::exists(path, ec)) {
        const std::array<unsigned char, kEndSize> empty = {0x50, 0x4B, 0x05, 0x06};
        std::ofstream out(path, std::ios::binary);
        out.write(reinterpret_cast<const char*>(empty.data()), empty.size());
        if (!out)
            throw ZipException("Unable to create \n\"" + path + "\"");
    }
    ReadDirectory();
}

TFileInfo TZip::EntryInfo(int i) const {
    if (i < 0 || i >= EntryCount())
        throw ZipException("Index range error");
    return entries_[static_cast<std::size_t>(i)];
}

void TZip::ReadDirectory() {
    entries_.clear();
    if (archiveFile_.empty())
        return;
    std::ifstream in(archiveFile_, std::ios::binary);
    std::error_code ec;
    const auto size = static_cast<std::int64_t>(std::filesystem::file_size(archiveFile_, ec));
    if (!in || ec)
        throw NotAZip(archiveFile_);

    // The end record: the last 22 bytes, or else the first signature found scanning back
    // through the last 64 KiB. A multi-disk archive would ask for its last disk here; this
    // platform has no removable volumes with disk labels, so the archive is not a zip.
    std::int64_t position = -1;
    unsigned char record[kEndSize];
    if (size >= static_cast<std::int64_t>(kEndSize)) {
        if (ReadAt(in, size - static_cast<std::int64_t>(kEndSize), record, kEndSize) &&
            U32(record) == kEndSignature) {
            position = size - static_cast<std::int64_t>(kEndSize);
        } else {
            const auto span = std::min<std::int64_t>(size, kEndSearch);
            std::vector<unsigned char> tail(static_cast<std::size_t>(span));
            if (ReadAt(in, size - span, tail.data(), tail.size()))
                for (auto i = static_cast<std::int64_t>(tail.size() - kEndSize); i >= 0; --i)
                    if (U32(&tail[static_cast<std::size_t>(i)]) == kEndSignature) {
                        position = size - span + i;
                        break;
                    }
        }
    }
    if (position < 0 || !ReadAt(in, position, record, kEndSize))
        throw NotAZip(archiveFile_);
    end_.position = position;
    end_.thisDisk = U16(record + 4);
    end_.centralDisk = U16(record + 6);
    end_.entriesThisDisk = U16(record + 8);
    end_.totalEntries = U16(record + 10);
    end_.centralSize = U32(record + 12);
    end_.centralOffset = U32(record + 16);
    end_.commentLength = U16(record + 20);
    if (end_.thisDisk > 1000 || end_.centralDisk > 1000 || end_.centralSize > 1024000)
        throw NotAZip(archiveFile_);
    bool commentRead = true;
    end_.comment = ReadText(in, end_.commentLength, commentRead);
    if (!commentRead)
        end_.comment.clear();

    // A central directory on another disk would need that disk; there is none here, the
    // directory is only read when it lies on this one (or the first).
    if (end_.totalEntries == 0 || (end_.centralDisk != end_.thisDisk && end_.centralDisk != 0))
        return;
    const std::int64_t start = end_.thisDisk > 0
                                   ? end_.centralOffset
                                   : position - static_cast<std::int64_t>(end_.centralSize);
    bool ok = start >= 0;
    for (std::uint32_t k = 0; ok && k < end_.totalEntries; ++k) {
        unsigned char h[kHeaderSize];
        ok = k == 0 ? ReadAt(in, start, h, kHeaderSize)
                    : (in.read(reinterpret_cast<char*>(h), kHeaderSize),
                       in.gcount() == static_cast<std::streamsize>(kHeaderSize));
        if (!ok || U32(h) != kHeaderSignature) {
            ok = false;
            break;
        }
        TFileInfo e;
        e.signature = U32(h);
        e.versionMadeBy = U16(h + 4);
        e.versionNeeded = U16(h + 6);
        e.flags = U16(h + 8);
        e.method = U16(h + 10);
        e.modTime = U16(h + 12);
        e.modDate = U16(h + 14);
        e.crc32 = U32(h + 16);
        e.compressedSize = U32(h + 20);
        e.uncompressedSize = U32(h + 24);
        e.nameLength = U16(h + 28);
        e.extraLength = U16(h + 30);
        e.commentLength = U16(h + 32);
        e.diskNumberStart = U16(h + 34);
        e.internalAttributes = U16(h + 36);
        e.externalAttributes = U32(h + 38);
        e.localHeaderOffset = U32(h + 42);
        if (k == 0) {
            // Archivers of DOS (host 0) and NTFS (6) write OEM names, and those of host 11
            // with version 50.
            const int host = e.versionMadeBy >> 8, version = e.versionMadeBy & 0xFF;
            oemNames_ = host == 0 || host == 6 || (host == 11 && version == 50);
        }
        e.storedName = ReadText(in, e.nameLength, ok);
        e.extraField = ReadText(in, e.extraLength, ok);
        e.fileComment = ReadText(in, e.commentLength, ok);
        e.fileName = oemNames_ ? OemToAnsi(e.storedName) : e.storedName;
        if (oemNames_)
            e.fileComment = OemToAnsi(e.fileComment);
        std::replace(e.fileName.begin(), e.fileName.end(), '\\', '/');
        e.encrypted = (e.flags & 1) != 0;
        entries_.push_back(std::move(e));
    }
    if (!ok) {
        entries_.clear();
        throw ZipException("Error reading CentralFileHeader.");
    }
}

int TZip::Extract() {
    cancelled_ = false;
    int count = 0;
    if (entries_.empty())
        return 0;
    if (end_.thisDisk > 0) {
        observer_.Message("Cannot Add, Delete or Extract from a multiple disk Zip file...\n"
                          "Merge this Zip file onto the hard disk before retrying.");
        return 0;
    }
    std::error_code ec;
    if (!extractFolder.empty() && !std::filesystem::is_directory(extractFolder, ec)) {
        observer_.Message("Unable to extract files to:\n\"" + extractFolder +
                          "\"\nThis folder does not exist.");
        return 0;
    }
    const std::string folder = extractFolder.empty()
                                   ? std::filesystem::path(archiveFile_).parent_path().string()
                                   : extractFolder;

    // Data in front of the archive shifts every offset of its directory by its length.
    const std::int64_t shift =
        std::max<std::int64_t>(0, end_.position - static_cast<std::int64_t>(end_.centralSize) -
                                      static_cast<std::int64_t>(end_.centralOffset));
    zip_error_t error;
    zip_error_init(&error);
    // A length of -1 runs to the end of the file.
    zip_source_t* source =
        zip_source_file_create(archiveFile_.c_str(), static_cast<zip_uint64_t>(shift), -1, &error);
    std::unique_ptr<zip_t, ZipCloser> archive(
        source ? zip_open_from_source(source, ZIP_RDONLY, &error) : nullptr);
    if (source && !archive)
        zip_source_free(source);
    zip_error_fini(&error);

    auto entryOf = [&](const std::string& spec) {
        return std::find_if(entries_.begin(), entries_.end(), [&](const TFileInfo& e) {
            return EqualsIgnoringAsciiCase(e.fileName, spec);
        });
    };
    std::uint64_t total = 0;
    for (const std::string& spec : fileSpecs)
        if (auto entry = entryOf(spec); entry != entries_.end())
            total += entry->uncompressedSize;
    observer_.FileCount(static_cast<int>(fileSpecs.size()));
    observer_.TotalBytes(total);
    for (const std::string& spec : fileSpecs) {
        if (cancelled_)
            break;
        const auto entry = entryOf(spec);
        if (archive && entry != entries_.end() && ExtractEntry(archive.get(), *entry, spec, folder))
            ++count;
        else
            observer_.Skipped();
        cancelled_ = observer_.ProcessPendingMessages() || cancelled_;
    }
    observer_.BatchEnds();
    fileSpecs.clear();
    return count;
}

bool TZip::MayOverwrite(const std::filesystem::path& target, const TFileInfo& entry) {
    const bool older = OlderThanEntry(target, entry);
    if ((extractOptions & (1 | 2 | 8)) == 0)
        return true;
    if ((extractOptions & (1 | 2)) != 0)
        return older;
    switch (observer_.AskOverwrite(entry.fileName, older)) {
    case ExtractionObserver::Answer::Yes:
        return true;
    case ExtractionObserver::Answer::Cancel:
        cancelled_ = true;
        return false;
    case ExtractionObserver::Answer::No:
        return false;
    }
    return false;
}

bool TZip::ExtractEntry(void* handle, const TFileInfo& entry, const std::string& name,
                        const std::string& folder) {
    auto* archive = static_cast<zip_t*>(handle);
    const std::optional<std::filesystem::path> place = TargetOf(folder, name);
    if (!place) {
        observer_.Refused(name);
        return false;
    }
    const std::filesystem::path& target = *place;
    std::error_code ec;
    if (name.back() == '/') {
        std::filesystem::create_directories(target, ec);
        return false;
    }
    std::filesystem::create_directories(target.parent_path(), ec);
    // The folders just made may be links made by an earlier entry: look again.
    if (!TargetOf(folder, name)) {
        observer_.Refused(name);
        return false;
    }
    if (std::filesystem::exists(target, ec) && !MayOverwrite(target, entry))
        return false;

    const zip_int64_t index = zip_name_locate(archive, entry.storedName.c_str(), ZIP_FL_ENC_RAW);
    zip_stat_t stat;
    if (index < 0 || zip_stat_index(archive, static_cast<zip_uint64_t>(index), 0, &stat) != 0)
        return false;
    observer_.FileBegins(name);
    if (entry.encrypted && password_.empty()) {
        password_ = observer_.AskPassword(name);
        if (password_.empty())
            return false;
    }
    // libzip leaks what it prepared for an entry whose encryption it cannot undo (strong
    // encryption, unknown methods): such an entry is not opened at all.
    if ((stat.valid & ZIP_STAT_ENCRYPTION_METHOD) &&
        !zip_encryption_method_supported(stat.encryption_method, 0))
        return false;
    std::unique_ptr<zip_file_t, ZipFileCloser> file(
        entry.encrypted ? zip_fopen_index_encrypted(archive, static_cast<zip_uint64_t>(index), 0,
                                                    password_.c_str())
                        : zip_fopen_index(archive, static_cast<zip_uint64_t>(index), 0));
    if (!file)
        return false;

    // Written into a file of its own beside the target and renamed over it once complete: a
    // broken, refused or cancelled entry leaves the file it would replace as it was.
    auto [partial, out] = CreateFileBeside(target);
    if (!out)
        return false;
    const std::uint64_t declared = (stat.valid & ZIP_STAT_SIZE) ? stat.size : 0;
    std::uint64_t written = 0;
    std::array<char, 1 << 16> buffer;
    zip_int64_t n = 0;
    while (!std::ferror(out.get()) &&
           (n = zip_fread(file.get(), buffer.data(), buffer.size())) > 0) {
        // Never more than the entry says it holds.
        written += static_cast<std::uint64_t>(n);
        if (written > declared)
            break;
        std::fwrite(buffer.data(), 1, static_cast<std::size_t>(n), out.get());
        observer_.Progress(static_cast<std::uint64_t>(n));
        cancelled_ = observer_.ProcessPendingMessages() || cancelled_;
        if (cancelled_)
            break;
    }
    bool kept = false;
    if (n == 0 && written <= declared && !cancelled_) {
        kept = true;
    } else if (n < 0 && zip_error_code_zip(zip_file_get_error(file.get())) == ZIP_ER_CRC) {
        switch (observer_.AskCorrupted(name)) {
        case ExtractionObserver::Answer::Yes:
            kept = true;
            break;
        case ExtractionObserver::Answer::Cancel:
            cancelled_ = true;
            break;
        case ExtractionObserver::Answer::No:
            break;
        }
    }
    kept = !std::ferror(out.get()) && std::fclose(out.release()) == 0 && kept;
    if (kept)
        std::filesystem::rename(partial, target, ec);
    if (!kept || ec) {
        std::filesystem::remove(partial, ec);
        return false;
    }
    return true;
}

UnzipResult UnzipToFolder(const std::string& archivePath, const std::string& folder,
                          const std::string& entryName, ExtractionObserver& observer) {
    TZip zip(observer);
    zip.SetArchiveFile(archivePath);
    zip.fileSpecs.clear();
    // The new file replaces the old one whatever their dates; the old one goes only when the
    // new one is complete.
    zip.extractOptions = 0;
    zip.extractFolder = folder;
    UnzipResult result;
    for (int i = 0; i < zip.EntryCount(); ++i) {
        std::string name = zip.EntryInfo(i).fileName;
        if (zip.fileSpecs.empty() && EqualsIgnoringAsciiCase(name, entryName))
            zip.fileSpecs.push_back(entryName);
        else
            result.ignored.push_back(std::move(name));
    }
    result.extracted = zip.Extract();
    return result;
}

} // namespace quintaro
