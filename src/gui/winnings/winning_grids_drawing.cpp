#include "gui/winnings/winning_grids_drawing.h"

#include "core/settings/configuration_settings.h"
#include "gui/ui/colour_values.h"
#include "gui/winnings/draw_winnings_display.h"

#include <QHeaderView>
#include <QPainter>
#include <QStyledItemDelegate>
#include <QTableWidget>

namespace quintaro {

namespace {

QColor ShadeColour(CellShade shade, const QPalette& palette) {
    switch (shade) {
    case CellShade::Heading:
        return ToQColor(SystemColourValue(kButtonFace), palette);
    case CellShade::MainColumn:
        return ToQColor(SystemColourValue(k3DLight), palette);
    case CellShade::SecondColumn:
        return ToQColor(SystemColourValue(kInactiveCaptionText), palette);
    case CellShade::MainDrawn:
        return QColor(0, 128, 0);
    case CellShade::SecondDrawn:
        return QColor(255, 0, 0);
    case CellShade::Other:
        break;
    }
    return QColor(128, 128, 128);
}

// Row 0 is the heading row; a cell the table does not have yet is left blank.
void PaintCell(QPainter& painter, const QRect& rect, const DrawWinningsDisplay& display, int row,
               int column, const QPalette& palette) {
    const WinningGridsTable& table = display.ShownTable();
    if (column >= static_cast<int>(table.headings.size()) ||
        row > static_cast<int>(table.rows.size()))
        return;
    const CellLook look = WinningCellLook(table, row, column);
    painter.save();
    painter.fillRect(rect, ShadeColour(look.shade, palette));
    painter.setClipRect(rect);
    painter.setPen(Qt::black);
    painter.drawText(rect.adjusted(2, 0, 0, 0), Qt::AlignLeft | Qt::AlignTop | Qt::TextSingleLine,
                     QString::fromStdString(look.text));
    painter.restore();
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
