#pragma once

#include "core/store/draw_records.h"
#include "core/store/grid.h"
#include "core/winnings/combination_table.h"
#include "core/winnings/prize_amounts.h"

#include <array>
#include <cstdint>
#include <vector>

namespace quintaro {

// Hit marks of a grid's slots.
inline constexpr std::uint8_t kNotDrawn = 0;
inline constexpr std::uint8_t kMainDrawn = 1;
inline constexpr std::uint8_t kSecondDrawn = 2; // complementary ball, star or chance number

struct WinningGrid {
    GridSet mainNumbers{};
    GridSet secondNumbers{};
    GridSet mainMarks{};
    GridSet secondMarks{};
    std::int32_t matched = 0;
    bool complementary = false;
    std::int32_t secondMatched = 0;
    double prize = 0.0;
    std::int32_t number = 0; // the grid's number in its game: its place in the list, from 1
};

using TgrilleGagnante = std::vector<WinningGrid>;

// What a grid won on a draw, without the marks of its slots: a long period has many of them.
struct GridHit {
    std::int32_t number = 0; // the grid's number in its game: its place in the list, from 1
    std::uint8_t matched = 0;
    std::uint8_t secondMatched = 0; // stars or chance numbers; 0 for Loto and Super Loto
    bool complementary = false;
    double prize = 0.0;
};

// How a view writes a slot of a winning grid: the number plus 100 times its hit mark.
constexpr int CellCode(std::uint8_t number, std::uint8_t mark) {
    return number + 100 * mark;
}

// What a winning grid matched besides its main numbers: for Loto and Super Loto 1 when the
// complementary ball is among its numbers, else 0; for the other games the stars or chance
// numbers matched.
int SecondIndex(std::int32_t type, const WinningGrid& grid);
int SecondIndex(std::int32_t type, const GridHit& hit);

// The prize of a grid for a draw: over the 13 ranks, the combinations of each rank the grid
// contains times the draw's amount for that rank.
double GridPrize(const CombinationTable& table, const PrizeAmounts& amounts, std::int64_t reference,
                 int family, int played, int secondPlayed, int matched, int secondMatched);

// The winning grid of a hit, its examined slots marked against the draw's balls.
WinningGrid MarkWinner(const Grid& grid, int type, const DrawBalls& balls, bool chanceAlsoBall7,
                       const GridHit& hit);

// A game's grids made ready to be matched with many draws: the examined slots that hold a
// number are found once. The grids must outlive the matcher.
class GridMatcher {
public:
    // The table is the one the grids will be matched with.
    GridMatcher(const GridList& grids, int type, const CombinationTable& table);
    // The winning grids of a draw of that day, under the prize rules in force then, in grid
    // order; amounts are the draw's (nullptr: none).
    TgrilleGagnante Match(const DrawBalls& balls, double day, bool chanceAlsoBall7,
                          const PrizeAmounts::Ranks* amounts) const;
    // The same without the marks, into `hits`, emptied first: a loop over many draws keeps
    // one buffer.
    void MatchHits(const DrawBalls& balls, double day, bool chanceAlsoBall7,
                   const PrizeAmounts::Ranks* amounts, std::vector<GridHit>& hits) const;

private:
    // A grid's examined numbers.
    struct Entry {
        GridSet mainValues, secondValues;
        std::uint8_t mainCount, secondCount;
        std::uint32_t shape; // index in shapes_
    };
    // The combination counts of ranks 1 to 13 for every hit a draw can bring
    // ([matched 0..6][second matched 0..2]), of grids of one size under one family.
    using ShapeCounts = std::array<std::array<std::array<std::uint64_t, 13>, 3>, 7>;
    struct Shape {
        std::uint8_t played, secondPlayed;
        std::array<ShapeCounts, kFamilyCount + 1> counts; // by family; those of the game only
    };

    double Prize(const Entry& e, int family, int matched, int secondMatched,
                 const PrizeAmounts::Ranks* amounts) const;

    const GridList& grids_;
    const CombinationTable& table_;
    int type_;
    std::vector<Entry> entries_;
    std::vector<Shape> shapes_;
    // Bit 3 × matched + second matched: whether those hits win some rank, by family.
    std::array<std::uint32_t, kFamilyCount + 1> winning_{};
    // Each grid's two sets as bits, main then second: when every grid's numbers are distinct
    // and below 64, as nearly always, a hit count is a bit count.
    std::vector<std::uint64_t> bits_;
    bool allBitwise_ = true;
};

// Matches every grid of a game with the balls of a draw of that day and keeps the winning
// ones, in grid order. The second set of New Loto and New Super Loto grids is compared with
// ball 6, and with ball 7 too when `chanceAlsoBall7`.
TgrilleGagnante MatchGrids(const GridList& grids, int type, const DrawBalls& balls, double day,
                           bool chanceAlsoBall7, std::int64_t reference,
                           const CombinationTable& table, const PrizeAmounts& amounts);

} // namespace quintaro
