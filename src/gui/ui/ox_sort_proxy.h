#pragma once

#include <QSortFilterProxyModel>

namespace quintaro {

class OxTableModel;

// The rows of a data grid in the order it sorts them: by a field's value as the row source
// compares it, not by the text shown (a date column sorts by its day count). Rows that compare
// equal keep the source's order.
class OxSortProxy : public QSortFilterProxyModel {
public:
    using QSortFilterProxyModel::QSortFilterProxyModel;

    void SetRowSource(OxTableModel* rows);

protected:
    bool lessThan(const QModelIndex& left, const QModelIndex& right) const override;

private:
    const OxTableModel* rows_ = nullptr;
};

} // namespace quintaro
