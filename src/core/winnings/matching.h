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

// How a view writes a slot of a winning grid: the number plus 100 times its hit mark.
constexpr int CellCode(std::uint8_t number, std::uint8_t mark) {
    return number + 100 * mark;
}

// What a winning grid matched besides its main numbers: for Loto and Super Loto 1 when the
// complementary ball is among its numbers, else 0; for the other games the stars or chance
// numbers matched.
int SecondIndex(std::int32_t type, const WinningGrid& grid);

// The prize of a grid for a draw: over the 13 ranks, the combinations of each rank the grid
// contains times the draw's amount for that rank.
double GridPrize(const CombinationTable& table, const PrizeAmounts& amounts, std::int64_t reference,
                 int family, int played, int secondPlayed, int matched, int secondMatched);

// A game's grids made ready to be matched with many draws: the examined slots that hold a
// number are found once. The grids must outlive the matcher.
class GridMatcher {
public:
    GridMatcher(const GridList& grids, int type);
    // The winning grids of a draw of that day, under the prize rules in force then, in grid
    // order; amounts are the draw's (nullptr: none).
    TgrilleGagnante Match(const DrawBalls& balls, double day, bool chanceAlsoBall7,
                          const CombinationTable& table, const PrizeAmounts::Ranks* amounts) const;

private:
    struct Entry {
        const Grid* grid;
        GridSet mainSlots, secondSlots;
        std::uint8_t mainCount, secondCount;
    };
    int type_;
    std::vector<Entry> entries_;
};

// Matches every grid of a game with the balls of a draw of that day and keeps the winning
// ones, in grid order. The second set of New Loto and New Super Loto grids is compared with
// ball 6, and with ball 7 too when `chanceAlsoBall7`.
TgrilleGagnante MatchGrids(const GridList& grids, int type, const DrawBalls& balls, double day,
                           bool chanceAlsoBall7, std::int64_t reference,
                           const CombinationTable& table, const PrizeAmounts& amounts);

} // namespace quintaro
