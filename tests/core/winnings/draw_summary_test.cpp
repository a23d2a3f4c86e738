#include "core/base/currency.h"
#include "support/store_fixture.h"

#include <gtest/gtest.h>

namespace quintaro {
namespace {

using test::StoreFixture;
using Cells = std::vector<std::string>;

std::string French(double amount) {
    return FormatGroupedAmount(amount, ',', ' ');
}
std::string Euros(double amount) {
    return French(amount) + " €";
}

std::vector<double> Amounts(double first) {
    std::vector<double> amounts;
    for (int rank = 1; rank <= 13; ++rank)
        amounts.push_back(first / rank);
    return amounts;
}

class DrawEvaluationTest : public StoreFixture {};

// Each prize rank says what it pays for under the rules of the draw's own day, whatever game
// the view shows.
TEST_F(DrawEvaluationTest, EachRankSaysWhatItPaysForOnThatDraw) {
    const auto before = AddDraw(5, DayNumber(2015, 6, 5), {1, 2, 3, 4, 5, 6, 7}, Amounts(100));
    const auto after = AddDraw(5, DayNumber(2025, 6, 6), {1, 2, 3, 4, 5, 6, 12}, Amounts(100));
    const auto loto = AddDraw(3, DayNumber(2018, 6, 6), {1, 2, 3, 4, 5, 6, 0}, Amounts(100));
    auto combinations = [&](std::int32_t ref) {
        Cells texts;
        for (const PrizeRankRow& row : md->EvaluateDraw(ref, 6).prizeRanks)
            texts.push_back(row.combinaison);
        return texts;
    };
    EXPECT_EQ(combinations(before)[5], "4+0");
    EXPECT_EQ(combinations(before)[6], "3+2");
    EXPECT_EQ(combinations(after)[5], "3+2");
    EXPECT_EQ(combinations(after)[6], "4+0");
    // The file gave 13 ranks; today's Loto pays nine of them.
    EXPECT_EQ(combinations(loto), (Cells{"5+C", "5", "4+C", "4", "3+C", "3", "2+C", "2",
                                         "1+C ou 0+C", "", "", "", ""}));
    EXPECT_TRUE(combinations(0).empty());
}

TEST_F(DrawEvaluationTest, LotoRowCodesColoursAndCounts) {
    AddGrid(0, {1, 2, 3, 4, 5, 6});
    AddGrid(0, {7, 8, 9, 10, 11, 12});
    const auto ref = AddDraw(0, 45000, {1, 2, 3, 40, 41, 42, 4}, Amounts(1000000));
    md->LoadGrids();
    md->LoadPrizeAmounts();
    const DrawEvaluation& ev = md->EvaluateDraw(ref, 0);

    ASSERT_EQ(ev.prizeRanks.size(), 13u);
    EXPECT_EQ(ev.prizeRanks[0].num, 1);
    EXPECT_EQ(ev.prizeRanks[1].gainF, ToFrancs(500000.0));
    ASSERT_EQ(md->CurrentWinningGrids().size(), 1u);
    const double prize = md->CurrentWinningGrids()[0].prize;
    EXPECT_EQ(prize, md->GridPrize(ref, 1, 6, 0, 3, 1));
    EXPECT_GT(prize, 0.0);

    const WinningGridsTable table = WinningGridsTableOf(0, md->CurrentWinningGrids(), Euros);
    EXPECT_EQ(table.headings, (Cells{"B1", "B2", "B3", "B4", "B5", "B6", "B7", "B8", "B9", "B10",
                                     "nbB", "C", "Gains €"}));
    EXPECT_EQ(table.widths[12], 100);
    EXPECT_EQ(table.widths[0], 22);
    ASSERT_EQ(table.rows.size(), 1u);
    EXPECT_EQ(table.rows[0], (Cells{"101", "102", "103", "204", "5", "6", "", "", "", "", "3", "X",
                                    Euros(prize)}));

    struct Expected {
        int column;
        CellShade shade;
        const char* text;
    };
    const Expected cells[] = {
        {0, CellShade::MainDrawn, "1"},   {2, CellShade::MainDrawn, "3"},
        {3, CellShade::SecondDrawn, "4"}, {4, CellShade::MainColumn, "5"},
        {5, CellShade::MainColumn, "6"},  {6, CellShade::MainColumn, ""},
        {9, CellShade::MainColumn, ""},   {10, CellShade::Other, "3"},
        {11, CellShade::Other, "X"},
    };
    for (const Expected& e : cells) {
        const CellLook look = WinningCellLook(table, 1, e.column);
        EXPECT_EQ(look.shade, e.shade) << e.column;
        EXPECT_EQ(look.text, e.text) << e.column;
    }
    EXPECT_EQ(WinningCellLook(table, 0, 3).shade, CellShade::Heading);
    EXPECT_EQ(WinningCellLook(table, 0, 3).text, "B4");
}

TEST_F(DrawEvaluationTest, EuromillionGridOfTenNumbersShowsNineAndCountsTen) {
    AddGrid(2, {1, 2, 3, 4, 5, 6, 7, 8, 9, 10}, {1, 2});
    const auto ref = AddDraw(2, 45000, {7, 8, 9, 10, 30, 2, 5}, Amounts(100000));
    md->LoadGrids();
    md->LoadPrizeAmounts();
    const TgrilleGagnante& winners = md->EvaluateDraw(ref, 2).currentWinningGrids;
    ASSERT_EQ(winners.size(), 1u);
    EXPECT_EQ(winners[0].matched, 4);
    EXPECT_EQ(winners[0].prize, md->GridPrize(ref, 2, 10, 2, 4, 1));

    const WinningGridsTable table = WinningGridsTableOf(2, winners, Euros);
    ASSERT_EQ(table.headings.size(), 21u);
    EXPECT_EQ(table.headings[8], "B9");
    EXPECT_EQ(table.headings[9], "E1");
    EXPECT_EQ(table.headings[17], "E9");
    EXPECT_EQ((Cells{table.headings[18], table.headings[19], table.headings[20]}),
              (Cells{"nbB", "nbE", "Gains €"}));
    EXPECT_EQ(table.widths[12], 22);
    EXPECT_EQ(table.widths[20], 100);
    EXPECT_EQ(table.rows[0], (Cells{"1",   "2",   "3", "4",   "5", "6", "107",
                                    "108", "109", "1", "202", "",  "",  "",
                                    "",    "",    "",  "",    "4", "1", Euros(winners[0].prize)}));
    EXPECT_EQ(WinningCellLook(table, 1, 9).shade, CellShade::SecondColumn);
    EXPECT_EQ(WinningCellLook(table, 1, 10).shade, CellShade::SecondDrawn);
    EXPECT_EQ(WinningCellLook(table, 1, 10).text, "2");
    EXPECT_EQ(WinningCellLook(table, 1, 17).shade, CellShade::SecondColumn);
    EXPECT_EQ(WinningCellLook(table, 1, 18).shade, CellShade::Other);
}

TEST_F(DrawEvaluationTest, NoWinnerGivesOneEmptyRowAndTheAucunesLine) {
    AddGrid(0, {7, 8, 9, 10, 11, 12});
    const auto ref = AddDraw(0, 45000, {1, 2, 3, 40, 41, 42, 4}, Amounts(1000));
    md->LoadGrids();
    md->LoadPrizeAmounts();
    const TgrilleGagnante& winners = md->EvaluateDraw(ref, 0).currentWinningGrids;
    EXPECT_TRUE(winners.empty());
    const WinningGridsTable table = WinningGridsTableOf(0, winners, Euros);
    EXPECT_EQ(table.rows, (std::vector<Cells>{Cells(13)}));
    EXPECT_EQ(DrawWinningsSummary(winners, French), "Aucunes grilles gagnantes pour ce tirage");
}

TEST_F(DrawEvaluationTest, NoDrawSelectedFindsNothing) {
    AddGrid(0, {1, 2, 3, 4, 5, 6});
    AddDraw(0, 45000, {1, 2, 3, 4, 5, 6, 7}, Amounts(1000));
    md->LoadGrids();
    const DrawEvaluation& ev = md->EvaluateDraw(0, 0);
    EXPECT_TRUE(ev.prizeRanks.empty());
    EXPECT_TRUE(ev.currentWinningGrids.empty());
}

TEST_F(DrawEvaluationTest, AFailedMatchingLeavesNoWinningGridAndReachesTheCaller) {
    AddGrid(0, {1, 2, 3, 4, 5, 6});
    const auto ref = AddDraw(0, 45000, {1, 2, 3, 4, 5, 6, 7}, Amounts(1000));
    md->LoadGrids();
    ASSERT_EQ(md->EvaluateDraw(ref, 0).currentWinningGrids.size(), 1u);
    md->Connection().Execute("drop table listeboules");
    EXPECT_THROW(md->EvaluateDraw(ref, 0), std::exception);
    EXPECT_TRUE(md->CurrentWinningGrids().empty());
}

TEST(DrawWinningsSummary, TotalsInTheGivenFormatAndZeroPrizesReadAsNoWinning) {
    WinningGrid ten, fiveFifty, nothing;
    ten.prize = 10.0;
    fiveFifty.prize = 5.5;
    EXPECT_EQ(DrawWinningsSummary({ten, fiveFifty}, French),
              "Vous avez 2 grilles gagnantes pour un total de 15,50€ { 101,67F }");
    // Grids that meet their rank's condition but whose draw has no amounts.
    EXPECT_EQ(DrawWinningsSummary({nothing, nothing}, French),
              "Aucunes grilles gagnantes pour ce tirage");
    EXPECT_EQ(WinningGridsTableOf(0, {nothing, nothing}, Euros).rows.size(), 2u);
}

TEST(WinningCellLook, ShowsTheNumberOfACodeOnTheColourOfItsMark) {
    WinningGridsTable table = PrepareWinningGridColumns(5);
    table.rows[0][0] = "117";
    table.rows[0][1] = "17";
    table.rows[0][2] = "105";
    table.rows[0][9] = "11";
    table.rows[0][10] = "211";
    const struct {
        int column;
        CellShade shade;
        const char* text;
    } cases[] = {
        {0, CellShade::MainDrawn, "17"},    {1, CellShade::MainColumn, "17"},
        {2, CellShade::MainDrawn, "5"},     {3, CellShade::MainColumn, ""},
        {9, CellShade::SecondColumn, "11"}, {10, CellShade::SecondDrawn, "11"},
        {18, CellShade::Other, ""},         {20, CellShade::Other, ""},
    };
    for (const auto& c : cases) {
        const CellLook look = WinningCellLook(table, 1, c.column);
        EXPECT_EQ(look.shade, c.shade) << c.column;
        EXPECT_EQ(look.text, c.text) << c.column;
    }
}

} // namespace
} // namespace quintaro
