#include "core/winnings/period_winnings.h"

#include "core/base/quintaro_error.h"

#include <algorithm>

namespace quintaro {

namespace {

// Marks the computation running for as long as it lives.
class RunningGuard {
public:
    RunningGuard() {
        if (running_)
            throw QuintaroError("Un calcul des gains est déjà en cours");
        running_ = true;
    }
    ~RunningGuard() { running_ = false; }
    RunningGuard(const RunningGuard&) = delete;
    RunningGuard& operator=(const RunningGuard&) = delete;

private:
    static inline bool running_ = false;
};

} // namespace

PeriodWinnings ComputePeriodWinnings(ttabTirrage draws, const GridList& grids, std::int32_t type,
                                     const PrizeTables& tables, const PeriodProgress& progress) {
    RunningGuard guard;
    PeriodWinnings result;
    result.draws = std::move(draws);
    result.grids = grids;
    const std::size_t last = result.draws.empty() ? 0 : result.draws.size() - 1;
    // The matching of each draw by its numbers, with the grids prepared once for the period.
    const GridMatcher matcher(result.grids, type);
    for (std::size_t k = 0; k < result.draws.size(); ++k) {
        const DrawInPeriod& d = result.draws[k];
        const DrawBalls balls = {0, d.b1, d.b2, d.b3, d.b4, d.b5, d.b6, d.b7};
        TgrilleGagnante winners = matcher.Match(balls, d.date, false, tables.Combinations(),
                                                tables.Amounts().Find(d.reftirage));
        if (progress)
            progress(k, last);
        for (const WinningGrid& w : winners) {
            // A draw has at most six main balls and two more, so the indices fit the tally.
            const auto matched = static_cast<std::size_t>(std::clamp(w.matched, 0, 6));
            const auto second = static_cast<std::size_t>(std::clamp(SecondIndex(type, w), 0, 2));
            CategoryTally& cell = result.tally[matched][second];
            ++cell.count;
            cell.amount += w.prize;
            result.total += w.prize;
            result.details.push_back({k, w});
        }
    }
    return result;
}

} // namespace quintaro
