#include "gui/winnings/winning_grids_drawing.h"

#include "gui/winnings/draw_winnings_display.h"
#include "gui/winnings/winning_cells.h"

#include <QHeaderView>
#include <QPainter>
#include <QStyledItemDelegate>
#include <QTableWidget>

namespace quintaro {

namespace {

// Row 0 is the heading row; a cell the table does not have yet is left blank.
void PaintCell(QPainter& painter, const QRect& rect, const DrawWinningsDisplay& display, int row,
               int column, const QPalette& palette) {
    const WinningGridsTable& table = display.ShownTable();
    if (column >= static_cast<int>(table.headings.size()) ||
        row > static_cast<int>(table.rows.size()))
        return;
    const CellLook look = WinningCellLook(table, row, column);
    PaintTextCell(painter, rect, ShadeColour(look.shade, palette),
                  QString::fromStdString(look.text));
}

class WinningCellDelegate : public QStyledItemDelegate {
public:
    WinningCellDelegate(const DrawWinningsDisplay& display, QTableWidget& table)
        : QStyledItemDelegate(&table), display_(display), table_(table) {}

    void paint(QPainter* painter, const QStyleOptionViewItem& option,
               const QModelIndex& index) const override {
        PaintCell(*painter, option.rect, display_, index.row() + 1, index.column(),
                  table_.palette());
    }

private:
    const DrawWinningsDisplay& display_;
    QTableWidget& table_;
};

class WinningHeadingView : public QHeaderView {
public:
    WinningHeadingView(const DrawWinningsDisplay& display, QTableWidget& table)
        : QHeaderView(Qt::Horizontal, &table), display_(display), table_(table) {}

protected:
    void paintSection(QPainter* painter, const QRect& rect, int logicalIndex) const override {
        // The last column of a section is the line between two cells.
        painter->fillRect(rect, table_.palette().color(QPalette::Mid));
        PaintCell(*painter, rect.adjusted(0, 0, -1, -1), display_, 0, logicalIndex,
                  table_.palette());
    }

private:
    const DrawWinningsDisplay& display_;
    QTableWidget& table_;
};

} // namespace

void DrawWinningGridCells(QTableWidget& table, const DrawWinningsDisplay& display) {
    auto* heading = new WinningHeadingView(display, table);
    heading->setSectionResizeMode(QHeaderView::Fixed);
    heading->setMinimumSectionSize(1);
    table.setHorizontalHeader(heading);
    table.setItemDelegate(new WinningCellDelegate(display, table));
}

} // namespace quintaro
