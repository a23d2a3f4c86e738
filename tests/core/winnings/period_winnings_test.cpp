#include "core/base/quintaro_error.h"
#include "core/winnings/period_winnings.h"
#include "support/store_fixture.h"

#include <algorithm>
#include <gtest/gtest.h>

namespace quintaro {
namespace {

class PeriodWinningsTest : public test::StoreFixture {};

TEST_F(PeriodWinningsTest, TalliesEachWinningGridOfEachDrawByCategory) {
    std::vector<double> amounts(13, 0.0);
    amounts[5] = 20.0;                 // 3 + complementary
    amounts[6] = 5.0;                  // 3
    AddGrid(0, {1, 2, 3, 4, 5, 6});    // 3 + complementary in the first draw
    AddGrid(0, {1, 2, 3, 10, 11, 12}); // 3
    AddGrid(1, {1, 2, 3, 4, 5, 6});    // another game
    AddDraw(0, 45001, {1, 2, 3, 40, 41, 42, 4}, amounts, 2);
    AddDraw(0, 45001, {1, 2, 3, 40, 41, 42, 4}, amounts, 1);
    AddDraw(0, 45009, {1, 2, 3, 40, 41, 42, 4}, amounts, 1); // outside the period
    AddDraw(1, 45001, {1, 2, 3, 40, 41, 42, 4}, amounts, 1);
    md->LoadGrids();
    md->LoadPrizeAmounts();

    std::vector<std::size_t> progress;
    const PeriodWinnings result =
        md->ComputePeriodWinnings(0, 45000, 45008, [&](std::size_t k, std::size_t last) {
            progress.push_back(k);
            EXPECT_EQ(last, 1u);
        });
    ASSERT_EQ(result.draws.size(), 2u);
    EXPECT_EQ(result.draws[0].n_tir, 1);
    EXPECT_EQ(progress, (std::vector<std::size_t>{0, 1}));
    ASSERT_EQ(result.details.size(), 4u);
    EXPECT_EQ(result.details[0].draw, 0u);
    EXPECT_TRUE(result.details[0].hit.complementary);
    EXPECT_EQ(result.details[3].draw, 1u);
    EXPECT_EQ(result.tally[3][1].count, 2);
    EXPECT_EQ(result.tally[3][1].amount, 40.0);
    EXPECT_EQ(result.tally[3][0].count, 2);
    EXPECT_EQ(result.tally[3][0].amount, 10.0);
    EXPECT_EQ(result.total, 50.0);
}

// A period keeps what each grid won; its marks are those the draw gives the grid alone.
TEST_F(PeriodWinningsTest, EachDetailGivesTheWinningGridOfItsDraw) {
    AddGrid(2, {1, 2, 3, 4, 5, 6}, {1, 2, 3});
    AddGrid(2, {10, 11, 12, 13, 14}, {4, 5});
    AddDraw(2, 45000, {1, 2, 3, 11, 12, 4, 9});
    AddDraw(2, 45003, {10, 11, 12, 31, 32, 1, 2});
    md->LoadGrids();
    md->LoadPrizeAmounts();
    const PeriodWinnings result = md->ComputePeriodWinnings(2, 45000, 45003, nullptr);
    ASSERT_EQ(result.details.size(), 3u);
    for (const PeriodDetail& d : result.details) {
        const DrawInPeriod& draw = result.draws[d.draw];
        const TgrilleGagnante alone =
            GridMatcher(result.grids, 2, md->Combinations())
                .Match({0, draw.b1, draw.b2, draw.b3, draw.b4, draw.b5, draw.b6, draw.b7},
                       draw.date, false, nullptr);
        const auto same = std::find_if(alone.begin(), alone.end(), [&](const WinningGrid& w) {
            return w.number == d.hit.number;
        });
        ASSERT_NE(same, alone.end());
        const WinningGrid w = result.Winner(d);
        EXPECT_EQ(w.mainNumbers, same->mainNumbers);
        EXPECT_EQ(w.secondNumbers, same->secondNumbers);
        EXPECT_EQ(w.mainMarks, same->mainMarks);
        EXPECT_EQ(w.secondMarks, same->secondMarks);
        EXPECT_EQ(w.matched, same->matched);
        EXPECT_EQ(w.secondMatched, same->secondMatched);
    }
}

TEST_F(PeriodWinningsTest, ChanceNumberAloneCountsUnderNoNumberMatched) {
    std::vector<double> amounts(13, 0.0);
    amounts[8] = 2.2; // since 2017 the chance number alone wins rank 9
    AddGrid(3, {20, 21, 22, 23, 24}, {7});
    AddDraw(3, 45001, {1, 2, 3, 4, 5, 7, 0}, amounts);
    md->LoadGrids();
    md->LoadPrizeAmounts();
    const PeriodWinnings result = md->ComputePeriodWinnings(3, 45000, 45002, nullptr);
    EXPECT_EQ(result.tally[0][1].count, 1);
    EXPECT_EQ(result.tally[0][1].amount, 2.2);
    EXPECT_EQ(result.total, 2.2);
}

TEST_F(PeriodWinningsTest, EmptyPeriodAndOneComputationAtATime) {
    AddDraw(0, 45001, {1, 2, 3, 4, 5, 6, 7});
    AddDraw(0, 45002, {1, 2, 3, 4, 5, 6, 7});
    md->LoadGrids();
    EXPECT_TRUE(md->ComputePeriodWinnings(0, 46000, 46001, nullptr).draws.empty());
    std::string nested;
    md->ComputePeriodWinnings(0, 45000, 45003, [&](std::size_t, std::size_t) {
        try {
            md->ComputePeriodWinnings(0, 45000, 45003, nullptr);
        } catch (const QuintaroError& e) {
            nested = e.what();
        }
    });
    EXPECT_EQ(nested, "Un calcul des gains est déjà en cours");
    EXPECT_NO_THROW(md->ComputePeriodWinnings(0, 45000, 45003, nullptr));
}

TEST_F(PeriodWinningsTest, GridsReloadedBetweenTwoDrawsLeaveTheComputationAsItStarted) {
    std::vector<double> amounts(13, 0.0);
    amounts[6] = 5.0;
    AddGrid(0, {1, 2, 3, 4, 5, 6});
    AddDraw(0, 45001, {1, 2, 3, 40, 41, 42, 43}, amounts);
    AddDraw(0, 45002, {1, 2, 3, 40, 41, 42, 43}, amounts);
    md->LoadGrids();
    md->LoadPrizeAmounts();
    // The window's messages, let through after the first draw, change the grid and reload.
    const PeriodWinnings result =
        md->ComputePeriodWinnings(0, 45000, 45003, [&](std::size_t k, std::size_t) {
            if (k != 0)
                return;
            md->Connection().Execute("delete from listegrille");
            test::StoreGrid(*md, 1, 0, {20, 21, 22, 23, 24, 25});
            md->LoadGrids();
        });
    ASSERT_EQ(result.details.size(), 2u);
    EXPECT_EQ(result.details[1].draw, 1u);
    EXPECT_EQ(result.grids, (GridList{Grid{{1, 2, 3, 4, 5, 6}, {}}}));
}

} // namespace
} // namespace quintaro
