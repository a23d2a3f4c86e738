#include "core/winnings/matching.h"

#include "core/winnings/prize_rules.h"

namespace quintaro {

int SecondIndex(std::int32_t type, const WinningGrid& grid) {
    return HasSecondSet(type) ? grid.secondMatched : (grid.complementary ? 1 : 0);
}

double GridPrize(const CombinationTable& table, const PrizeAmounts::Ranks* amounts, int family,
                 int played, int secondPlayed, int matched, int secondMatched) {
    double prize = 0.0;
    if (!amounts)
        return prize;
    const auto counts = table.Counts(family, played, secondPlayed, matched, secondMatched);
    for (std::size_t rank = 0; rank < counts.size(); ++rank)
        prize += static_cast<double>(counts[rank]) * (*amounts)[rank];
    return prize;
}

double GridPrize(const CombinationTable& table, const PrizeAmounts& amounts, std::int64_t reference,
                 int family, int played, int secondPlayed, int matched, int secondMatched) {
    return GridPrize(table, amounts.Find(reference), family, played, secondPlayed, matched,
                     secondMatched);
}

namespace {

// How many balls of the draw's main set, and of its second set, hold each value: one lookup
// per slot instead of a pass over the balls, with the same count when balls repeat.
struct BallCounts {
    std::array<std::uint8_t, 256> main{};
    std::array<std::uint8_t, 256> second{};
};

BallCounts CountBalls(const DrawBalls& balls, int firstSecond, int lastSecond) {
    BallCounts counts;
    for (int b = 1; b < firstSecond; ++b)
        ++counts.main[balls[static_cast<std::size_t>(b)]];
    for (int b = firstSecond; b <= lastSecond; ++b)
        ++counts.second[balls[static_cast<std::size_t>(b)]];
    return counts;
}

// The examined slots of a set that hold a number.
void Occupied(const GridSet& set, std::size_t examined, GridSet& slots, std::uint8_t& count) {
    count = 0;
    for (std::size_t j = 0; j < examined; ++j)
        if (set[j])
            slots[count++] = static_cast<std::uint8_t>(j);
}

} // namespace

GridMatcher::GridMatcher(const GridList& grids, int type) : type_(type) {
    if (!IsGameType(type))
        return;
    // Loto examines ten slots, the two-set games ten of each set, New Euromillion, whose stars
    // go past ten, eleven.
    const std::size_t examined = Game(type).secondMax > 10 ? 11 : 10;
    entries_.reserve(grids.size());
    for (const Grid& grid : grids) {
        Entry e{&grid, {}, {}, 0, 0};
        Occupied(grid.main, examined, e.mainSlots, e.mainCount);
        if (HasSecondSet(type))
            Occupied(grid.second, examined, e.secondSlots, e.secondCount);
        entries_.push_back(e);
    }
}

TgrilleGagnante GridMatcher::Match(const DrawBalls& balls, double day, bool chanceAlsoBall7,
                                   const CombinationTable& table,
                                   const PrizeAmounts::Ranks* amounts) const {
    TgrilleGagnante result;
    const int family = FamilyOn(type_, day);
    if (family == 0)
        return result;
    // Loto: balls 1 to 6 are the numbers and 7 the complementary ball. The other games: balls
    // 1 to 5 are the numbers, 6 and 7 the stars, or 6 the chance number.
    const bool twoSets = HasSecondSet(type_);
    const bool chanceOnly = Game(type_).seventhBallEmpty && !chanceAlsoBall7;
    const BallCounts counts =
        !twoSets ? CountBalls(balls, 7, 7) : CountBalls(balls, 6, chanceOnly ? 6 : 7);
    for (const Entry& e : entries_) {
        int matched = 0, secondHit = 0;
        for (std::uint8_t i = 0; i < e.mainCount; ++i)
            matched += counts.main[e.grid->main[e.mainSlots[i]]];
        for (std::uint8_t i = 0; i < e.secondCount; ++i)
            secondHit += counts.second[e.grid->second[e.secondSlots[i]]];
        if (!WinsARank(family, matched, secondHit))
            continue;

        WinningGrid w;
        w.number = static_cast<std::int32_t>(&e - entries_.data()) + 1;
        w.mainNumbers = e.grid->main;
        w.matched = matched;
        int complementaryHit = 0;
        for (std::uint8_t i = 0; i < e.mainCount; ++i) {
            const std::uint8_t slot = e.mainSlots[i], v = e.grid->main[slot];
            if (counts.main[v])
                w.mainMarks[slot] = kMainDrawn;
            // The complementary ball's mark wins over a main ball's.
            if (!twoSets && counts.second[v]) {
                complementaryHit = 1;
                w.mainMarks[slot] = kSecondDrawn;
            }
        }
        if (twoSets) {
            w.secondNumbers = e.grid->second;
            w.secondMatched = secondHit;
            for (std::uint8_t i = 0; i < e.secondCount; ++i) {
                const std::uint8_t slot = e.secondSlots[i];
                if (counts.second[e.grid->second[slot]])
                    w.secondMarks[slot] = kSecondDrawn;
            }
        }
        w.complementary = complementaryHit == 1;
        w.prize = GridPrize(table, amounts, family, e.mainCount, e.secondCount, matched,
                            twoSets ? secondHit : complementaryHit);
        result.push_back(w);
    }
    return result;
}

TgrilleGagnante MatchGrids(const GridList& grids, int type, const DrawBalls& balls, double day,
                           bool chanceAlsoBall7, std::int64_t reference,
                           const CombinationTable& table, const PrizeAmounts& amounts) {
    return GridMatcher(grids, type)
        .Match(balls, day, chanceAlsoBall7, table, amounts.Find(reference));
}

} // namespace quintaro
