#include "core/base/quintaro_error.h"
#include "core/grids/grid_file.h"
#include "core/grids/grid_rules.h"
#include "support/temp_dir.h"

#include <csignal>
#include <gtest/gtest.h>
#include <sys/resource.h>

namespace quintaro {
namespace {

using Grids = std::array<GridList, kGameTypeCount>;

std::string Bytes(std::initializer_list<int> values) {
    std::string bytes;
    for (int v : values)
        bytes += static_cast<char>(v);
    return bytes;
}

std::string Count(int c) {
    return Bytes({c & 0xFF, (c >> 8) & 0xFF, (c >> 16) & 0xFF, (c >> 24) & 0xFF});
}

const std::string kNoGrid = Count(0);
const std::string kFiveSections = "DQUINTARO" + kNoGrid + kNoGrid + kNoGrid + kNoGrid + kNoGrid;

TEST(GridFile, NoGridsAreTheMagicAndSixZeroCounts) {
    const std::string bytes = GridFileBytes({});
    EXPECT_EQ(bytes.size(), 33u);
    EXPECT_EQ(bytes, kFiveSections + kNoGrid);
}

TEST(GridFile, GridsAreWrittenSlotBySlotAndPairByPair) {
    Grids grids;
    grids[0] = {MakeGrid({3, 12, 25, 31, 40, 49}, {})};
    grids[2] = {MakeGrid({5, 17, 22, 38, 44}, {2, 9})};
    grids[5] = {MakeGrid({3, 11, 20, 37, 42}, {4, 11})};
    const std::string bytes = GridFileBytes(grids);
    const std::string expected =
        "DQUINTARO" + Count(1) + Bytes({3, 12, 25, 31, 40, 49, 0, 0, 0, 0}) + kNoGrid + Count(1) +
        Bytes({5, 2, 17, 9, 22, 0, 38, 0, 44, 0}) + std::string(10, '\0') + kNoGrid + kNoGrid +
        Count(1) + Bytes({3, 4, 11, 11, 20, 0, 37, 0, 42, 0}) + std::string(12, '\0');
    EXPECT_EQ(bytes, expected);
    // Five sections, then the New Euromillion section whatever its grids.
    EXPECT_EQ(bytes.size(), 29u + 10 + 20 + 4 + 22);
}

TEST(GridFile, ARoundTripKeepsTheGridsOfAllSixGames) {
    Grids grids;
    grids[0] = {MakeGrid({3, 12, 25, 31, 40, 49}, {}),
                MakeGrid({1, 2, 3, 4, 5, 6, 7, 8, 9, 10}, {})};
    grids[1] = {MakeGrid({2, 4, 6, 8, 10, 12}, {})};
    grids[2] = {MakeGrid({1, 2, 3, 4, 5, 6, 7, 8, 9}, {1, 2})};
    grids[3] = {MakeGrid({4, 19, 28, 36, 45, 47}, {2, 7})};
    grids[4] = {MakeGrid({1, 2, 3, 4, 5}, {1, 2, 3, 4, 5, 6, 7, 8, 9, 10})};
    // Star 12, drawn since 2016, too.
    grids[5] = {MakeGrid({1, 2, 3, 4, 5, 6}, {1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 11}),
                MakeGrid({7, 8, 9, 10, 11}, {11, 12})};
    const GridFileRead read = ParseGridFile(GridFileBytes(grids));
    ASSERT_EQ(read.outcome, GridFileRead::Outcome::Read);
    for (int t = 0; t < kGameTypeCount; ++t) {
        ASSERT_TRUE(read.lists[t].has_value()) << t;
        EXPECT_EQ(*read.lists[t], grids[t]) << t;
    }
}

TEST(GridFile, AFileOfFiveSectionsLeavesNewEuromillionOut) {
    const GridFileRead read = ParseGridFile(kFiveSections);
    ASSERT_EQ(read.outcome, GridFileRead::Outcome::Read);
    for (int t = 0; t < 5; ++t)
        EXPECT_EQ(read.lists[t], GridList{}) << t;
    EXPECT_FALSE(read.lists[5].has_value());
}

TEST(GridFile, AShortFileReadsItsMissingBytesAsZeros) {
    // Two Loto grids announced, the second cut after three numbers; the rest is missing.
    const GridFileRead read =
        ParseGridFile("DQUINTARO" + Count(2) + Bytes({1, 2, 3, 4, 5, 6, 0, 0, 0, 0, 7, 8, 9}));
    ASSERT_EQ(read.outcome, GridFileRead::Outcome::Read);
    EXPECT_EQ(*read.lists[0],
              (GridList{MakeGrid({1, 2, 3, 4, 5, 6}, {}), MakeGrid({7, 8, 9}, {})}));
    for (int t = 1; t < 5; ++t)
        EXPECT_EQ(read.lists[t], GridList{}) << t;
    EXPECT_FALSE(read.lists[5].has_value());
    // Byte values are kept as read.
    const GridFileRead odd =
        ParseGridFile("DQUINTARO" + Count(1) + Bytes({0, 0, 0, 0, 0, 0, 0, 0, 0, 0}) + Count(1) +
                      Bytes({200, 0, 0, 0, 0, 0, 0, 0, 0, 0}));
    EXPECT_EQ(*odd.lists[0], GridList{}); // a grid with nothing holds no number
    EXPECT_EQ(*odd.lists[1], GridList{MakeGrid({200}, {})});
}

TEST(GridFile, ABadMagicOrANegativeCountReadsNothing) {
    struct Case {
        std::string bytes;
        GridFileRead::Outcome outcome;
    };
    const Case cases[] = {
        {"DQUINTARo" + kNoGrid, GridFileRead::Outcome::NotQuintaro},
        {"DQUINT", GridFileRead::Outcome::NotQuintaro},
        {"", GridFileRead::Outcome::NotQuintaro},
        {"DQUINTARO" + Count(1) + Bytes({1, 2, 3, 4, 5, 6, 0, 0, 0, 0}) + Count(-1),
         GridFileRead::Outcome::Corrupt},
        {kFiveSections + Count(-5), GridFileRead::Outcome::Corrupt},
    };
    for (const Case& c : cases) {
        const GridFileRead read = ParseGridFile(c.bytes);
        EXPECT_EQ(read.outcome, c.outcome) << c.bytes.size();
        for (const auto& list : read.lists)
            EXPECT_FALSE(list.has_value());
    }
}

TEST(GridFile, MessagesNameTheFile) {
    EXPECT_EQ(ExportedMessage("/tmp/g.vavuze"), "Grilles exporté dans /tmp/g.vavuze");
    EXPECT_EQ(NotQuintaroMessage("/tmp/g.vavuze"),
              "Le fichier /tmp/g.vavuze n'est pas un fichier Quintaro valide");
    EXPECT_EQ(CorruptMessage("/tmp/g.vavuze"), "Le fichier /tmp/g.vavuze est corrompu");
}

class GridFileOnDisk : public ::testing::Test {
protected:
    // The entries of the folder: a failed write leaves no file of its own behind.
    std::vector<std::string> Entries() {
        std::vector<std::string> names;
        for (const auto& entry : std::filesystem::directory_iterator(folder.path()))
            names.push_back(entry.path().filename().string());
        return names;
    }
    test::TempDir folder;
};

TEST_F(GridFileOnDisk, WritingThenReadingGivesTheGridsBack) {
    Grids grids;
    grids[3] = {MakeGrid({4, 19, 28, 36, 45, 47}, {2, 7})};
    WriteGridFile(folder / "g.vavuze", grids);
    EXPECT_EQ(Entries(), std::vector<std::string>{"g.vavuze"});
    const GridFileRead read = ReadGridFile(folder / "g.vavuze");
    ASSERT_EQ(read.outcome, GridFileRead::Outcome::Read);
    EXPECT_EQ(*read.lists[3], grids[3]);
    EXPECT_EQ(ReadGridFile(folder / "absent.vavuze").outcome, GridFileRead::Outcome::NotQuintaro);
    EXPECT_EQ(ReadGridFile(folder.path()).outcome, GridFileRead::Outcome::NotQuintaro);
}

// Files larger than a few bytes cannot be written while it lives.
class FileSizeLimit {
public:
    explicit FileSizeLimit(rlim_t bytes) {
        getrlimit(RLIMIT_FSIZE, &saved_);
        previous_ = std::signal(SIGXFSZ, SIG_IGN);
        rlimit limit = saved_;
        limit.rlim_cur = bytes;
        setrlimit(RLIMIT_FSIZE, &limit);
    }
    ~FileSizeLimit() {
        setrlimit(RLIMIT_FSIZE, &saved_);
        std::signal(SIGXFSZ, previous_);
    }

private:
    rlimit saved_{};
    void (*previous_)(int) = nullptr;
};

TEST_F(GridFileOnDisk, AFailedWriteIsReportedAndLeavesTheOlderFileAsItWas) {
    test::WriteFile(folder / "g.vavuze", "older grids");
    Grids grids;
    grids[0] = {MakeGrid({3, 12, 25, 31, 40, 49}, {})};
    try {
        FileSizeLimit limit(16);
        WriteGridFile(folder / "g.vavuze", grids);
        ADD_FAILURE() << "the write went through";
    } catch (const QuintaroError& e) {
        EXPECT_EQ(std::string(e.what()).rfind("Impossible d'écrire le fichier \"" +
                                                  (folder / "g.vavuze").string() + "\". ",
                                              0),
                  0u)
            << e.what();
    }
    EXPECT_EQ(test::ReadFile(folder / "g.vavuze"), "older grids");
    EXPECT_EQ(Entries(), std::vector<std::string>{"g.vavuze"});

    try {
        WriteGridFile(folder / "absent" / "g.vavuze", grids);
        ADD_FAILURE() << "written into a missing folder";
    } catch (const QuintaroError& e) {
        EXPECT_EQ(std::string(e.what()), "Impossible d'écrire le fichier \"" +
                                             (folder / "absent" / "g.vavuze").string() +
                                             "\". Le chemin d'accès spécifié est introuvable");
    }
}

} // namespace
} // namespace quintaro
