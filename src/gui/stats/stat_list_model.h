#pragma once

#include "core/stats/statistics.h"
#include "gui/ui/ox_table_model.h"

namespace quintaro {

// A statistics list as a data grid shows it: "Boule", "NB Sortie", "% sortie", "Date dernier
// sortie", "Tir" and "Ecart". The date sorts by its day count.
class StatListModel : public OxRowModel<StatRow> {
public:
    explicit StatListModel(QObject* parent = nullptr);

    // The record of a value; -1 when the list has none.
    int RecordOf(std::int32_t boule) const;
};

} // namespace quintaro
