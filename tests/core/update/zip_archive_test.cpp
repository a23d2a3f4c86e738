#include "core/update/zip_archive.h"
#include "support/temp_dir.h"
#include "support/zip_maker.h"

#include <algorithm>
#include <gtest/gtest.h>

namespace quintaro {
namespace {

using test::ZipEntry;

// Answers the extraction's questions as told and keeps what it was told.
class Answers : public ExtractionObserver {
public:
    std::string AskPassword(const std::string& name) override {
        asked.push_back("password " + name);
        return password;
    }
    Answer AskCorrupted(const std::string& name) override {
        asked.push_back("corrupted " + name);
        return corrupted;
    }
    Answer AskOverwrite(const std::string& name, bool older) override {
        asked.push_back((older ? "older " : "newer ") + name);
        return overwrite;
    }
    void Refused(const std::string& name) override { refused.push_back(name); }
    void Message(const std::string& text) override { messages.push_back(text); }
    void FileBegins(const std::string& name) override { begun.push_back(name); }
    void Progress(std::uint64_t bytes) override { done += bytes; }
    void TotalBytes(std::uint64_t bytes) override { total = bytes; }
    bool ProcessPendingMessages() override { return ++pumps > cancelAfter; }

    std::string password;
    Answer corrupted = Answer::No;
    Answer overwrite = Answer::No;
    int cancelAfter = 1 << 30;
    int pumps = 0;
    std::uint64_t done = 0, total = 0;
    std::vector<std::string> asked, refused, messages, begun;
};

class ZipArchiveTest : public ::testing::Test {
protected:
    std::string Archive(const std::string& bytes) {
        const std::string path = (dir / "a.zip").string();
        test::WriteFile(path, bytes);
        return path;
    }
    std::string Failure(const std::string& bytes) {
        try {
            TZip zip(answers);
            zip.SetArchiveFile(Archive(bytes));
        } catch (const ZipException& e) {
            return e.what();
        }
        return "no failure";
    }
    UnzipResult Unzip(const std::string& bytes, const std::string& entryName) {
        return UnzipToFolder(Archive(bytes), out.path().string(), entryName, answers);
    }
    // The wrapper itself, extracting the entries named.
    int Extract(const std::string& bytes, const std::vector<std::string>& specs) {
        TZip zip(answers);
        zip.SetArchiveFile(Archive(bytes));
        zip.fileSpecs = specs;
        zip.extractFolder = out.path().string();
        return zip.Extract();
    }
    // What the folder holds, so that a test sees any file left behind.
    std::vector<std::string> Folder() const {
        std::vector<std::string> names;
        for (const auto& item : std::filesystem::recursive_directory_iterator(out.path()))
            names.push_back(item.path().lexically_relative(out.path()).string());
        std::sort(names.begin(), names.end());
        return names;
    }
    std::string NotAZip() {
        return "\"" + (dir / "a.zip").string() + "\"\nis not a valid Zip file.";
    }

