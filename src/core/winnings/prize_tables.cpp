#include "core/winnings/prize_tables.h"

#include "core/winnings/matching.h"

namespace quintaro {

bool PrizeTables::LoadCombinationTables() {
    return combinations_.Load(combinationTablesFile_, lastError_);
}

void PrizeTables::LoadPrizeAmounts() {
    Reload();
}

void PrizeTables::Reload() const {
    loaded_ = false;
    const SqlConnection::ChangeStamp now = cnx_.Stamp();
    amounts_.Clear();
    auto q = cnx_.Prepare("select * from listegain order by reftirage");
    const int num = q.ColumnIndex("num"), ref = q.ColumnIndex("reftirage"),
              gain = q.ColumnIndex("gain");
    while (q.Next())
        amounts_.Set(q.Int(ref), q.Int(num), q.Double(gain));
    stamp_ = now;
    loaded_ = true;
}

const PrizeAmounts& PrizeTables::Amounts() const {
    if (!loaded_ || cnx_.Stamp() != stamp_)
        Reload();
    return amounts_;
}

double PrizeTables::GridPrize(std::int32_t reference, std::int32_t family, std::int32_t played,
                              std::int32_t secondPlayed, std::int32_t matched,
                              std::int32_t secondMatched) const {
    return quintaro::GridPrize(combinations_, amounts_, reference, family, played, secondPlayed,
                               matched, secondMatched);
}

} // namespace quintaro
