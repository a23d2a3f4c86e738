#include "gui/ui/ox_sort_proxy.h"

#include "gui/ui/ox_table_model.h"

namespace quintaro {

void OxSortProxy::SetRowSource(OxTableModel* rows) {
    rows_ = rows;
    setSourceModel(rows);
}

bool OxSortProxy::lessThan(const QModelIndex& left, const QModelIndex& right) const {
    return rows_->LessThan(left.column(), left.row(), right.row());
}

} // namespace quintaro
