#include "support/temp_dir.h"
#include "core/winnings/combination_table.h"
#include "core/winnings/prize_rules.h"

#include <gtest/gtest.h>

namespace quintaro {
namespace {

TEST(CombinationTable, OffsetsFollowTheLayout) {
    EXPECT_EQ(CombinationTable::Offset(1, 5, 0, 1, 0, 1), 0u);
    EXPECT_EQ(CombinationTable::Offset(4, 10, 11, 6, 2, 13), 67391u);
    EXPECT_EQ(CombinationTable::Offset(1, 6, 0, 3, 0, 1), 2886u);
    EXPECT_EQ(CombinationTable::Offset(2, 5, 2, 5, 2, 1), 17498u);
    EXPECT_EQ(CombinationTable::Offset(3, 5, 1, 0, 1, 1), 33904u);
    EXPECT_EQ(CombinationTable::Offset(3, 5, 0, 6, 1, 1), 33904u);
}

TEST(CombinationTable, SimpleBetsWinExactlyOneRank) {
    const CombinationTable table = CombinationTable::FromRules();
    const auto& b = table.Bytes();
    // Loto, 6 numbers, 3 drawn with the complementary ball: rank 6 only.
    for (int rank = 1; rank <= 13; ++rank)
        EXPECT_EQ(b[CombinationTable::Offset(1, 6, 0, 3, 1, rank)], rank == 6 ? 1 : 0) << rank;
    // Euromillion 5 + 2 all drawn: rank 1 only.
    EXPECT_EQ(b[17498], 1);
    EXPECT_EQ(b[17498 + 1], 0);
    // New Loto 5 numbers and 1 chance number, no number but the chance number: rank 6,
    // kept at the place of matched 6 under no chance number played.
    EXPECT_EQ(b[CombinationTable::Offset(3, 5, 0, 6, 1, 6)], 1);
    EXPECT_EQ(b[CombinationTable::Offset(3, 5, 0, 6, 1, 5)], 0);
}

TEST(CombinationTable, ImpossibleSituationsHoldZero) {
    const CombinationTable table = CombinationTable::FromRules();
    const auto& b = table.Bytes();
    for (int rank = 1; rank <= 13; ++rank) {
        EXPECT_EQ(b[CombinationTable::Offset(2, 7, 3, 6, 0, rank)], 0);  // 6 of a 5-ball draw
        EXPECT_EQ(b[CombinationTable::Offset(1, 7, 1, 4, 0, rank)], 0);  // a Loto second set
        EXPECT_EQ(b[CombinationTable::Offset(3, 6, 11, 6, 1, rank)], 0); // 12 chance numbers
        EXPECT_EQ(b[CombinationTable::Offset(2, 5, 1, 3, 2, rank)], 0);  // 2 of 1 star matched
    }
    EXPECT_EQ(b[CombinationTable::Offset(2, 10, 11, 5, 2, 13)], 0); // rank 13 in Euromillion
}

TEST(CombinationTable, SaturatedEntriesAreCountedFromTheRules) {
    const CombinationTable table = CombinationTable::FromRules();
    // 10 numbers, 11 stars, 3 numbers drawn and no star: rank 10 (3+0) has
    // C(3,3)·C(7,2)·C(11,2) = 1155 combinations.
    EXPECT_EQ(table.Bytes()[CombinationTable::Offset(2, 10, 11, 3, 0, 10)], 255);
    EXPECT_EQ(table.Counts(2, 10, 11, 3, 0)[9], 1155u);
    // Outside the layout (a grid of 12 numbers) the rules answer too.
    EXPECT_EQ(table.Counts(1, 12, 0, 6, 0)[0], CombinationCount(1, 12, 0, 6, 0, 1));
    EXPECT_EQ(table.Counts(1, 12, 0, 6, 0)[0], 1u);
    EXPECT_EQ(table.Counts(1, 4, 0, 4, 0)[4], 0u); // smaller than a simple bet
}

class CombinationFileTest : public ::testing::Test {
protected:
    bool Load(const std::string& content, std::string& error) {
        test::WriteFile(dir / "quintaro.dat", content);
        return table.Load(dir / "quintaro.dat", error);
    }
    test::TempDir dir;
    CombinationTable table;
};

TEST_F(CombinationFileTest, ReadsTheFirstBlockAndReportsShortOrMissingFiles) {
    std::string error;
    const auto rules = CombinationTable::FromRules().Bytes();
    const std::string content(rules.begin(), rules.end());
    EXPECT_TRUE(Load(content, error)) << error;
    EXPECT_EQ(table.Bytes(), rules);
    EXPECT_TRUE(Load(content + "more bytes", error));
    EXPECT_FALSE(Load(content.substr(1), error));
    EXPECT_EQ(error, "Lecture au-delà de la fin de fichier");
    EXPECT_FALSE(table.Load(dir / "absent.dat", error));
    EXPECT_EQ(error, "Fichier introuvable");
    std::filesystem::create_directory(dir / "folder.dat");
    EXPECT_FALSE(table.Load(dir / "folder.dat", error));
    EXPECT_EQ(error, "Erreur E/S 21");
}

// A damaged file of the right size would pay wrong prizes: it is refused, and the table keeps
// what it held.
TEST_F(CombinationFileTest, RefusesBytesThatDifferFromThePrizeRules) {
    std::string error;
    const auto rules = CombinationTable::FromRules().Bytes();
    std::string content(rules.begin(), rules.end());
    ASSERT_TRUE(Load(content, error));
    for (std::size_t offset : {std::size_t{0}, std::size_t{2886}, CombinationTable::kSize - 1}) {
        std::string damaged = content;
        damaged[offset] = static_cast<char>(damaged[offset] ^ 0x10);
        EXPECT_FALSE(Load(damaged, error)) << offset;
        EXPECT_EQ(error, "Tables de calculs non conformes aux règles des gains");
    }
    EXPECT_FALSE(Load(std::string(CombinationTable::kSize, '\x07'), error));
    EXPECT_EQ(table.Bytes(), rules);
}

} // namespace
} // namespace quintaro
