// The data store's prize tables and matching operations.
#include "core/datastore/tmd.h"

namespace quintaro {

bool Tmd::LoadCombinationTables() {
    return CombinationTable_.Load(combinationTablesPath, lastErrorText);
}

void Tmd::LoadPrizeAmounts() {
    PrizeAmounts_.Clear();
    auto q = cnx.Prepare("select * from listegain order by reftirage");
    const int num = q.ColumnIndex("num"), ref = q.ColumnIndex("reftirage"),
              gain = q.ColumnIndex("gain");
    while (q.Next())
        PrizeAmounts_.Set(q.Int(ref), q.Int(num), q.Double(gain));
}

double Tmd::GridPrize(std::int32_t reference, std::int32_t family, std::int32_t played,
                      std::int32_t secondPlayed, std::int32_t matched,
                      std::int32_t secondMatched) const {
    return quintaro::GridPrize(CombinationTable_, PrizeAmounts_, reference, family, played,
                               secondPlayed, matched, secondMatched);
}

TgrilleGagnante Tmd::MatchGridsForDraw(std::int32_t reference, std::int32_t type) {
    DrawBalls balls{};
    auto q = cnx.Prepare("select num , valeur from listeboules where reftirage = " +
                         std::to_string(reference));
    while (q.Next()) {
        const std::int64_t num = q.Int(0);
        if (num >= 1 && num <= 7)
            balls[static_cast<std::size_t>(num)] = static_cast<std::uint8_t>(q.Int(1));
    }
    if (type < 0 || type >= kGameTypeCount)
        return {};
    return MatchGrids(grids[static_cast<std::size_t>(type)], type, balls, true, reference,
                      CombinationTable_, PrizeAmounts_);
}

TgrilleGagnante Tmd::MatchGridsForNumbers(const std::array<std::uint8_t, 11>& numbers,
                                          std::int32_t reference, std::int32_t type) const {
    if (type < 0 || type >= kGameTypeCount)
        return {};
    DrawBalls balls{};
    for (std::size_t k = 1; k <= 7; ++k)
        balls[k] = numbers[k - 1];
    return MatchGrids(grids[static_cast<std::size_t>(type)], type, balls, false, reference,
                      CombinationTable_, PrizeAmounts_);
}

} // namespace quintaro
