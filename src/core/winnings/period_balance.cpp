#include "core/winnings/period_balance.h"

#include <algorithm>

namespace quintaro {

namespace {

std::int64_t Binomial(int n, int k) {
    if (k < 0 || k > n)
        return 0;
    std::int64_t result = 1;
    // Each partial product is itself a binomial coefficient, so the division is exact.
    for (int i = 1; i <= k; ++i)
        result = result * (n - k + i) / i;
    return result;
}

int NumbersIn(const GridSet& set) {
    return static_cast<int>(std::count_if(set.begin(), set.end(), [](auto v) { return v != 0; }));
}

} // namespace

std::int64_t SimpleBetCount(std::int32_t type, const Grid& grid) {
    if (!IsGameType(type))
        return 0;
    const GameFacts& game = Game(type);
    return Binomial(NumbersIn(grid.main), game.simpleMain) *
           Binomial(NumbersIn(grid.second), game.simpleSecond);
}

PeriodBalance ComputePeriodBalance(const PeriodWinnings& winnings, std::int32_t type,
                                   const BetPrices& prices) {
    PeriodBalance b;
    b.draws = winnings.draws.size();
    b.grids = winnings.grids.size();
    for (const Grid& grid : winnings.grids)
        b.simpleBets += SimpleBetCount(type, grid);

    long double stake = 0.0L;
    for (const DrawInPeriod& draw : winnings.draws) {
        if (const auto price = PriceOn(prices, draw.date))
            stake += static_cast<long double>(b.simpleBets) * *price;
        else
            ++b.drawsWithoutPrice;
    }
    b.stake = static_cast<double>(stake);
    b.winnings = winnings.total;
    b.balance = static_cast<double>(static_cast<long double>(winnings.total) - stake);

    std::vector<bool> won(winnings.draws.size(), false);
    for (const PeriodDetail& d : winnings.details)
        if (d.hit.prize > 0.0)
            won[d.draw] = true;
    std::size_t runStart = 0;
    for (std::size_t k = 0; k <= won.size(); ++k) {
        if (k < won.size() && !won[k])
            continue;
        // Draws runStart .. k − 1 won nothing.
        if (k - runStart > b.longestRunWithoutWin.length)
            b.longestRunWithoutWin = {k - runStart, winnings.draws[runStart].date,
                                      winnings.draws[k - 1].date};
        runStart = k + 1;
    }
    return b;
}

} // namespace quintaro
