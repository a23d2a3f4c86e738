// An archive read as the update reads one: its directory, then the extraction of every entry
// it names into a folder of the workspace. Whatever the archive holds, nothing may land
// outside that folder.
#include "core/update/zip_archive.h"
#include "fuzz_support.h"

using namespace quintaro;

namespace {

// Answers every question so that the most code runs: a password for encrypted entries,
// damaged entries kept, files replaced.
class Agreeing : public ExtractionObserver {
public:
    std::string AskPassword(const std::string&) override { return "secret"; }
    Answer AskCorrupted(const std::string&) override { return Answer::Yes; }
    Answer AskOverwrite(const std::string&, bool) override { return Answer::Yes; }
};

// The workspace holds the archive and the extraction folder, two levels down so that a name
// climbing out of the folder lands where this check sees it.
void RequireNothingOutside(const std::filesystem::path& root, const std::filesystem::path& folder,
                           const std::filesystem::path& archive) {
    const std::string inside = folder.string() + "/";
    for (const auto& entry : std::filesystem::recursive_directory_iterator(root)) {
        const std::filesystem::path& p = entry.path();
        fuzz::Require(!entry.is_symlink(), "the extraction made a link");
        const bool expected = p == archive || p == folder || p == folder.parent_path() ||
                              p == folder.parent_path().parent_path() ||
                              p.string().starts_with(inside);
        fuzz::Require(expected, "a file landed outside the extraction folder");
    }
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::filesystem::path root = fuzz::Workspace() / "zip";
    const std::filesystem::path folder = root / "a" / "b" / "out";
    const std::filesystem::path archive = root / "archive.zip";
    fuzz::EmptyFolder(root);
    std::filesystem::create_directories(folder);
    fuzz::WriteInput(archive, data, size);

    Agreeing observer;
    TZip zip(observer);
    try {
        zip.SetArchiveFile(archive.string());
        for (int i = 0; i < zip.EntryCount(); ++i)
            zip.fileSpecs.push_back(zip.EntryInfo(i).fileName);
        zip.extractFolder = folder.string();
        zip.extractOptions = 0;
        zip.Extract();
    } catch (const ZipException&) {
        // Not an archive, or a directory that cannot be read: the wrapper's own failure.
    }
    RequireNothingOutside(root, folder, archive);
    return 0;
}
