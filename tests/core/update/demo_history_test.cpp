// The demo history the build generates, imported through the demo catalogue as a user's update
// does: every draw's prize layout is the one the rules of its day pay, and a grid is paid the
// amount of the rank those rules give it, before and after each game's change of rules.
#include "core/store/games.h"
#include "core/update/network_fetcher.h"
#include "core/update/update_driver.h"
#include "core/winnings/prize_rules.h"
#include "support/demo_installation.h"
#include "support/recording_update.h"
#include "support/store_fixture.h"

#include <algorithm>
#include <gtest/gtest.h>

namespace quintaro {
namespace {

// A draw as stored: its main numbers and its second set (stars, chance number).
struct Draw {
    std::int32_t reference = 0;
    double date = 0;
    std::vector<int> main, second;
};

// The numbers from 1 to `highest` that are not in `drawn`, smallest first.
std::vector<int> NotDrawn(const std::vector<int>& drawn, int highest) {
    std::vector<int> numbers;
    for (int n = 1; n <= highest; ++n)
        if (std::find(drawn.begin(), drawn.end(), n) == drawn.end())
            numbers.push_back(n);
    return numbers;
}

// `hits` numbers of `drawn` then numbers not drawn, `count` in all.
std::vector<int> Pick(const std::vector<int>& drawn, int highest, int count, int hits) {
    std::vector<int> picked(drawn.begin(), drawn.begin() + hits);
    const std::vector<int> others = NotDrawn(drawn, highest);
    picked.insert(picked.end(), others.begin(), others.begin() + (count - hits));
    return picked;
}

class DemoHistoryTest : public test::StoreFixture {
protected:
    DemoHistoryTest() {
        test::CopyDemoInstallation(QUINTARO_DEMO_DIR, app.path());
        catalogue = Catalogue();
        LoadSourceCatalogue(catalogue, app / "quintaro.INI");
        UpdateDriver driver(*md, catalogue, host, offline);
        driver.Update(7); // the results files that lie there
        EXPECT_TRUE(driver.EveryStepSucceeded());
    }

    // The draws of a game, oldest first.
    std::vector<Draw> DrawsOf(int type) {
        auto q = md->Connection().Prepare("select reftirage, date, b1, b2, b3, b4, b5, b6, b7 "
                                          "from listetirage where type = :t order by date");
        q.Set("t", std::int64_t{type});
        std::vector<Draw> draws;
        while (q.Next()) {
            Draw& draw = draws.emplace_back();
            draw.reference = static_cast<std::int32_t>(q.Int(0));
            draw.date = q.Double(1);
            for (int c = 2; c < 7; ++c)
                draw.main.push_back(static_cast<int>(q.Int(c)));
            for (int c = 7; c < 7 + DrawnSecond(type); ++c)
                draw.second.push_back(static_cast<int>(q.Int(c)));
        }
        return draws;
    }

    test::RecordingUpdate host;
    ExtractionObserver quiet;
    NetworkFetcher offline{settings, "quintaro-test", quiet};
};

int RankCount(int family) {
    int count = 0;
    while (count < kRankCount && !RankCombination(family, count + 1).empty())
        ++count;
    return count;
}

// Each draw brings the ranks of its day's rules, and each game's stars or chance numbers stay
// within those of its day: star 12 of the New Euromillion drawn from 27/09/2016 on only.
TEST_F(DemoHistoryTest, EveryDrawHasTheLayoutOfItsDaysRules) {
    auto q = md->Connection().Prepare(
        "select t.type, t.date, t.b6, t.b7, (select count(*) from listegain g where "
        "g.reftirage = t.reftirage) from listetirage t order by t.reftirage");
    std::array<std::array<int, kFamilyCount + 1>, kGameTypeCount> draws{};
    int wrongLayouts = 0;
    bool starTwelveBefore = false, starTwelveAfter = false;
    while (q.Next()) {
        const int type = static_cast<int>(q.Int(0));
        const double date = q.Double(1);
        const int family = FamilyOn(type, date);
        ++draws[static_cast<std::size_t>(type)][static_cast<std::size_t>(family)];
        if (q.Int(4) != RankCount(family) && ++wrongLayouts <= 5)
            ADD_FAILURE() << "type " << type << " on day " << date << ": " << q.Int(4)
                          << " ranks, family " << family << " has " << RankCount(family);
        if (type == 5 && (q.Int(2) == 12 || q.Int(3) == 12))
            (date < kTwelveStarsEuroMillions ? starTwelveBefore : starTwelveAfter) = true;
    }
    EXPECT_EQ(wrongLayouts, 0);
    EXPECT_FALSE(starTwelveBefore);
    EXPECT_TRUE(starTwelveAfter);
    // Every game's history, both sides of each change of rules.
    for (int type = 0; type < kGameTypeCount; ++type) {
        for (const RulePeriod& period : Game(type).rules) {
            if (period.family == 0)
                continue;
            EXPECT_GT(
                draws[static_cast<std::size_t>(type)][static_cast<std::size_t>(period.family)], 0)
                << "type " << type << ", family " << period.family;
        }
    }
}

// A grid built on a demo draw with the given hits is paid that draw's amount of `rank`.
struct PaidCase {
    const char* name;
    int type;
    double after; // the first draw on or after that day
    int hits, secondHits;
    int rank;
};

TEST_F(DemoHistoryTest, AGridIsPaidTheRankOfItsDaysRules) {
    const PaidCase cases[] = {
        {"New Euromillion 3+2 from 27/09/2016", 5, kTwelveStarsEuroMillions, 3, 2, 6},
        {"New Euromillion 4+0 from 27/09/2016", 5, kTwelveStarsEuroMillions, 4, 0, 7},
        {"New Euromillion 3+2 before", 5, DayNumber(2016, 1, 1), 3, 2, 7},
        {"New Euromillion 4+0 before", 5, DayNumber(2016, 1, 1), 4, 0, 6},
        {"New Loto 2+C from 06/03/2017", 3, kNineRanksLoto, 2, 1, 7},
        {"New Loto 4 from 06/03/2017", 3, kNineRanksLoto, 4, 0, 4},
        {"New Loto 2+C before", 3, DayNumber(2017, 1, 1), 2, 1, 5},
        {"New Super Loto 2+C from 06/03/2017", 4, kNineRanksLoto, 2, 1, 7},
        {"New Super Loto 3 from 06/03/2017", 4, kNineRanksLoto, 3, 0, 6},
    };
    for (const PaidCase& c : cases) {
        SCOPED_TRACE(c.name);
        const std::vector<Draw> draws = DrawsOf(c.type);
        const auto draw = std::find_if(draws.begin(), draws.end(),
                                       [&](const Draw& d) { return d.date >= c.after; });
        ASSERT_NE(draw, draws.end());
        md->Connection().Execute("delete from listegrille");
        gridNumbers = {};
        AddGrid(c.type, Pick(draw->main, Game(c.type).mainMax, 5, c.hits),
                Pick(draw->second, Game(c.type).secondMax, DrawnSecond(c.type), c.secondHits));
        md->LoadGrids();
        const TgrilleGagnante winners = md->MatchGridsForDraw(draw->reference, c.type);
        ASSERT_EQ(winners.size(), 1u);
        EXPECT_EQ(winners[0].matched, c.hits);
        EXPECT_EQ(winners[0].secondMatched, c.secondHits);
        const double amount = md->Amounts().Amount(draw->reference, c.rank);
        EXPECT_GT(amount, 0.0);
        EXPECT_EQ(winners[0].prize, amount);
    }
}

} // namespace
} // namespace quintaro
