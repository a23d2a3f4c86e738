#include "core/stats/stat_bars.h"

#include <gtest/gtest.h>

namespace quintaro {
namespace {

TEST(StatBarsTest, TheExpectedCountIsDrawsTimesValuesDrawnOverThePool) {
    struct Case {
        int series;
        std::int64_t draws;
        std::optional<double> expected;
    };
    const Case cases[] = {
        {0, 49, 7.0},          // seven balls of 49, the complementary ball with the six
        {1, 7, 1.0},           // Super Loto likewise
        {2, 10, 1.0},          // five numbers of 50
        {12, 9, 2.0},          // two stars of 9
        {3, 49, 5.0},          // five numbers of 49
        {13, 10, 1.0},         // one chance number of 10
        {14, 20, 2.0},         //
        {15, 12, 2.0},         // two stars of 12
        {20, 10, 7.0},         // seven digits of 10
        {25, 3, 2.1},          //
        {4, 0, 0.0},           // no draws
        {10, 5, std::nullopt}, // Loto has no second set
        {6, 5, std::nullopt},  // no game
    };
    for (const Case& c : cases) {
        const std::optional<double> expected = ExpectedCount(c.series, c.draws);
        ASSERT_EQ(expected.has_value(), c.expected.has_value()) << c.series;
        if (expected) {
            EXPECT_DOUBLE_EQ(*expected, *c.expected) << c.series;
        }
    }
}

std::vector<StatRow> Rows() {
    // In the order of a list sorted by its count, not by value.
    return {{3, 9, 0, 45000, 1, 0}, {1, 5, 0, 44990, 1, 4}, {2, 0, 0, -1, 0, -1}};
}

TEST(StatBarsTest, FrequencyBarsStandInValueOrderBesideTheExpectedCount) {
    const StatBars bars = FrequencyBars(0, Rows(), 14);
    EXPECT_EQ(bars.values, (std::vector<std::int32_t>{1, 2, 3}));
    EXPECT_EQ(bars.heights, (std::vector<double>{5, 0, 9}));
    ASSERT_TRUE(bars.expected);
    EXPECT_DOUBLE_EQ(*bars.expected, 2.0);
    EXPECT_EQ(bars.title, "Sorties des numéros");
    EXPECT_EQ(bars.valueAxis, "Numéro");
    EXPECT_EQ(bars.countAxis, "Nombre de sorties");
    EXPECT_EQ(bars.expectedName, "Attendu d'un tirage au hasard");
}

TEST(StatBarsTest, GapBarsShowTheDrawsSinceAndNoGapWithoutDraws) {
    const StatBars bars = GapBars(0, Rows());
    EXPECT_EQ(bars.heights, (std::vector<double>{4, 0, 0}));
    EXPECT_FALSE(bars.expected);
    EXPECT_EQ(bars.title, "Écart actuel des numéros");
    EXPECT_EQ(bars.countAxis, "Tirages depuis la dernière sortie");
}

TEST(StatBarsTest, EachListNamesItsValues) {
    const std::tuple<int, const char*, const char*> cases[] = {
        {2, "Sorties des numéros", "Numéro"},
        {12, "Sorties des étoiles", "Étoile"},
        {15, "Sorties des étoiles", "Étoile"},
        {13, "Sorties des numéros chance", "Numéro chance"},
        {14, "Sorties des numéros chance", "Numéro chance"},
        {23, "Sorties des chiffres du Joker", "Chiffre"},
    };
    for (const auto& [series, title, axis] : cases) {
        const StatBars bars = FrequencyBars(series, {}, 0);
        EXPECT_EQ(bars.title, title) << series;
        EXPECT_EQ(bars.valueAxis, axis) << series;
        EXPECT_TRUE(bars.values.empty());
    }
}

} // namespace
} // namespace quintaro
