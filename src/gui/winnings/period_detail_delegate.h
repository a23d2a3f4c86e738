#pragma once

#include "core/winnings/draw_summary.h"
#include "core/winnings/period_tables.h"

#include <QStyledItemDelegate>
#include <vector>

namespace quintaro {

// Draws the cells of the detail table of the winnings over a period: the grid's numbers on
// light backgrounds with their hits in green and red, the counts and prizes on gray, the
// draw's columns on green.
class PeriodDetailDelegate : public QStyledItemDelegate {
    Q_OBJECT
public:
    using QStyledItemDelegate::QStyledItemDelegate;

    // The kinds of the table's columns, in order.
    void SetColumns(std::vector<PeriodColumnKind> kinds) { kinds_ = std::move(kinds); }
    CellShade Shade(int column) const;

    void paint(QPainter* painter, const QStyleOptionViewItem& option,
               const QModelIndex& index) const override;

private:
    std::vector<PeriodColumnKind> kinds_;
};

} // namespace quintaro