    test::TempDir dir, out;
    Answers answers;
};

TEST_F(ZipArchiveTest, OnlyTheNamedEntryIsExtractedReplacingWhatWasThere) {
    const std::string csv(200000, 'x');
    test::WriteFile(out / "loto.csv", "old"); // newer than the entry, replaced all the same
    test::WriteFile(out / "quintaro.INI", "catalogue");
    test::WriteFile(out / "quintaro.dat", "tables");
    const UnzipResult result = Unzip(test::MakeZip({{"quintaro.INI", "evil"},
                                                    {"loto.csv", csv},
                                                    {"sub/deeper/b.txt", "b"},
                                                    {"dir/", ""},
                                                    {"quintaro.dat", "evil"}}),
                                     "loto.csv");
    EXPECT_EQ(result.extracted, 1);
    EXPECT_EQ(result.ignored, (std::vector<std::string>{"quintaro.INI", "sub/deeper/b.txt", "dir/",
                                                        "quintaro.dat"}));
    EXPECT_EQ(test::ReadFile(out / "loto.csv"), csv);
    EXPECT_EQ(test::ReadFile(out / "quintaro.INI"), "catalogue");
    EXPECT_EQ(test::ReadFile(out / "quintaro.dat"), "tables");
    EXPECT_EQ(Folder(), (std::vector<std::string>{"loto.csv", "quintaro.INI", "quintaro.dat"}));
    EXPECT_EQ(answers.begun, std::vector<std::string>{"loto.csv"});
    EXPECT_EQ(answers.total, 200000u);
    EXPECT_EQ(answers.done, 200000u);
}

TEST_F(ZipArchiveTest, TheNamedEntryIsFoundWhateverItsLetterCase) {
    const std::string zip = test::MakeZip({{"LOTO.CSV", "first"}, {"Loto.csv", "second"}});
    const UnzipResult result = Unzip(zip, "loto.csv");
    EXPECT_EQ(result.extracted, 1);
    EXPECT_EQ(result.ignored, std::vector<std::string>{"Loto.csv"});
    // Written under the name asked for, where the import reads it.
    EXPECT_EQ(Folder(), std::vector<std::string>{"loto.csv"});
    EXPECT_EQ(test::ReadFile(out / "loto.csv"), "first");

    const UnzipResult absent = Unzip(zip, "euro.csv");
    EXPECT_EQ(absent.extracted, 0);
    EXPECT_EQ(absent.ignored, (std::vector<std::string>{"LOTO.CSV", "Loto.csv"}));
}

TEST_F(ZipArchiveTest, TheWrapperExtractsTheEntriesOfItsList) {
    std::filesystem::create_directory(out / "sub");
    EXPECT_EQ(Extract(test::MakeZip({{"a.csv", "a"}, {"sub/deeper/b.txt", "b"}, {"c.csv", "c"}}),
                      {"sub/deeper/b.txt", "a.csv"}),
              2);
    EXPECT_EQ(Folder(),
              (std::vector<std::string>{"a.csv", "sub", "sub/deeper", "sub/deeper/b.txt"}));
    EXPECT_EQ(test::ReadFile(out / "sub" / "deeper" / "b.txt"), "b");
    EXPECT_EQ(answers.begun, (std::vector<std::string>{"sub/deeper/b.txt", "a.csv"}));
}

TEST_F(ZipArchiveTest, ReadsTheDirectoryBehindACommentOrPrependedData) {
    const std::string zip = test::MakeZip({{"a.csv", "aaa"}, {"b.csv", "bbb"}}, "a comment");
    TZip zip1(answers);
    zip1.SetArchiveFile(Archive(zip));
    ASSERT_EQ(zip1.EntryCount(), 2);
    EXPECT_EQ(zip1.EndRecord().comment, "a comment");
    EXPECT_EQ(zip1.EntryInfo(1).fileName, "b.csv");
    EXPECT_THROW(zip1.EntryInfo(2), ZipException);
    try {
        zip1.EntryInfo(-1);
    } catch (const ZipException& e) {
        EXPECT_STREQ(e.what(), "Index range error");
    }
    EXPECT_EQ(Unzip(std::string(5000, 'p') + zip, "b.csv").extracted, 1);
    EXPECT_EQ(test::ReadFile(out / "b.csv"), "bbb");
}

TEST_F(ZipArchiveTest, BadArchivesFailWithTheWrappersTexts) {
    const std::string zip = test::MakeZip({{"a.csv", "aaa"}});
    std::string damaged = zip;
    damaged[damaged.find("PK\x01\x02")] = 'Q';
    EXPECT_EQ(Failure(""), NotAZip());
    EXPECT_EQ(Failure("<html>404</html>"), NotAZip());
    EXPECT_EQ(Failure(zip.substr(0, zip.size() - 10)), NotAZip());
    EXPECT_EQ(Failure(damaged), "Error reading CentralFileHeader.");
    EXPECT_EQ(Failure(zip.substr(zip.size() - 22 - 10)), "Error reading CentralFileHeader.");
}

TEST_F(ZipArchiveTest, ACentralDirectoryAbove1024000BytesIsRefused) {
    std::vector<test::RawHeader> headers(16, {"f00", 20, 64000 - 46 - 3});
    TZip zip(answers);
    zip.SetArchiveFile(Archive(test::RawDirectoryZip(headers)));
    EXPECT_EQ(zip.EntryCount(), 16);
    headers[0].extraLength += 1;
    EXPECT_EQ(Failure(test::RawDirectoryZip(headers)), NotAZip());
}

TEST_F(ZipArchiveTest, OemNamesAreConvertedForDosAndWindowsArchivers) {
    struct Case {
        std::uint16_t versionMadeBy;
        const char* name;
    };
    const Case cases[] = {{0x0014, "\xE9t\xE9"},
                          {0x0614, "\xE9t\xE9"},
                          {0x0B32, "\xE9t\xE9"},
                          {0x0314, "\x82t\x82"},
                          {0x0B14, "\x82t\x82"}};
    for (const Case& c : cases) {
        TZip zip(answers);
        zip.SetArchiveFile(Archive(test::RawDirectoryZip({{"\x82t\x82", c.versionMadeBy}})));
        EXPECT_EQ(zip.EntryInfo(0).fileName, c.name) << std::hex << c.versionMadeBy;
    }
}

TEST_F(ZipArchiveTest, AMissingArchiveIsCreatedEmpty) {
    const std::string path = (dir / "missing.zip").string();
    EXPECT_EQ(UnzipToFolder(path, out.path().string(), "a.csv", answers).extracted, 0);
    EXPECT_EQ(std::filesystem::file_size(path), 22u);
    EXPECT_THROW(
        UnzipToFolder((dir / "no" / "such.zip").string(), out.path().string(), "a.csv", answers),
        ZipException);
}

TEST_F(ZipArchiveTest, NamesLeadingOutsideTheFolderAreRefused) {
    test::WriteFile(dir / "victim.txt", "keep");
    const std::string zip = test::MakeZip(
        {{"../victim.txt", "evil"}, {"/tmp/quintaro-absolute.txt", "evil"}, {"ok.csv", "fine"}});
    EXPECT_EQ(Extract(zip, {"../victim.txt", "/tmp/quintaro-absolute.txt", "ok.csv"}), 1);
    EXPECT_EQ(test::ReadFile(dir / "victim.txt"), "keep");
    EXPECT_FALSE(std::filesystem::exists("/tmp/quintaro-absolute.txt"));
    EXPECT_EQ(answers.refused,
              (std::vector<std::string>{"../victim.txt", "/tmp/quintaro-absolute.txt"}));
    EXPECT_EQ(test::ReadFile(out / "ok.csv"), "fine");

    // Nor through a link inside the folder.
    std::filesystem::create_directory_symlink(dir.path(), out / "link");
    EXPECT_EQ(Extract(test::MakeZip({{"link/victim.txt", "evil"}}), {"link/victim.txt"}), 0);
    EXPECT_EQ(test::ReadFile(dir / "victim.txt"), "keep");
    // Nor when the name asked for is one.
    EXPECT_EQ(Unzip(zip, "../victim.txt").extracted, 0);
    EXPECT_EQ(test::ReadFile(dir / "victim.txt"), "keep");
}

TEST_F(ZipArchiveTest, ACrcMismatchIsAskedAboutAndTheOldFileKeptUnlessAccepted) {
    std::string zip = test::MakeZip({{"data.csv", "0123456789abcdef", true}});
    zip[zip.find("0123456789abcdef") + 3] = 'X';
    test::WriteFile(out / "data.csv", "old");
    for (auto answer : {ExtractionObserver::Answer::No, ExtractionObserver::Answer::Cancel}) {
        answers.corrupted = answer;
        EXPECT_EQ(Unzip(zip, "data.csv").extracted, 0);
        EXPECT_EQ(test::ReadFile(out / "data.csv"), "old");
        EXPECT_EQ(Folder(), std::vector<std::string>{"data.csv"});
    }
    EXPECT_EQ(answers.asked,
              (std::vector<std::string>{"corrupted data.csv", "corrupted data.csv"}));

    answers.corrupted = ExtractionObserver::Answer::Yes;
    EXPECT_EQ(Unzip(zip, "data.csv").extracted, 1);
    EXPECT_EQ(test::ReadFile(out / "data.csv"), "012X456789abcdef");
}

TEST_F(ZipArchiveTest, AnEncryptedEntryNeedsItsPassword) {
    const std::string zip = test::MakeZip({{"secret.csv", "hidden", false, "sesame"}});
    EXPECT_EQ(Unzip(zip, "secret.csv").extracted, 0);
    EXPECT_EQ(answers.asked, std::vector<std::string>{"password secret.csv"});
    EXPECT_FALSE(std::filesystem::exists(out / "secret.csv"));
    answers.password = "sesame";
    EXPECT_EQ(Unzip(zip, "secret.csv").extracted, 1);
    EXPECT_EQ(test::ReadFile(out / "secret.csv"), "hidden");
}

TEST_F(ZipArchiveTest, AnEntryUnderStrongEncryptionIsNotExtracted) {
    // General-purpose flags 0x41: encrypted, by the strong encryption no library here reads.
    std::string zip = test::MakeZip({{"strong.csv", "hidden", true}});
    for (std::size_t at : {zip.find("PK\x03\x04") + 6, zip.find("PK\x01\x02") + 8})
        zip[at] = '\x41';
    test::WriteFile(out / "strong.csv", "old");
    answers.password = "sesame";
    EXPECT_EQ(Unzip(zip, "strong.csv").extracted, 0);
    EXPECT_EQ(test::ReadFile(out / "strong.csv"), "old");
    EXPECT_EQ(Folder(), std::vector<std::string>{"strong.csv"});
}

TEST_F(ZipArchiveTest, AnEntryHoldingMoreThanItDeclaresIsNotWrittenPastIt) {
    // 20 MB of zeros deflate to a few kilobytes; the headers are made to claim 1000 bytes.
    std::string zip = test::MakeZip({{"bomb.csv", std::string(20 << 20, '\0')}});
    const std::string declared("\xE8\x03\x00\x00", 4); // 1000, little-endian
    for (std::size_t at : {zip.find("PK\x03\x04") + 22, zip.find("PK\x01\x02") + 24})
        zip.replace(at, 4, declared);
    EXPECT_EQ(Unzip(zip, "bomb.csv").extracted, 0);
    EXPECT_TRUE(Folder().empty());
}

TEST_F(ZipArchiveTest, CancelStopsTheExtractionAndKeepsTheOldFile) {
    answers.cancelAfter = 0;
    EXPECT_EQ(Extract(test::MakeZip({{"a.csv", "a"}, {"b.csv", "b"}}), {"a.csv", "b.csv"}), 0);
    EXPECT_TRUE(Folder().empty());
    test::WriteFile(out / "a.csv", "old");
    EXPECT_EQ(Unzip(test::MakeZip({{"a.csv", "a"}}), "a.csv").extracted, 0);
    EXPECT_EQ(Folder(), std::vector<std::string>{"a.csv"});
    EXPECT_EQ(test::ReadFile(out / "a.csv"), "old");
}

TEST_F(ZipArchiveTest, ExistingFilesAreReplacedAsTheOptionsSay) {
    const std::string archive = Archive(test::MakeZip({{"a.csv", "new"}}));
    auto extract = [&](std::uint32_t options) {
        TZip zip(answers);
        zip.SetArchiveFile(archive);
        zip.fileSpecs = {"a.csv"};
        zip.extractFolder = out.path().string();
        zip.extractOptions = options;
        return zip.Extract();
    };
    const auto longAgo =
        std::filesystem::file_time_type::clock::now() - std::chrono::hours(24 * 365 * 30);
    struct Case {
        std::uint32_t options;
        bool older;
        bool replaced;
    };
    const Case cases[] = {
        {1, false, false}, {1, true, true}, {2, true, true}, {0, false, true}, {8, true, false}};
    for (const Case& c : cases) {
        test::WriteFile(out / "a.csv", "old");
        if (c.older)
            std::filesystem::last_write_time(out / "a.csv", longAgo);
        EXPECT_EQ(extract(c.options), c.replaced ? 1 : 0) << c.options << " " << c.older;
        EXPECT_EQ(test::ReadFile(out / "a.csv"), c.replaced ? "new" : "old") << c.options;
    }
    EXPECT_EQ(answers.asked, std::vector<std::string>{"older a.csv"});
}

TEST_F(ZipArchiveTest, AMissingFolderIsAMessageAndNoExtraction) {
    TZip zip(answers);
    zip.SetArchiveFile(Archive(test::MakeZip({{"a.csv", "a"}})));
    zip.fileSpecs = {"a.csv"};
    zip.extractFolder = (dir / "nowhere").string();
    EXPECT_EQ(zip.Extract(), 0);
    EXPECT_EQ(answers.messages, std::vector<std::string>{"Unable to extract files to:\n\"" +
                                                         (dir / "nowhere").string() +
                                                         "\"\nThis folder does not exist."});
}

} // namespace
} // namespace quintaro
