#include "core/stats/stat_lists.h"

#include <gtest/gtest.h>

namespace quintaro {
namespace {

TEST(StatListsTest, EachGameShowsItsSideListsWithTheirCaptions) {
    struct Case {
        int type;
        const char* second; // empty: hidden
        bool joker;
    };
    const Case cases[] = {
        {0, "", true},
        {1, "", false},
        {2, "Statistique Etoile", false},
        {3, "Statistique N° Chance", true},
        {4, "Statistique N° Chance", true},
        {5, "Statistique Etoile", true},
    };
    for (const Case& c : cases) {
        const std::optional<StatSideLists> lists = StatSideListsOf(c.type);
        ASSERT_TRUE(lists) << c.type;
        EXPECT_EQ(lists->second == SecondSetKind::None, std::string(c.second).empty()) << c.type;
        EXPECT_EQ(SecondListCaption(lists->second), c.second) << c.type;
        EXPECT_EQ(lists->joker, c.joker) << c.type;
    }
    EXPECT_EQ(std::string(kJokerListCaption), "Statistique Joker");
    // An index that names no game leaves the lists as they are.
    EXPECT_FALSE(StatSideListsOf(-1));
    EXPECT_FALSE(StatSideListsOf(6));
}

TEST(StatListsTest, ASeriesNamesItsListAndItsGame) {
    const std::tuple<int, StatListKind, int> cases[] = {
        {0, StatListKind::Main, 0},    {5, StatListKind::Main, 5},   {12, StatListKind::Second, 2},
        {15, StatListKind::Second, 5}, {20, StatListKind::Joker, 0}, {23, StatListKind::Joker, 3},
    };
    for (const auto& [series, kind, game] : cases) {
        EXPECT_EQ(ListKindOf(series), kind) << series;
        EXPECT_EQ(GameOfSeries(series), game) << series;
    }
}

} // namespace
} // namespace quintaro
