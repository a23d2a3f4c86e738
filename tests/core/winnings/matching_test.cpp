#include "core/winnings/matching.h"
#include "support/store_fixture.h"

#include <algorithm>
#include <gtest/gtest.h>
#include <random>

namespace quintaro {
namespace {

using test::StoreFixture;

class MatchingTest : public StoreFixture {};

GridSet Set(std::initializer_list<int> values) {
    GridSet s{};
    std::size_t i = 0;
    for (int v : values)
        s[i++] = static_cast<std::uint8_t>(v);
    return s;
}

TEST_F(MatchingTest, WinningConditionsAndMarksOfEachGame) {
    struct Case {
        const char* what;
        int type;
        std::vector<int> grid, second, draw;
        bool wins;
        int matched = 0, secondMatched = 0;
        bool complementary = false;
        GridSet mainMarks{}, secondMarks{};
    };
    const Case cases[] = {
        {"Loto 3 + complementary",
         0,
         {1, 2, 3, 4, 5, 6},
         {},
         {1, 2, 3, 40, 41, 42, 4},
         true,
         3,
         0,
         true,
         Set({1, 1, 1, 2, 0, 0}),
         Set({})},
        {"Loto 2 + complementary", 0, {1, 2, 4, 5, 6, 7}, {}, {1, 2, 30, 40, 41, 42, 4}, false},
        {"Super Loto 6",
         1,
         {1, 2, 3, 4, 5, 6},
         {},
         {6, 5, 4, 3, 2, 1, 9},
         true,
         6,
         0,
         false,
         Set({1, 1, 1, 1, 1, 1}),
         Set({})},
        {"Euromillion 2 + 0", 2, {1, 2, 3, 4, 5}, {1, 2}, {1, 2, 10, 11, 12, 8, 9}, false},
        {"Euromillion 2 + 1",
         2,
         {1, 2, 3, 4, 5},
         {8, 2},
         {1, 2, 10, 11, 12, 8, 9},
         true,
         2,
         1,
         false,
         Set({1, 1, 0, 0, 0}),
         Set({0, 2})},
        {"Euromillion 1 + 2",
         2,
         {1, 20, 30, 40, 50},
         {8, 9},
         {1, 2, 10, 11, 12, 8, 9},
         true,
         1,
         2,
         false,
         Set({1, 0, 0, 0, 0}),
         Set({2, 2})},
        {"Euromillion 1 + 1", 2, {1, 20, 30, 40, 50}, {8, 7}, {1, 2, 10, 11, 12, 8, 9}, false},
        {"Euromillion 0 + 2", 2, {20, 21, 30, 40, 50}, {8, 9}, {1, 2, 10, 11, 12, 8, 9}, false},
        {"Euromillion star equal to a main ball",
         2,
         {1, 2, 20, 30, 40},
         {10, 11},
         {1, 2, 10, 11, 12, 8, 9},
         false},
        {"New Loto chance alone",
         3,
         {20, 21, 30, 40, 45},
         {7},
         {1, 2, 3, 4, 5, 7, 0},
         true,
         0,
         1,
         false,
         Set({}),
         Set({2})},
        {"New Loto 1 number", 3, {1, 21, 30, 40, 45}, {6}, {1, 2, 3, 4, 5, 7, 0}, false},
        {"New Super Loto 2 numbers",
         4,
         {1, 2, 30, 40, 45},
         {6},
         {1, 2, 3, 4, 5, 7, 0},
         true,
         2,
         0,
         false,
         Set({1, 1}),
         Set({})},
        {"New Euromillion 2 + 0",
         5,
         {1, 2, 30, 40, 45},
         {3, 4},
         {1, 2, 3, 4, 5, 10, 11},
         true,
         2,
         0,
         false,
         Set({1, 1}),
         Set({})},
        {"New Euromillion 1 + 2",
         5,
         {1, 20, 30, 40, 45},
         {11, 10},
         {1, 2, 3, 4, 5, 10, 11},
         true,
         1,
         2,
         false,
         Set({1}),
         Set({2, 2})},
        {"New Euromillion 1 + 1", 5, {1, 20, 30, 40, 45}, {10, 9}, {1, 2, 3, 4, 5, 10, 11}, false},
        {"New Euromillion 0 + 2",
         5,
         {20, 21, 30, 40, 45},
         {10, 11},
         {1, 2, 3, 4, 5, 10, 11},
         false},
        {"New Euromillion eleventh star",
         5,
         {1, 20, 30, 40, 45},
         {1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 11},
         {1, 2, 3, 4, 5, 10, 11},
         true,
         1,
         2,
         false,
         Set({1}),
         Set({0, 0, 0, 0, 0, 0, 0, 0, 0, 2, 2})},
    };
    for (const Case& c : cases) {
        gridNumbers.fill(0);
        md->Connection().Execute("delete from listegrille");
        test::StoreGrid(*md, 1, c.type, c.grid, c.second);
        const std::int32_t ref = AddDraw(c.type, 45000, c.draw);
        md->LoadGrids();
        const TgrilleGagnante result = md->MatchGridsForDraw(ref, c.type);
        ASSERT_EQ(result.size(), c.wins ? 1u : 0u) << c.what;
        if (!c.wins)
            continue;
        const WinningGrid& w = result[0];
        EXPECT_EQ(w.matched, c.matched) << c.what;
        EXPECT_EQ(w.secondMatched, c.secondMatched) << c.what;
        EXPECT_EQ(w.complementary, c.complementary) << c.what;
        EXPECT_EQ(w.mainMarks, c.mainMarks) << c.what;
        EXPECT_EQ(w.secondMarks, c.secondMarks) << c.what;
        EXPECT_EQ(w.mainNumbers, md->Grids(c.type)[0].main) << c.what;
        EXPECT_EQ(w.secondNumbers, md->Grids(c.type)[0].second) << c.what;

        // The same draw passed by its numbers gives the same records.
        std::array<std::uint8_t, 11> numbers{};
        for (std::size_t k = 0; k < c.draw.size() && k < numbers.size(); ++k)
            numbers[k] = static_cast<std::uint8_t>(c.draw[k]);
        const TgrilleGagnante byNumbers = md->MatchGridsForNumbers(numbers, ref, c.type);
        ASSERT_EQ(byNumbers.size(), 1u) << c.what;
        EXPECT_EQ(byNumbers[0].mainMarks, w.mainMarks) << c.what;
        EXPECT_EQ(byNumbers[0].secondMatched, w.secondMatched) << c.what;
    }
}

TEST_F(MatchingTest, PrizeIsTheRankAmountAndZeroWithoutAmounts) {
    std::vector<double> amounts(13, 0.0);
    amounts[5] = 12.3; // rank 6: three numbers and the complementary ball
    AddGrid(0, {1, 2, 3, 4, 5, 6});
    const std::int32_t paid = AddDraw(0, 45000, {1, 2, 3, 40, 41, 42, 4}, amounts);
    const std::int32_t unpaid = AddDraw(0, 45003, {1, 2, 3, 40, 41, 42, 4});
    md->LoadGrids();
    md->LoadPrizeAmounts();
    ASSERT_EQ(md->MatchGridsForDraw(paid, 0).size(), 1u);
    EXPECT_DOUBLE_EQ(md->MatchGridsForDraw(paid, 0)[0].prize, 12.3);
    EXPECT_DOUBLE_EQ(md->GridPrize(paid, 1, 6, 0, 3, 1), 12.3);
    // A draw beyond the prize list still gives its record, with a prize of 0.
    ASSERT_EQ(md->MatchGridsForDraw(unpaid, 0).size(), 1u);
    EXPECT_EQ(md->MatchGridsForDraw(unpaid, 0)[0].prize, 0.0);
}

// Amounts that tell the ranks apart: rank k pays 10 × k.
std::vector<double> RankAmounts() {
    std::vector<double> amounts;
    for (int rank = 1; rank <= 13; ++rank)
        amounts.push_back(10.0 * rank);
    return amounts;
}

// Each draw is paid by the rules of its day: EuroMillions swapped ranks 6 and 7 on 27/09/2016,
// the Loto went to nine ranks on 06/03/2017.
TEST_F(MatchingTest, AWinIsPaidTheRankOfTheRulesOfTheDrawsDay) {
    struct Case {
        const char* what;
        int type;
        std::vector<int> grid, second, draw;
        double day;
        double prize;
    };
    const std::vector<int> euro = {1, 2, 3, 4, 5}, stars = {1, 2}, loto = {1, 2, 3, 4, 5};
    const std::vector<int> euro3plus2 = {1, 2, 3, 40, 41, 1, 2},
                           euro4plus0 = {1, 2, 3, 4, 41, 8, 9};
    const std::vector<int> loto3plusC = {1, 2, 3, 40, 41, 7, 0};
    const double y2015 = DayNumber(2015, 6, 5), y2017 = DayNumber(2017, 6, 6),
                 y2018 = DayNumber(2018, 6, 6);
    // clang-format off
    const Case cases[] = {
        {"EuroMillions 3+2 in 2015: rank 7", 5, euro, stars, euro3plus2, y2015, 70.0},
        {"EuroMillions 3+2 on 23/09/2016: rank 7", 5, euro, stars, euro3plus2,
         DayNumber(2016, 9, 23), 70.0},
        {"EuroMillions 3+2 on 27/09/2016: rank 6", 5, euro, stars, euro3plus2,
         DayNumber(2016, 9, 27), 60.0},
        {"EuroMillions 3+2 in 2017: rank 6", 5, euro, stars, euro3plus2, y2017, 60.0},
        {"EuroMillions 4+0 in 2015: rank 6", 5, euro, stars, euro4plus0, y2015, 60.0},
        {"EuroMillions 4+0 in 2017: rank 7", 5, euro, stars, euro4plus0, y2017, 70.0},
        {"Loto 3+C in 2015: rank 4", 3, loto, {7}, loto3plusC, y2015, 40.0},
        {"Loto 3+C on 06/03/2017: rank 5", 3, loto, {7}, loto3plusC, DayNumber(2017, 3, 6), 50.0},
        {"Loto 3+C in 2018: rank 5", 3, loto, {7}, loto3plusC, y2018, 50.0},
        {"Loto 3 in 2018: rank 6", 3, loto, {8}, loto3plusC, y2018, 60.0},
        {"Loto 2+C in 2018: rank 7", 3, loto, {7}, {1, 2, 30, 40, 41, 7, 0}, y2018, 70.0},
        {"Loto 0+C in 2018: rank 9", 3, loto, {7}, {10, 20, 30, 40, 41, 7, 0}, y2018, 90.0},
        {"Super Loto 3+C in 2018: rank 5", 4, loto, {7}, loto3plusC, y2018, 50.0},
    };
    // clang-format on
    for (const Case& c : cases) {
        md->Connection().Execute("delete from listegrille");
        test::StoreGrid(*md, 1, c.type, c.grid, c.second);
        const std::int32_t ref = AddDraw(c.type, c.day, c.draw, RankAmounts());
        md->LoadGrids();
        md->LoadPrizeAmounts();
        const TgrilleGagnante byDraw = md->MatchGridsForDraw(ref, c.type);
        ASSERT_EQ(byDraw.size(), 1u) << c.what;
        EXPECT_EQ(byDraw[0].prize, c.prize) << c.what;
        std::array<std::uint8_t, 11> numbers{};
        for (std::size_t k = 0; k < c.draw.size(); ++k)
            numbers[k] = static_cast<std::uint8_t>(c.draw[k]);
        const TgrilleGagnante byNumbers = md->MatchGridsForNumbers(numbers, ref, c.type);
        ASSERT_EQ(byNumbers.size(), 1u) << c.what;
        EXPECT_EQ(byNumbers[0].prize, c.prize) << c.what;
    }
}

// Star 12, drawn since 2016, is a star like the others, and a multiple grid is paid the counts
// of today's table: one number combination with 3 drawn, star pairs {7, 12} (3+2, rank 6) and
// {3, 7}, {3, 12} (3+1, rank 9).
TEST_F(MatchingTest, AMultipleGridWithStarTwelveGetsTodaysCounts) {
    AddGrid(5, {1, 2, 3, 4, 5}, {3, 7, 12});
    const std::int32_t ref =
        AddDraw(5, DayNumber(2020, 2, 7), {1, 2, 3, 40, 41, 12, 7}, RankAmounts());
    md->LoadGrids();
    md->LoadPrizeAmounts();
    const TgrilleGagnante winners = md->MatchGridsForDraw(ref, 5);
    ASSERT_EQ(winners.size(), 1u);
    EXPECT_EQ(winners[0].secondMatched, 2);
    EXPECT_EQ(winners[0].secondMarks, Set({0, 2, 2}));
    EXPECT_EQ(winners[0].prize, 60.0 + 2 * 90.0);
    EXPECT_EQ(winners[0].prize, md->GridPrize(ref, 6, 5, 3, 3, 2));
}

// A period across the change pays each draw by its own rules.
TEST_F(MatchingTest, APeriodAcrossTheChangeOfRulesPaysEachDrawByItsOwn) {
    AddGrid(5, {1, 2, 3, 4, 5}, {1, 2});
    AddDraw(5, DayNumber(2015, 6, 5), {1, 2, 3, 40, 41, 1, 2}, RankAmounts());
    AddDraw(5, DayNumber(2017, 6, 6), {1, 2, 3, 40, 41, 1, 2}, RankAmounts());
    md->LoadGrids();
    md->LoadPrizeAmounts();
    const PeriodWinnings period =
        md->ComputePeriodWinnings(5, DayNumber(2015, 1, 1), DayNumber(2017, 12, 31), {});
    ASSERT_EQ(period.details.size(), 2u);
    EXPECT_EQ(period.details[0].hit.prize, 70.0);
    EXPECT_EQ(period.details[1].hit.prize, 60.0);
}

TEST_F(MatchingTest, AWinningGridCarriesItsNumberInItsGame) {
    AddGrid(0, {1, 2, 3, 4, 5, 6});
    AddGrid(0, {20, 21, 22, 23, 24, 25});
    AddGrid(0, {1, 2, 3, 10, 11, 12});
    const std::int32_t ref = AddDraw(0, 45000, {1, 2, 3, 40, 41, 42, 4});
    md->LoadGrids();
    const TgrilleGagnante winners = md->MatchGridsForDraw(ref, 0);
    ASSERT_EQ(winners.size(), 2u);
    EXPECT_EQ(winners[0].number, 1);
    EXPECT_EQ(winners[1].number, 3);
}

TEST_F(MatchingTest, NothingToMatchGivesAnEmptyList) {
    const std::int32_t ref = AddDraw(0, 45000, {1, 2, 3, 4, 5, 6, 7});
    md->LoadGrids();
    EXPECT_TRUE(md->MatchGridsForDraw(ref, 0).empty()); // no grid
    AddGrid(0, {1, 2, 3, 4, 5, 6});
    md->LoadGrids();
    EXPECT_TRUE(md->MatchGridsForDraw(0, 0).empty());   // no such draw: every ball is 0
    EXPECT_TRUE(md->MatchGridsForDraw(ref, 6).empty()); // no such game
    EXPECT_TRUE(md->MatchGridsForDraw(ref, -1).empty());
    EXPECT_EQ(md->MatchGridsForDraw(ref, 0).size(), 1u);
}

TEST_F(MatchingTest, GridsOutsideTheLimitsAreCountedNotReadOutOfTheTable) {
    std::vector<double> amounts(13, 1.0);
    // A Loto grid of 11 numbers (from a file) and one of 4 numbers.
    AddGrid(0, {1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 11});
    AddGrid(0, {1, 2, 3, 4});
    const std::int32_t ref = AddDraw(0, 45000, {1, 2, 3, 4, 5, 6, 7}, amounts);
    md->LoadGrids();
    md->LoadPrizeAmounts();
    const TgrilleGagnante result = md->MatchGridsForDraw(ref, 0);
    ASSERT_EQ(result.size(), 2u);
    // Ten slots are examined: the grid plays 10 numbers, 6 drawn and the complementary ball.
    EXPECT_EQ(result[0].matched, 6);
    EXPECT_TRUE(result[0].complementary);
    EXPECT_GT(result[0].prize, 0.0);
    EXPECT_EQ(result[1].prize, 0.0); // smaller than a simple bet
}

// Nearly every grid and draw is matched on bits; a grid or a draw whose numbers repeat or pass
// 63 (a damaged file can hold them) is counted value by value. Both ways give the same wins.
TEST_F(MatchingTest, BitwiseAndValueByValueMatchingAgree) {
    std::mt19937 random(7);
    auto pick = [&](int count, int highest) {
        std::vector<int> pool(static_cast<std::size_t>(highest));
        for (int v = 1; v <= highest; ++v)
            pool[static_cast<std::size_t>(v - 1)] = v;
        std::shuffle(pool.begin(), pool.end(), random);
        pool.resize(static_cast<std::size_t>(count));
        return pool;
    };
    std::vector<double> amounts(13);
    for (std::size_t rank = 0; rank < amounts.size(); ++rank)
        amounts[rank] = 1000.0 / static_cast<double>(rank + 1);
    PrizeAmounts::Ranks ranks{};
    std::copy(amounts.begin(), amounts.end(), ranks.begin());

    for (int type = 0; type < kGameTypeCount; ++type) {
        const GameFacts& game = Game(type);
        GridList grids;
        for (int g = 0; g < 40; ++g) {
            Grid grid;
            FillSet(grid.main, pick(game.simpleMain + g % 5, game.mainMax));
            if (game.secondMax)
                FillSet(grid.second, pick(game.simpleSecond + g % 3, game.secondMax));
            grids.push_back(grid);
        }
        GridList counted = grids;
        Grid repeated = grids[0];
        repeated.main[1] = repeated.main[0];
        counted.push_back(repeated);
        const GridMatcher bitwise(grids, type, md->Combinations());
        const GridMatcher byValue(counted, type, md->Combinations());

        for (int k = 0; k < 300; ++k) {
            const std::vector<int> main = pick(game.secondMax ? 5 : 7, game.mainMax);
            DrawBalls balls{};
            for (std::size_t b = 0; b < main.size(); ++b)
                balls[b + 1] = static_cast<std::uint8_t>(main[b]);
            if (game.secondMax) {
                const std::vector<int> second = pick(2, game.secondMax);
                balls[6] = static_cast<std::uint8_t>(second[0]);
                balls[7] = game.seventhBallEmpty ? 0 : static_cast<std::uint8_t>(second[1]);
            }
            // Both sides of each change of rules.
            const double day = k % 2 ? DayNumber(2015, 1, 2) : DayNumber(2020, 1, 3);
            const bool chanceAlsoBall7 = k % 3 == 0;
            TgrilleGagnante expected = byValue.Match(balls, day, chanceAlsoBall7, &ranks);
            if (!expected.empty() && expected.back().number == 41)
                expected.pop_back();
            const TgrilleGagnante got = bitwise.Match(balls, day, chanceAlsoBall7, &ranks);
            ASSERT_EQ(got.size(), expected.size()) << "type " << type << " draw " << k;
            for (std::size_t w = 0; w < got.size(); ++w) {
                EXPECT_EQ(got[w].number, expected[w].number);
                EXPECT_EQ(got[w].matched, expected[w].matched);
                EXPECT_EQ(got[w].secondMatched, expected[w].secondMatched);
                EXPECT_EQ(got[w].complementary, expected[w].complementary);
                EXPECT_EQ(got[w].mainMarks, expected[w].mainMarks);
                EXPECT_EQ(got[w].secondMarks, expected[w].secondMarks);
                EXPECT_EQ(got[w].prize, expected[w].prize);
            }
        }
    }
}

// A ball drawn twice counts twice for the grids that hold it, whichever way they are matched.
TEST_F(MatchingTest, ARepeatedBallCountsForEachTimeItWasDrawn) {
    const GridList grids = {Grid{Set({1, 2, 3, 4, 5, 6}), {}}};
    const GridMatcher matcher(grids, 0, md->Combinations());
    const TgrilleGagnante won =
        matcher.Match({0, 1, 1, 2, 40, 41, 42, 43}, DayNumber(2000, 1, 1), false, nullptr);
    ASSERT_EQ(won.size(), 1u);
    EXPECT_EQ(won[0].matched, 3);
}

} // namespace
} // namespace quintaro
