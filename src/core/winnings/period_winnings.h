#pragma once

#include "core/store/draw_records.h"
#include "core/winnings/matching.h"
#include "core/winnings/prize_tables.h"

#include <array>
#include <cstdint>
#include <functional>
#include <vector>

namespace quintaro {

// One winning grid of one draw of the period.
struct PeriodDetail {
    std::uint32_t draw; // index in PeriodWinnings::draws
    GridHit hit;
};

struct CategoryTally {
    std::int32_t count = 0;
    double amount = 0.0;
};

struct PeriodWinnings {
    std::int32_t type = 0;
    ttabTirrage draws;
    // The grids matched, as they were when the computation started: the progress callback may
    // let the grids in memory be reloaded.
    GridList grids;
    std::vector<PeriodDetail> details; // in computation order
    // [main numbers matched 0..6][second index 0..2]: for Loto and Super Loto the second index
    // is 1 when the complementary ball is among the grid's numbers, for the other games the
    // number of stars or chance numbers matched.
    std::array<std::array<CategoryTally, 3>, 7> tally{};
    double total = 0.0;

    // The winning grid of a detail, its slots marked against the draw's balls.
    WinningGrid Winner(const PeriodDetail& detail) const;
};

// Called after each draw is matched, with its index and the index of the last draw, so that
// a window can move its bar and let its messages through.
using PeriodProgress = std::function<void(std::size_t position, std::size_t last)>;

// The winnings of a game's grids over the draws of a period (SelectDrawsInPeriod). One
// computation runs at a time: a second one started from the progress callback fails with a
// QuintaroError.
PeriodWinnings ComputePeriodWinnings(ttabTirrage draws, const GridList& grids, std::int32_t type,
                                     const PrizeTables& tables, const PeriodProgress& progress);

} // namespace quintaro
