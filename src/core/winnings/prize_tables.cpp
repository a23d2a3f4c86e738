#include "core/winnings/prize_tables.h"

#include "core/winnings/matching.h"

namespace quintaro {

bool PrizeTables::LoadCombinationTables() {
    return combinations_.Load(combinationTablesFile_, lastError_);
}

void PrizeTables::LoadPrizeAmounts() {
    copy_.KeepInStep([this] { Read(); }, true);
}

void PrizeTables::Read() const {
    amounts_.Clear();
    auto q = cnx_.Prepare("select * from listegain order by reftirage");
    const int num = q.ColumnIndex("num"), ref = q.ColumnIndex("reftirage"),
              gain = q.ColumnIndex("gain");
    while (q.Next())
        amounts_.Set(q.Int(ref), q.Int(num), q.Double(gain));
}

const PrizeAmounts& PrizeTables::Amounts() const {
    copy_.KeepInStep([this] { Read(); });
    return amounts_;
}

double PrizeTables::GridPrize(std::int32_t reference, std::int32_t family, std::int32_t played,
                              std::int32_t secondPlayed, std::int32_t matched,
                              std::int32_t secondMatched) const {
    return quintaro::GridPrize(combinations_, amounts_, reference, family, played, secondPlayed,
                               matched, secondMatched);
}

} // namespace quintaro
