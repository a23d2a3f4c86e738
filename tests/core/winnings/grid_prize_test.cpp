// The prize of multiple grids against an independent count: every simple combination that
// a grid contains is enumerated and paid the amount of the rank it wins.
#include "core/winnings/combination_table.h"
#include "core/winnings/matching.h"

#include <algorithm>
#include <gtest/gtest.h>
#include <map>
#include <numeric>
#include <random>

namespace quintaro {
namespace {

// Rank of a simple combination with j numbers and t second-set numbers drawn (for Loto, t is
// the complementary ball), as the results files number them; 0 when it wins nothing.
int RankOf(int family, int j, int t) {
    static const std::map<std::pair<int, int>, int> loto = {
        {{6, 0}, 1}, {{5, 1}, 2}, {{5, 0}, 3}, {{4, 1}, 4}, {{4, 0}, 5}, {{3, 1}, 6}, {{3, 0}, 7}};
    static const std::map<std::pair<int, int>, int> euro = {
        {{5, 2}, 1}, {{5, 1}, 2}, {{5, 0}, 3}, {{4, 2}, 4},  {{4, 1}, 5},  {{4, 0}, 6},
        {{3, 2}, 7}, {{3, 1}, 8}, {{2, 2}, 9}, {{3, 0}, 10}, {{1, 2}, 11}, {{2, 1}, 12}};
    static const std::map<std::pair<int, int>, int> newEuro = {
        {{5, 2}, 1},  {{5, 1}, 2},  {{5, 0}, 3}, {{4, 2}, 4}, {{4, 1}, 5},
        {{4, 0}, 6},  {{3, 2}, 7},  {{2, 2}, 8}, {{3, 1}, 9}, {{3, 0}, 10},
        {{1, 2}, 11}, {{2, 1}, 12}, {{2, 0}, 13}};
    // Since 27/09/2016: twelve stars, 3+2 pays rank 6 and 4+0 rank 7.
    static const std::map<std::pair<int, int>, int> euro2016 = {
        {{5, 2}, 1},  {{5, 1}, 2},  {{5, 0}, 3}, {{4, 2}, 4}, {{4, 1}, 5},
        {{3, 2}, 6},  {{4, 0}, 7},  {{2, 2}, 8}, {{3, 1}, 9}, {{3, 0}, 10},
        {{1, 2}, 11}, {{2, 1}, 12}, {{2, 0}, 13}};
    const std::map<std::pair<int, int>, int>* table = nullptr;
    switch (family) {
    case 1:
        table = &loto;
        break;
    case 2:
        table = &euro;
        break;
    case 4:
        table = &newEuro;
        break;
    case 6:
        table = &euro2016;
        break;
    case 5:
        // Since 06/03/2017: 5+C, 5, 4+C, 4, 3+C, 3, 2+C, 2, then 1+C or 0+C.
        if (j >= 2)
            return 2 * (5 - j) + (t == 1 ? 1 : 2);
        return t == 1 ? 9 : 0;
    default:
        if (j == 5)
            return t == 1 ? 1 : 2;
        if (j >= 2)
            return 7 - j;
        return t == 1 ? 6 : 0;
    }
    auto it = table->find({j, t});
    return it == table->end() ? 0 : it->second;
}

// Calls f for every k-subset of items.
template <class F> void ForEachSubset(const std::vector<int>& items, int k, F f) {
    if (k < 0 || k > static_cast<int>(items.size()))
        return;
    std::vector<bool> pick(items.size(), false);
    std::fill(pick.begin(), pick.begin() + k, true);
    do {
        std::vector<int> subset;
        for (std::size_t i = 0; i < items.size(); ++i)
            if (pick[i])
                subset.push_back(items[i]);
        f(subset);
    } while (std::prev_permutation(pick.begin(), pick.end()));
}

int CountIn(const std::vector<int>& values, const std::vector<int>& drawn) {
    return static_cast<int>(std::count_if(values.begin(), values.end(), [&](int v) {
        return std::find(drawn.begin(), drawn.end(), v) != drawn.end();
    }));
}

struct Game {
    int family;
    int numbers;     // numbers 1..numbers
    int seconds;     // second set 1..seconds (0: none, Loto)
    int drawnMain;   // main balls of a draw
    int drawnSecond; // second-set balls of a draw
    int pick;        // numbers of a simple bet
    int secondPick;  // second-set numbers of a simple bet
    int maxPlayed;   // the largest grids tried (some beyond the editor's limits)
    int maxSecondPlayed;
};

class GridPrizeTest : public ::testing::TestWithParam<Game> {};

TEST_P(GridPrizeTest, EqualsTheSumOverEverySimpleCombination) {
    const Game g = GetParam();
    const CombinationTable table = CombinationTable::FromRules();
    PrizeAmounts amounts;
    std::array<double, 14> paid{};
    for (int rank = 1; rank <= 13; ++rank) {
        paid[static_cast<std::size_t>(rank)] = std::ldexp(1.0, 2 * (13 - rank)) + rank;
        amounts.Set(1, rank, paid[static_cast<std::size_t>(rank)]);
    }
    std::mt19937 random(1234 + static_cast<unsigned>(g.family));
    auto draw = [&](int from, int count, std::vector<int> exclude = {}) {
        std::vector<int> pool;
        for (int v = 1; v <= from; ++v)
            if (std::find(exclude.begin(), exclude.end(), v) == exclude.end())
                pool.push_back(v);
        std::shuffle(pool.begin(), pool.end(), random);
        pool.resize(static_cast<std::size_t>(std::clamp(count, 0, static_cast<int>(pool.size()))));
        return pool;
    };

    int checked = 0;
    for (int round = 0; round < 400; ++round) {
        const int played = 5 + static_cast<int>(random() % static_cast<unsigned>(g.maxPlayed - 4));
        const int secondPlayed =
            g.seconds ? 1 + static_cast<int>(random() % static_cast<unsigned>(g.maxSecondPlayed))
                      : 0;
        // Draws made to hit: the grid takes some of the drawn numbers, then others.
        const std::vector<int> main = draw(g.numbers, g.drawnMain);
        const std::vector<int> complementary =
            g.seconds ? std::vector<int>{} : draw(g.numbers, 1, main);
        const std::vector<int> second =
            g.seconds ? draw(g.seconds, g.drawnSecond) : std::vector<int>{};
        const int takeMain =
            static_cast<int>(random() % static_cast<unsigned>(std::min(played, g.drawnMain) + 1));
        std::vector<int> grid(main.begin(), main.begin() + takeMain);
        if (!g.seconds && random() % 2)
            grid.push_back(complementary[0]);
        std::vector<int> exclude = main;
        exclude.insert(exclude.end(), complementary.begin(), complementary.end());
        for (int v : draw(g.numbers, played - static_cast<int>(grid.size()), exclude))
            grid.push_back(v);
        std::vector<int> gridSecond;
        if (g.seconds) {
            const int takeSecond = static_cast<int>(
                random() % static_cast<unsigned>(std::min(secondPlayed, g.drawnSecond) + 1));
            gridSecond.assign(second.begin(), second.begin() + takeSecond);
            // Beyond the game's own range when more second-set numbers are played than it has.
            std::vector<int> others = draw(std::max(g.seconds, secondPlayed + g.drawnSecond),
                                           secondPlayed - takeSecond, second);
            gridSecond.insert(gridSecond.end(), others.begin(), others.end());
        }

        double expected = 0.0;
        ForEachSubset(grid, g.pick, [&](const std::vector<int>& combo) {
            const int j = CountIn(combo, main);
            if (!g.seconds) {
                const int rank = RankOf(1, j, CountIn(combo, complementary));
                expected += rank ? paid[static_cast<std::size_t>(rank)] : 0.0;
                return;
            }
            ForEachSubset(gridSecond, g.secondPick, [&](const std::vector<int>& stars) {
                const int rank = RankOf(g.family, j, CountIn(stars, second));
                expected += rank ? paid[static_cast<std::size_t>(rank)] : 0.0;
            });
        });
        const int matched = CountIn(grid, main);
        const int secondMatched =
            g.seconds ? CountIn(gridSecond, second) : CountIn(grid, complementary);
        const double prize = GridPrize(table, amounts, 1, g.family, static_cast<int>(grid.size()),
                                       static_cast<int>(gridSecond.size()), matched, secondMatched);
        ASSERT_EQ(prize, expected)
            << "family " << g.family << ", " << grid.size() << " + " << gridSecond.size()
            << " played, " << matched << " + " << secondMatched << " matched";
        checked += expected > 0.0;
    }
    EXPECT_GT(checked, 100); // the draws did produce winning grids
}

INSTANTIATE_TEST_SUITE_P(
    Families, GridPrizeTest,
    ::testing::Values(Game{1, 49, 0, 6, 0, 6, 0, 12, 0}, Game{2, 50, 9, 5, 2, 5, 2, 10, 12},
                      Game{3, 49, 10, 5, 1, 5, 1, 10, 12}, Game{4, 50, 11, 5, 2, 5, 2, 11, 12},
                      Game{5, 49, 10, 5, 1, 5, 1, 10, 12}, Game{6, 50, 12, 5, 2, 5, 2, 11, 12}),
    [](const ::testing::TestParamInfo<Game>& info) {
        return "Family" + std::to_string(info.param.family);
    });

} // namespace
} // namespace quintaro
