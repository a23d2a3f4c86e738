#include "core/winnings/combination_table.h"
#include "core/winnings/prize_rules.h"
#include "support/temp_dir.h"

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
    // Today's rules follow the first four families.
    EXPECT_EQ(CombinationTable::Offset(5, 5, 0, 1, 0, 1), 67392u);
    EXPECT_EQ(CombinationTable::Offset(6, 10, 11, 6, 2, 13), 101087u);
    EXPECT_EQ(CombinationTable::kSize, 101088u);
}

// The first four families' bytes are those the file always held: a table built from changed
// rules would change what every stored grid has won.
TEST(CombinationTable, TheFirstFourFamiliesAreUnchanged) {
    const CombinationTable table = CombinationTable::FromRules();
    const auto& bytes = table.Bytes();
    std::uint64_t hash = 0xcbf29ce484222325u; // FNV-1a of bytes 0 to 67391
    for (std::size_t k = 0; k < 67392; ++k)
        hash = (hash ^ bytes[k]) * 0x100000001b3u;
    EXPECT_EQ(hash, 0xfae58ac4c50a4172u);
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
    // EuroMillions since 2016: 3 + 2 is rank 6, 4 + 0 rank 7.
    for (int rank = 1; rank <= 13; ++rank) {
        EXPECT_EQ(b[CombinationTable::Offset(6, 5, 2, 3, 2, rank)], rank == 6 ? 1 : 0) << rank;
        EXPECT_EQ(b[CombinationTable::Offset(6, 5, 2, 4, 0, rank)], rank == 7 ? 1 : 0) << rank;
    }
    // Loto since 2017: 3 + chance number is rank 5, 3 alone rank 6, the chance number alone
    // rank 9.
    for (int rank = 1; rank <= 13; ++rank) {
        EXPECT_EQ(b[CombinationTable::Offset(5, 5, 1, 3, 1, rank)], rank == 5 ? 1 : 0) << rank;
        EXPECT_EQ(b[CombinationTable::Offset(5, 5, 1, 3, 0, rank)], rank == 6 ? 1 : 0) << rank;
        EXPECT_EQ(b[CombinationTable::Offset(5, 5, 0, 6, 1, rank)], rank == 9 ? 1 : 0) << rank;
    }
}

TEST(CombinationTable, WhatEachRankPaysFor) {
    const std::pair<int, std::vector<std::string>> families[] = {
        {1, {"6", "5+compl.", "5", "4+compl.", "4", "3+compl.", "3", ""}},
        {3, {"5+C", "5", "4", "3", "2", "1+C ou 0+C", ""}},
        {4,
         {"5+2", "5+1", "5+0", "4+2", "4+1", "4+0", "3+2", "2+2", "3+1", "3+0", "1+2", "2+1",
          "2+0"}},
        {5, {"5+C", "5", "4+C", "4", "3+C", "3", "2+C", "2", "1+C ou 0+C", ""}},
        {6,
         {"5+2", "5+1", "5+0", "4+2", "4+1", "3+2", "4+0", "2+2", "3+1", "3+0", "1+2", "2+1",
          "2+0"}},
    };
    for (const auto& [family, texts] : families)
        for (std::size_t rank = 1; rank <= texts.size(); ++rank)
            EXPECT_EQ(RankCombination(family, static_cast<int>(rank)), texts[rank - 1])
                << family << " " << rank;
    EXPECT_EQ(RankCombination(2, 12), "2+1");
    EXPECT_EQ(RankCombination(2, 13), "");
    EXPECT_EQ(RankCombination(0, 1), "");
    EXPECT_EQ(RankCombination(6, 0), "");
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
    EXPECT_EQ(b[CombinationTable::Offset(5, 10, 11, 5, 1, 10)], 0); // rank 10 in today's Loto
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
    // A file without today's rules is too short.
    EXPECT_FALSE(Load(content.substr(0, 67392), error));
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
    for (std::size_t offset : {std::size_t{0}, std::size_t{2886}, std::size_t{67392 + 2886},
                               CombinationTable::kSize - 1}) {
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
