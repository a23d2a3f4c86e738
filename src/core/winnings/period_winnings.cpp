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

WinningGrid PeriodWinnings::Winner(const PeriodDetail& detail) const {
    const DrawInPeriod& d = draws[detail.draw];
    return MarkWinner(grids[static_cast<std::size_t>(detail.hit.number - 1)], type,
                      {0, d.b1, d.b2, d.b3, d.b4, d.b5, d.b6, d.b7}, false, detail.hit);
}

PeriodWinnings ComputePeriodWinnings(ttabTirrage draws, const GridList& grids, std::int32_t type,
                                     const PrizeTables& tables, const PeriodProgress& progress) {
    RunningGuard guard;
    PeriodWinnings result;
    result.type = type;
    result.draws = std::move(draws);
    result.grids = grids;
    const std::size_t last = result.draws.empty() ? 0 : result.draws.size() - 1;
    // The matching of each draw by its numbers, with the grids prepared once for the period.
    const GridMatcher matcher(result.grids, type, tables.Combinations());
    const PrizeAmounts& amounts = tables.Amounts();
    std::vector<GridHit> hits;
    result.details.reserve(result.draws.size());
    for (std::size_t k = 0; k < result.draws.size(); ++k) {
        const DrawInPeriod& d = result.draws[k];
        const DrawBalls balls = {0, d.b1, d.b2, d.b3, d.b4, d.b5, d.b6, d.b7};
        matcher.MatchHits(balls, d.date, false, amounts.Find(d.reftirage), hits);
        if (progress)
            progress(k, last);
        for (const GridHit& hit : hits) {
            // A draw has at most six main balls and two more, so the indices fit the tally.
            const auto matched = static_cast<std::size_t>(std::min<int>(hit.matched, 6));
            const auto second = static_cast<std::size_t>(std::clamp(SecondIndex(type, hit), 0, 2));
            CategoryTally& cell = result.tally[matched][second];
            ++cell.count;
            cell.amount += hit.prize;
            result.total += hit.prize;
            result.details.push_back({static_cast<std::uint32_t>(k), hit});
        }
    }
    return result;
}

} // namespace quintaro
