#pragma once

#include <QStyledItemDelegate>

namespace quintaro {

class TOxDbgrid;

// The data cells of a data grid: with EasyRead, the 1st, 3rd, 5th ... row of the grid's order
// on Alt1Color and the others on AltColor; the current row in white on HighLightColor; the
// field's text in its display format.
class OxGridDelegate : public QStyledItemDelegate {
public:
    explicit OxGridDelegate(TOxDbgrid& grid);

    void paint(QPainter* painter, const QStyleOptionViewItem& option,
               const QModelIndex& index) const override;

private:
    TOxDbgrid& grid_;
};

} // namespace quintaro
