#pragma once

#include <cstdint>
#include <filesystem>
#include <stdexcept>
#include <string>
#include <vector>

namespace quintaro {

// A failure of the zip wrapper, carrying one of its messages.
class ZipException : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

// The end-of-central-directory record of an archive.
struct TEOCHInfo {
    std::uint32_t signature = 0x06054B50;
    std::uint16_t thisDisk = 0;
    std::uint16_t centralDisk = 0;
    std::uint16_t entriesThisDisk = 0;
    std::uint16_t totalEntries = 0;
    std::uint32_t centralSize = 0;
    std::uint32_t centralOffset = 0;
    std::uint16_t commentLength = 0;
    std::string comment;
    std::int64_t position = -1; // where the record lies in the file; -1 when none
};

// One entry of an archive: its central directory header and what follows it.
struct TFileInfo {
    std::uint32_t signature = 0;
    std::uint16_t versionMadeBy = 0, versionNeeded = 0, flags = 0, method = 0, modTime = 0,
                  modDate = 0;
    std::uint32_t crc32 = 0, compressedSize = 0, uncompressedSize = 0;
    std::uint16_t nameLength = 0, extraLength = 0, commentLength = 0, diskNumberStart = 0,
                  internalAttributes = 0;
    std::uint32_t externalAttributes = 0, localHeaderOffset = 0;
    bool encrypted = false;
    std::string fileName; // in the Windows code page; "/" is this platform's separator already
    std::string extraField;
    std::string fileComment;
    std::string storedName; // the name's bytes as the archive holds them
};

// What an extraction tells the program and asks of the user.
class ExtractionObserver {
public:
    enum class Answer { Yes, No, Cancel };
    virtual ~ExtractionObserver() = default;
    virtual void FileCount(int) {}
    virtual void TotalBytes(std::uint64_t) {}
    virtual void FileBegins(const std::string&) {}
    virtual void Progress(std::uint64_t) {}
    virtual void BatchEnds() {}
    virtual void Skipped() {}
    // An entry whose name would put it outside the extraction folder; it is not extracted.
    virtual void Refused(const std::string&) {}
    // A password for an encrypted entry; empty when the user gives none.
    virtual std::string AskPassword(const std::string&) { return {}; }
    virtual Answer AskCorrupted(const std::string&) { return Answer::No; }
    virtual Answer AskOverwrite(const std::string&, bool /*olderThanArchived*/) {
        return Answer::No;
    }
    virtual void Message(const std::string&) {}
    // Lets the windows repaint and the user press "Cancel"; true when the user cancelled.
    virtual bool ProcessPendingMessages() { return false; }
};

// The zip wrapper: reads an archive's directory itself and extracts the entries named in
// fileSpecs into extractFolder through libzip.
class TZip {
public:
    explicit TZip(ExtractionObserver& observer) : observer_(observer) {}

    void SetArchiveFile(const std::string& path);
    int EntryCount() const { return static_cast<int>(entries_.size()); }
    TFileInfo EntryInfo(int i) const;
    const TEOCHInfo& EndRecord() const { return end_; }

    // The number of files extracted.
    int Extract();

    // The entries to extract, letter case aside; each is written under the name given here.
    std::vector<std::string> fileSpecs;
    std::string extractFolder;
    std::uint32_t extractOptions = 1;

private:
    void ReadDirectory();
    bool ExtractEntry(void* archive, const TFileInfo& entry, const std::string& name,
                      const std::string& folder);
    // Options 1 and 2 replace only a file older than the entry; option 8 asks; none of them
    // replaces.
    bool MayOverwrite(const std::filesystem::path& target, const TFileInfo& entry);

    ExtractionObserver& observer_;
    std::string archiveFile_;
    std::string password_;
    bool oemNames_ = false;
    TEOCHInfo end_;
    std::vector<TFileInfo> entries_;
    bool cancelled_ = false;
};

// What UnzipToFolder did with an archive.
struct UnzipResult {
    int extracted = 0;                // the number of files extracted
    std::vector<std::string> ignored; // the other entries, in the archive's order
};

// Extracts from an archive into a folder the one entry named entryName, letter case aside,
// under that name: the folder holds the catalogue, the tables and the programs too, and an
// archive brings nothing else there. A file it replaces stays as it was until the new one is
// complete. Failures are ZipExceptions.
UnzipResult UnzipToFolder(const std::string& archivePath, const std::string& folder,
                          const std::string& entryName, ExtractionObserver& observer);

} // namespace quintaro
