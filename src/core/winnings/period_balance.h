#pragma once

#include "core/store/bet_prices.h"
#include "core/store/grid.h"
#include "core/winnings/period_winnings.h"

#include <cstddef>
#include <cstdint>

namespace quintaro {

// The simple bets a grid holds: every choice of a simple bet's numbers among the grid's own,
// in each set (C(n,6) for a Loto grid of n numbers, C(n,5) × C(s,2) for Euromillion). 0 for a
// type that is not a game, or a grid with fewer numbers than a simple bet.
std::int64_t SimpleBetCount(std::int32_t type, const Grid& grid);

// Consecutive draws of a period in which the grids won nothing.
struct DrawRun {
    std::size_t length = 0;
    double firstDate = 0.0; // of its first and last draws, when length > 0
    double lastDate = 0.0;
};

// What playing a game's grids on every draw of a period cost and brought back, in euros.
struct PeriodBalance {
    double stake = 0.0;    // over the draws with a known price: the simple bets × the price
    double winnings = 0.0; // the period's total
    double balance = 0.0;  // winnings − stake
    std::size_t draws = 0;
    std::size_t grids = 0;
    std::int64_t simpleBets = 0; // of all the grids, on each draw
    std::size_t drawsWithoutPrice = 0;
    DrawRun longestRunWithoutWin; // the first one when several are as long
};

// The balance of the grids and draws of a computation over a period.
PeriodBalance ComputePeriodBalance(const PeriodWinnings& winnings, std::int32_t type,
                                   const BetPrices& prices);

} // namespace quintaro
