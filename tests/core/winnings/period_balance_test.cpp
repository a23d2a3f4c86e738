#include "core/winnings/period_balance.h"
#include "support/store_fixture.h"

#include <gtest/gtest.h>

namespace quintaro {
namespace {

Grid MakeGrid(std::initializer_list<int> main, std::initializer_list<int> second = {}) {
    Grid g;
    std::size_t i = 0;
    for (int v : main)
        g.main[i++] = static_cast<std::uint8_t>(v);
    i = 0;
    for (int v : second)
        g.second[i++] = static_cast<std::uint8_t>(v);
    return g;
}

TEST(SimpleBetCountTest, AMultipleGridHoldsEveryChoiceOfASimpleBetsNumbers) {
    const struct {
        std::int32_t type;
        Grid grid;
        std::int64_t bets;
    } cases[] = {
        {0, MakeGrid({1, 2, 3, 4, 5, 6}), 1},
        {0, MakeGrid({1, 2, 3, 4, 5, 6, 7, 8}), 28},         // C(8,6)
        {1, MakeGrid({1, 2, 3, 4, 5, 6, 7, 8, 9, 10}), 210}, // C(10,6)
        {0, MakeGrid({1, 2, 3, 4, 5}), 0},                   // less than a simple bet
        {2, MakeGrid({1, 2, 3, 4, 5}, {1, 2}), 1},
        {2, MakeGrid({1, 2, 3, 4, 5, 6}, {1, 2, 3}), 18}, // C(6,5) × C(3,2)
        {2, MakeGrid({1, 2, 3, 4, 5}, {1}), 0},
        {3, MakeGrid({1, 2, 3, 4, 5}, {7}), 1},
        {4, MakeGrid({1, 2, 3, 4, 5, 6, 7}, {1, 2, 3, 4}), 84}, // C(7,5) × 4
        {5, MakeGrid({1, 2, 3, 4, 5, 6, 7, 8, 9, 10}, {1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 11}),
         252 * 55},                           // C(10,5) × C(11,2)
        {6, MakeGrid({1, 2, 3, 4, 5, 6}), 0}, // not a game
    };
    for (const auto& c : cases)
        EXPECT_EQ(SimpleBetCount(c.type, c.grid), c.bets) << "type " << c.type;
}

class PeriodBalanceTest : public test::StoreFixture {
protected:
    PeriodBalance Balance(std::int32_t type, double from, double to) {
        md->LoadGrids();
        md->LoadPrizeAmounts();
        return md->ComputePeriodBalance(type, md->ComputePeriodWinnings(type, from, to, nullptr));
    }
};

TEST_F(PeriodBalanceTest, TheStakeOfAMultipleGridIsItsSimpleBetsTimesThePrice) {
    catalogue.SimpleBetPrices[0] = {{45000, 2.2}};
    catalogue.SimpleBetPrices[2] = {{45000, 2.5}};
    AddGrid(0, {1, 2, 3, 4, 5, 6, 7, 8});
    AddGrid(2, {10, 11, 12, 13, 14, 15}, {1, 2, 3});
    AddDraw(0, 45001, {20, 21, 22, 23, 24, 25, 26});
    AddDraw(2, 45001, {20, 21, 22, 23, 24, 30, 31});

    const PeriodBalance loto = Balance(0, 45000, 45002);
    EXPECT_EQ(loto.simpleBets, 28);
    EXPECT_DOUBLE_EQ(loto.stake, 28 * 2.2);
    EXPECT_DOUBLE_EQ(loto.balance, -28 * 2.2);
    EXPECT_EQ(Balance(2, 45000, 45002).stake, 18 * 2.5);
}

TEST_F(PeriodBalanceTest, EachDrawCostsItsOwnDaysPriceAndDrawsWithoutOneAreCounted) {
    catalogue.SimpleBetPrices[0] = {{45000, 2.0}, {45005, 2.2}};
    std::vector<double> amounts(13, 0.0);
    amounts[6] = 5.0; // three numbers
    AddGrid(0, {1, 2, 3, 4, 5, 6});
    AddGrid(0, {1, 2, 3, 4, 5, 6, 7, 8});
    AddDraw(0, 44990, {40, 41, 42, 43, 44, 45, 46}); // before the first known price
    AddDraw(0, 45001, {1, 2, 3, 40, 41, 42, 43}, amounts);
    AddDraw(0, 45005, {40, 41, 42, 43, 44, 45, 46});
    AddDraw(0, 45008, {40, 41, 42, 43, 44, 45, 46});

    const PeriodBalance b = Balance(0, 44000, 46000);
    EXPECT_EQ(b.draws, 4u);
    EXPECT_EQ(b.grids, 2u);
    EXPECT_EQ(b.simpleBets, 29);
    EXPECT_EQ(b.drawsWithoutPrice, 1u);
    EXPECT_DOUBLE_EQ(b.stake, 29 * 2.0 + 2 * 29 * 2.2);
    // Three numbers: the simple grid once, the grid of eight in C(5,3) of its simple bets.
    EXPECT_DOUBLE_EQ(b.winnings, 5.0 + 10 * 5.0);
    EXPECT_DOUBLE_EQ(b.balance, b.winnings - b.stake);
}

TEST_F(PeriodBalanceTest, TheLongestRunWithoutAWinIsTheFirstOfTheLongest) {
    std::vector<double> amounts(13, 0.0);
    amounts[6] = 5.0;
    AddGrid(0, {1, 2, 3, 4, 5, 6});
    const std::vector<int> win = {1, 2, 3, 40, 41, 42, 43}, loss = {40, 41, 42, 43, 44, 45, 46};
    AddDraw(0, 45001, loss);
    AddDraw(0, 45002, win, amounts);
    AddDraw(0, 45003, loss);
    AddDraw(0, 45004, win); // a winning grid without prize amounts wins nothing
    AddDraw(0, 45005, win, amounts);
    AddDraw(0, 45006, loss);
    AddDraw(0, 45007, loss);

    const DrawRun run = Balance(0, 45000, 45010).longestRunWithoutWin;
    EXPECT_EQ(run.length, 2u);
    EXPECT_EQ(run.firstDate, 45003);
    EXPECT_EQ(run.lastDate, 45004);
    EXPECT_EQ(Balance(0, 45006, 45010).longestRunWithoutWin.length, 2u);
    EXPECT_EQ(Balance(0, 45002, 45002).longestRunWithoutWin.length, 0u);
    EXPECT_EQ(Balance(0, 46000, 46010).longestRunWithoutWin.length, 0u);
}

} // namespace
} // namespace quintaro
