#include "gui/stats/stat_list_model.h"

#include "gui/ui/regional_format.h"

namespace quintaro {

namespace {

std::vector<OxColumn<StatRow>> StatColumns() {
    using R = const StatRow&;
    return {
        NumberColumn<StatRow, &StatRow::boule>("Boule", "Boule", 1),
        NumberColumn<StatRow, &StatRow::nbSortie>("nbsortie", "NB Sortie", 5),
        // "0.00": two decimals, the user's decimal separator, no grouping.
        {"pourcentage", "% sortie", 5, Qt::AlignRight,
         [](R r) { return AmountText(r.pourcentage, {}); },
         [](R a, R b) { return a.pourcentage < b.pourcentage; }},
        // The day count -1 of a value never drawn shows as 29/12/1899.
        {"cldate", "Date dernier sortie", 10, Qt::AlignLeft,
         [](R r) { return ShortDateText(r.date); }, [](R a, R b) { return a.date < b.date; }},
        NumberColumn<StatRow, &StatRow::tir>("tir", "Tir", 2),
        NumberColumn<StatRow, &StatRow::ecart>("ecart", "Ecart", 3),
    };
}

} // namespace

StatListModel::StatListModel(QObject* parent)
    : OxRowModel(
          StatColumns(), [](const StatRow& r) -> std::int64_t { return r.boule; }, parent) {}

int StatListModel::RecordOf(std::int32_t boule) const {
    for (int record = 0; record < rowCount(); ++record)
        if (RowAt(record).boule == boule)
            return record;
    return -1;
}

} // namespace quintaro
