#include "support/zip_maker.h"

#include "support/temp_dir.h"

#include <stdexcept>
#include <zip.h>

namespace quintaro::test {

std::string MakeZip(const std::vector<ZipEntry>& entries, const std::string& comment) {
    TempDir dir;
    const std::string path = (dir / "made.zip").string();
    int error = 0;
    zip_t* zip = zip_open(path.c_str(), ZIP_CREATE | ZIP_TRUNCATE, &error);
    if (!zip)
        throw std::runtime_error("zip_open failed");
    for (const ZipEntry& e : entries) {
        zip_source_t* source = zip_source_buffer(zip, e.data.data(), e.data.size(), 0);
        const zip_int64_t index = zip_file_add(zip, e.name.c_str(), source, ZIP_FL_ENC_RAW);
        if (index < 0)
            throw std::runtime_error("zip_file_add failed");
        if (e.stored)
            zip_set_file_compression(zip, static_cast<zip_uint64_t>(index), ZIP_CM_STORE, 0);
        if (!e.password.empty())
            zip_file_set_encryption(zip, static_cast<zip_uint64_t>(index), ZIP_EM_AES_256,
                                    e.password.c_str());
    }
    if (!comment.empty())
        zip_set_archive_comment(zip, comment.data(), static_cast<zip_uint16_t>(comment.size()));
    if (zip_close(zip) != 0)
        throw std::runtime_error("zip_close failed");
    return ReadFile(path);
}

namespace {
void Put16(std::string& out, std::size_t v) {
    out += static_cast<char>(v & 0xFF);
    out += static_cast<char>((v >> 8) & 0xFF);
}
void Put32(std::string& out, std::size_t v) {
    Put16(out, v & 0xFFFF);
    Put16(out, (v >> 16) & 0xFFFF);
}
} // namespace

std::string RawDirectoryZip(const std::vector<RawHeader>& headers) {
    std::string directory;
    for (const RawHeader& h : headers) {
        Put32(directory, 0x02014B50);
        Put16(directory, h.versionMadeBy);
        Put16(directory, 20);
        for (int i = 0; i < 4; ++i) // flags, method, time, date
            Put16(directory, 0);
        for (int i = 0; i < 3; ++i) // crc, sizes
            Put32(directory, 0);
        Put16(directory, h.name.size());
        Put16(directory, h.extraLength);
        for (int i = 0; i < 3; ++i) // comment length, disk, internal attributes
            Put16(directory, 0);
        Put32(directory, 0);
        Put32(directory, 0);
        directory += h.name;
        directory += std::string(h.extraLength, 'x');
    }
    std::string archive = directory;
    Put32(archive, 0x06054B50);
    Put16(archive, 0);
    Put16(archive, 0);
    Put16(archive, headers.size());
    Put16(archive, headers.size());
    Put32(archive, directory.size());
    Put32(archive, 0);
    Put16(archive, 0);
    return archive;
}

} // namespace quintaro::test
