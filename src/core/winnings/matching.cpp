#include "core/winnings/matching.h"

#include "core/winnings/prize_rules.h"

#include <algorithm>

namespace quintaro {

int SecondIndex(std::int32_t type, const WinningGrid& grid) {
    return HasSecondSet(type) ? grid.secondMatched : (grid.complementary ? 1 : 0);
}

int SecondIndex(std::int32_t type, const GridHit& hit) {
    return HasSecondSet(type) ? hit.secondMatched : (hit.complementary ? 1 : 0);
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

// One bit per value of a set, when its values other than 0 are distinct and below 64: a hit
// count is then the bit count of an intersection, the same as the value-by-value count.
bool ValueBits(const std::uint8_t* values, std::size_t count, std::uint64_t& bits) {
    bits = 0;
    for (std::size_t i = 0; i < count; ++i) {
        const std::uint8_t v = values[i];
        if (v == 0)
            continue;
        if (v >= 64 || (bits >> v & 1))
            return false;
        bits |= std::uint64_t{1} << v;
    }
    return true;
}

// Loto examines ten slots, the two-set games ten of each set, New Euromillion, whose stars go
// past ten, eleven.
std::size_t ExaminedSlots(int type) {
    return Game(type).secondMax > 10 ? 11 : 10;
}

// Which balls a grid's sets are matched with. Loto: balls 1 to 6 are the numbers and 7 the
// complementary ball. The other games: balls 1 to 5 are the numbers, 6 and 7 the stars, or 6
// the chance number (and 7 with it when asked).
struct DrawnSets {
    int firstSecond, lastSecond;
};

DrawnSets SetsOf(int type, bool chanceAlsoBall7) {
    const bool chanceOnly = Game(type).seventhBallEmpty && !chanceAlsoBall7;
    return HasSecondSet(type) ? DrawnSets{6, chanceOnly ? 6 : 7} : DrawnSets{7, 7};
}

// The matching of the grids with a draw runs over every grid of every draw of a period: the
// processor's own bit count, where it has one, keeps that loop short.
struct WinningIndex {
    std::uint32_t index;
    std::uint8_t matched, secondMatched, complementary;
};

[[gnu::target_clones("popcnt", "default")]] std::size_t
BitwiseWinners(const std::uint64_t* bits, std::size_t count, std::uint64_t drawnMain,
               std::uint64_t drawnSecond, bool twoSets, std::uint32_t winning, WinningIndex* out) {
    std::size_t found = 0;
    for (std::size_t i = 0; i < count; ++i) {
        const std::uint64_t mainBits = bits[2 * i], secondBits = bits[2 * i + 1];
        const int matched = __builtin_popcountll(mainBits & drawnMain);
        const int secondHit = __builtin_popcountll(secondBits & drawnSecond);
        const int key = 3 * std::min(matched, 6) + std::min(secondHit, 2);
        if (winning >> key & 1) {
            out[found++] = {static_cast<std::uint32_t>(i), static_cast<std::uint8_t>(matched),
                            static_cast<std::uint8_t>(secondHit),
                            static_cast<std::uint8_t>(!twoSets && (mainBits & drawnSecond))};
        }
    }
    return found;
}

} // namespace

WinningGrid MarkWinner(const Grid& grid, int type, const DrawBalls& balls, bool chanceAlsoBall7,
                       const GridHit& hit) {
    WinningGrid w;
    w.number = hit.number;
    w.mainNumbers = grid.main;
    w.matched = hit.matched;
    w.complementary = hit.complementary;
    w.prize = hit.prize;
    if (!IsGameType(type))
        return w;
    const DrawnSets sets = SetsOf(type, chanceAlsoBall7);
    const BallCounts counts = CountBalls(balls, sets.firstSecond, sets.lastSecond);
    const bool twoSets = HasSecondSet(type);
    const std::size_t examined = ExaminedSlots(type);
    for (std::size_t j = 0; j < examined; ++j) {
        const std::uint8_t v = grid.main[j];
        if (v == 0)
            continue;
        // The complementary ball's mark wins over a main ball's.
        if (!twoSets && counts.second[v])
            w.mainMarks[j] = kSecondDrawn;
        else if (counts.main[v])
            w.mainMarks[j] = kMainDrawn;
    }
    if (twoSets) {
        w.secondNumbers = grid.second;
        w.secondMatched = hit.secondMatched;
        for (std::size_t j = 0; j < examined; ++j)
            if (grid.second[j] && counts.second[grid.second[j]])
                w.secondMarks[j] = kSecondDrawn;
    }
    return w;
}

GridMatcher::GridMatcher(const GridList& grids, int type, const CombinationTable& table)
    : grids_(grids), table_(table), type_(type) {
    if (!IsGameType(type))
        return;
    for (int family = 1; family <= kFamilyCount; ++family) {
        const WinningHits& wins = WinningHitsOf(family);
        for (std::size_t m = 0; m < wins.size(); ++m)
            for (std::size_t t = 0; t < wins[m].size(); ++t)
                winning_[static_cast<std::size_t>(family)] |= static_cast<std::uint32_t>(wins[m][t])
                                                              << (3 * m + t);
    }
    const std::size_t examined = ExaminedSlots(type);
    entries_.reserve(grids.size());
    bits_.reserve(2 * grids.size());
    for (const Grid& grid : grids) {
        Entry e{};
        for (std::size_t j = 0; j < examined; ++j) {
            if (grid.main[j])
                e.mainValues[e.mainCount++] = grid.main[j];
            if (HasSecondSet(type) && grid.second[j])
                e.secondValues[e.secondCount++] = grid.second[j];
        }
        std::uint64_t mainBits = 0, secondBits = 0;
        allBitwise_ = ValueBits(e.mainValues.data(), e.mainCount, mainBits) &&
                      ValueBits(e.secondValues.data(), e.secondCount, secondBits) && allBitwise_;
        bits_.push_back(mainBits);
        bits_.push_back(secondBits);

        // Grids of the same size win the same combinations for the same hits: their counts
        // are read from the table once.
        auto same = std::find_if(shapes_.begin(), shapes_.end(), [&](const Shape& s) {
            return s.played == e.mainCount && s.secondPlayed == e.secondCount;
        });
        if (same == shapes_.end()) {
            Shape& shape = shapes_.emplace_back();
            shape.played = e.mainCount;
            shape.secondPlayed = e.secondCount;
            for (const RulePeriod& period : Game(type).rules)
                if (period.family != 0)
                    for (int m = 0; m <= 6; ++m)
                        for (int t = 0; t <= 2; ++t)
                            shape.counts[static_cast<std::size_t>(period.family)]
                                        [static_cast<std::size_t>(m)][static_cast<std::size_t>(t)] =
                                table.Counts(period.family, e.mainCount, e.secondCount, m, t);
            same = shapes_.end() - 1;
        }
        e.shape = static_cast<std::uint32_t>(same - shapes_.begin());
        entries_.push_back(e);
    }
}

double GridMatcher::Prize(const Entry& e, int family, int matched, int secondMatched,
                          const PrizeAmounts::Ranks* amounts) const {
    if (!amounts)
        return 0.0;
    // Repeated balls can count more hits than a draw has: those are asked of the table.
    if (matched > 6 || secondMatched > 2)
        return GridPrize(table_, amounts, family, e.mainCount, e.secondCount, matched,
                         secondMatched);
    const auto& counts =
        shapes_[e.shape].counts[static_cast<std::size_t>(family)][static_cast<std::size_t>(matched)]
                               [static_cast<std::size_t>(secondMatched)];
    double prize = 0.0;
    for (std::size_t rank = 0; rank < counts.size(); ++rank)
        prize += static_cast<double>(counts[rank]) * (*amounts)[rank];
    return prize;
}

TgrilleGagnante GridMatcher::Match(const DrawBalls& balls, double day, bool chanceAlsoBall7,
                                   const PrizeAmounts::Ranks* amounts) const {
    std::vector<GridHit> hits;
    MatchHits(balls, day, chanceAlsoBall7, amounts, hits);
    TgrilleGagnante result;
    result.reserve(hits.size());
    for (const GridHit& hit : hits)
        result.push_back(MarkWinner(grids_[static_cast<std::size_t>(hit.number - 1)], type_, balls,
                                    chanceAlsoBall7, hit));
    return result;
}

void GridMatcher::MatchHits(const DrawBalls& balls, double day, bool chanceAlsoBall7,
                            const PrizeAmounts::Ranks* amounts, std::vector<GridHit>& hits) const {
    hits.clear();
    const int family = FamilyOn(type_, day);
    if (family == 0)
        return;
    const std::uint32_t winning = winning_[static_cast<std::size_t>(family)];
    const bool twoSets = HasSecondSet(type_);
    const DrawnSets sets = SetsOf(type_, chanceAlsoBall7);
    auto add = [&](std::size_t index, int matched, int secondHit, int complementaryHit) {
        const Entry& e = entries_[index];
        GridHit& hit = hits.emplace_back();
        hit.number = static_cast<std::int32_t>(index) + 1;
        hit.matched = static_cast<std::uint8_t>(matched);
        hit.secondMatched = static_cast<std::uint8_t>(twoSets ? secondHit : 0);
        hit.complementary = complementaryHit == 1;
        hit.prize = Prize(e, family, matched, twoSets ? secondHit : complementaryHit, amounts);
    };

    std::uint64_t drawnMain = 0, drawnSecond = 0;
    if (allBitwise_ &&
        ValueBits(&balls[1], static_cast<std::size_t>(sets.firstSecond - 1), drawnMain) &&
        ValueBits(&balls[static_cast<std::size_t>(sets.firstSecond)],
                  static_cast<std::size_t>(sets.lastSecond - sets.firstSecond + 1), drawnSecond)) {
        thread_local std::vector<WinningIndex> found;
        found.resize(entries_.size());
        const std::size_t n = BitwiseWinners(bits_.data(), entries_.size(), drawnMain, drawnSecond,
                                             twoSets, winning, found.data());
        for (std::size_t k = 0; k < n; ++k)
            add(found[k].index, found[k].matched, found[k].secondMatched, found[k].complementary);
        return;
    }

    // Some number repeats or lies past 63: counted value by value.
    const BallCounts counts = CountBalls(balls, sets.firstSecond, sets.lastSecond);
    for (std::size_t i = 0; i < entries_.size(); ++i) {
        const Entry& e = entries_[i];
        int matched = 0, secondHit = 0, complementaryHit = 0;
        for (std::uint8_t k = 0; k < e.mainCount; ++k) {
            matched += counts.main[e.mainValues[k]];
            if (!twoSets && counts.second[e.mainValues[k]])
                complementaryHit = 1;
        }
        for (std::uint8_t k = 0; k < e.secondCount; ++k)
            secondHit += counts.second[e.secondValues[k]];
        if (winning >> (3 * std::min(matched, 6) + std::min(secondHit, 2)) & 1)
            add(i, matched, secondHit, complementaryHit);
    }
}

TgrilleGagnante MatchGrids(const GridList& grids, int type, const DrawBalls& balls, double day,
                           bool chanceAlsoBall7, std::int64_t reference,
                           const CombinationTable& table, const PrizeAmounts& amounts) {
    return GridMatcher(grids, type, table)
        .Match(balls, day, chanceAlsoBall7, amounts.Find(reference));
}

} // namespace quintaro
