#include "core/base/currency.h"
#include "core/base/day_count.h"
#include "core/winnings/new_draw_winnings.h"

#include <gtest/gtest.h>

namespace quintaro {
namespace {

using Lines = std::vector<std::string>;

std::string Euros(double amount) {
    return FormatGroupedAmount(amount, ',', ' ') + " €";
}

Catalogue SixGames() {
    Catalogue catalogue;
    for (const char* lib :
         {"Loto", "Super Loto", "Euromillion", "New Loto", "New Super Loto", "New Euromillion"})
        catalogue.SourceCatalogue.push_back({"", "", "", lib, {}});
    catalogue.CatalogueCount = 6;
    return catalogue;
}

StoredDraw Draw(std::int32_t reference, std::int32_t type, double date, std::int32_t n_sem,
                std::int32_t n_tir = 1) {
    return {reference, {type, date, n_sem, n_tir}};
}

WinningGrid Won(std::int32_t number, std::int32_t matched, double prize, int second = 0) {
    WinningGrid grid;
    grid.number = number;
    grid.matched = matched;
    grid.prize = prize;
    grid.complementary = second > 0;
    grid.secondMatched = second;
    return grid;
}

class NewDrawWinningsTest : public ::testing::Test {
protected:
    Lines LinesOf(const NewDrawWinnings& winnings) {
        return NewDrawWinningsLines(winnings, catalogue, Euros, FormatDayCount);
    }
    Catalogue catalogue = SixGames();
};

TEST_F(NewDrawWinningsTest, NothingCheckedReportsNothingAndNothingWonSaysSo) {
    NewDrawWinnings none;
    EXPECT_FALSE(none.Reported());
    EXPECT_TRUE(LinesOf(none).empty());
    EXPECT_EQ(none.LatestWin(), nullptr);

    NewDrawWinnings lost;
    lost.Add(Draw(1, 0, 45000, 2023021), {});
    // A grid that matched ranks without an amount won nothing to speak of.
    lost.Add(Draw(2, 0, 45003, 2023022), {Won(1, 3, 0.0)});
    EXPECT_TRUE(lost.Reported());
    EXPECT_FALSE(lost.Won());
    EXPECT_EQ(lost.drawsChecked, 2u);
    EXPECT_EQ(LinesOf(lost), Lines{"Aucun gain sur les nouveaux tirages"});
    EXPECT_EQ(lost.LatestWin(), nullptr);
}

TEST_F(NewDrawWinningsTest, EachGameWithAWinHasItsDrawsGridsAndTotalThenTheTotalOfAll) {
    NewDrawWinnings winnings;
    winnings.Add(Draw(1, 0, 45000, 2023021),
                 {Won(1, 3, 5.5, 1), Won(2, 0, 0.0), Won(4, 6, 1234.5)});
    winnings.Add(Draw(2, 0, 45003, 2023022, 2), {Won(3, 1, 2.2)});
    winnings.Add(Draw(3, 2, 45001, 2023011), {Won(1, 2, 4.1, 1), Won(2, 5, 100.0, 2)});
    winnings.Add(Draw(4, 3, 45002, 2023031), {Won(1, 0, 2.2, 1)});
    winnings.Add(Draw(5, 3, 45004, 2023032), {});
    EXPECT_EQ(winnings.drawsChecked, 5u);
    EXPECT_DOUBLE_EQ(winnings.total, 5.5 + 1234.5 + 2.2 + 4.1 + 100.0 + 2.2);
    ASSERT_EQ(winnings.draws.size(), 4u);
    EXPECT_EQ(winnings.draws[0].winners.size(), 2u) << "the grid without a prize is left out";

    EXPECT_EQ(
        LinesOf(winnings),
        (Lines{"Gains de vos grilles sur les nouveaux tirages :", " Loto",
               "  Tirage n° 2023021 du 15/03/2023",
               "   Grille 1 : 3 bons numéros + complémentaire, 5,50 €",
               "   Grille 4 : 6 bons numéros, 1 234,50 €",
               "  Tirage n° 2023022 du 18/03/2023 (2e tirage)",
               "   Grille 3 : 1 bon numéro, 2,20 €", "  Total Loto : 1 242,20 €", " Euromillion",
               "  Tirage n° 2023011 du 16/03/2023",
               "   Grille 1 : 2 bons numéros + 1 étoile, 4,10 €",
               "   Grille 2 : 5 bons numéros + 2 étoiles, 100,00 €",
               "  Total Euromillion : 104,10 €", " New Loto", "  Tirage n° 2023031 du 17/03/2023",
               "   Grille 1 : 0 bon numéro + numéro chance, 2,20 €", "  Total New Loto : 2,20 €",
               " Total des gains : 1 348,50 €"}));

    ASSERT_NE(winnings.LatestWin(), nullptr);
    EXPECT_EQ(winnings.LatestWin()->stored.reftirage, 2);
    EXPECT_EQ(NewDrawWinningsMessage(winnings, catalogue, Euros, FormatDayCount),
              "Vos grilles ont gagné 1 348,50 € sur les nouveaux tirages.\n"
              "Dernier tirage gagnant : Loto, tirage n° 2023022 du 18/03/2023 (2e tirage).");
}

TEST_F(NewDrawWinningsTest, TheLatestWinIsTheLatestDateThenTheLatestReference) {
    NewDrawWinnings winnings;
    winnings.Add(Draw(7, 0, 45010, 1), {Won(1, 3, 1.0)});
    winnings.Add(Draw(3, 2, 45012, 2), {Won(1, 3, 1.0)});
    winnings.Add(Draw(9, 3, 45012, 3), {Won(1, 3, 1.0)});
    winnings.Add(Draw(12, 4, 45011, 4), {Won(1, 3, 1.0)});
    ASSERT_NE(winnings.LatestWin(), nullptr);
    EXPECT_EQ(winnings.LatestWin()->stored.reftirage, 9);
}

} // namespace
} // namespace quintaro
