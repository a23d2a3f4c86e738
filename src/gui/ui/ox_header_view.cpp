#include "gui/ui/ox_header_view.h"

#include "gui/ui/ox_dbgrid.h"
#include "gui/ui/ox_table_model.h"

#include <QPainter>

namespace quintaro {

namespace {

const QColor kSortingColour(255, 128, 64); // orange, during the repaint that follows a click
constexpr int kArrowMinWidth = 21;

// The desktop's window colour (the light edge of a relief) and button-shadow colour.
QColor WindowColour(const QPalette& palette) {
    return palette.color(QPalette::Base);
}
QColor ButtonShadow(const QPalette& palette) {
    return palette.color(QPalette::Dark);
}

// The left and top edges in one colour, the bottom and right ones in another.
void DrawRelief(QPainter& painter, const QRect& cell, TOxDbgrid::TCellStyle style,
                const QPalette& palette) {
    QColor topLeft = palette.color(QPalette::Button), bottomRight = topLeft;
    if (style == TOxDbgrid::csRaised) {
        topLeft = WindowColour(palette);
        bottomRight = ButtonShadow(palette);
    } else if (style == TOxDbgrid::csLowered) {
        topLeft = ButtonShadow(palette);
        bottomRight = WindowColour(palette);
    }
    painter.setPen(topLeft);
    painter.drawPolyline(QPolygon({cell.bottomLeft(), cell.topLeft(), cell.topRight()}));
    painter.setPen(bottomRight);
    painter.drawPolyline(QPolygon({cell.bottomLeft(), cell.bottomRight(), cell.topRight()}));
}

// The sort arrow with its corner at (x, y): pointing down for a descending order.
void DrawArrow(QPainter& painter, int x, int y, TOxDbgrid::TDirectionOrderBy direction,
               const QPalette& palette) {
    painter.save();
    painter.setPen(Qt::black);
    painter.setBrush(Qt::black);
    if (direction == TOxDbgrid::obDown) {
        painter.drawPolygon(QPolygon({{x + 1, y + 1}, {x + 7, y + 1}, {x + 4, y + 7}}));
        painter.setPen(ButtonShadow(palette));
        painter.drawPolyline(QPolygon({{x + 8, y}, {x, y}, {x + 4, y + 8}}));
        painter.setPen(WindowColour(palette));
        painter.drawLine(x + 4, y + 8, x + 8, y);
    } else {
        painter.drawPolygon(QPolygon({{x + 1, y + 7}, {x + 4, y + 1}, {x + 7, y + 7}}));
        painter.setPen(ButtonShadow(palette));
        painter.drawLine(x, y + 8, x + 4, y);
        painter.setPen(WindowColour(palette));
        painter.drawPolyline(QPolygon({{x + 4, y}, {x + 8, y + 8}, {x, y + 8}}));
    }
    painter.restore();
}

} // namespace

OxHeaderView::OxHeaderView(Qt::Orientation orientation, TOxDbgrid& grid)
    : QHeaderView(orientation, &grid), grid_(grid) {
    setHighlightSections(false);
    setMinimumSectionSize(1);
    if (orientation == Qt::Vertical) {
        setSectionResizeMode(QHeaderView::Fixed);
    } else {
        setSectionsClickable(true);
        setSectionResizeMode(QHeaderView::Interactive);
    }
}

QSize OxHeaderView::sizeHint() const {
    const QSize base = QHeaderView::sizeHint();
    const int rowHeight = grid_.verticalHeader()->defaultSectionSize();
    if (orientation() == Qt::Vertical)
        return {kIndicatorWidth + 1, base.height()};
    return {base.width(), rowHeight};
}

void OxHeaderView::paintSection(QPainter* painter, const QRect& rect, int logicalIndex) const {
    painter->save();
    // The last column and row of a section are the line between two cells.
    painter->fillRect(rect, grid_.GridLineColour());
    const QRect cell = rect.adjusted(0, 0, -1, -1);
    painter->fillRect(cell, grid_.FixedColor());
    if (orientation() == Qt::Horizontal)
        PaintHeading(*painter, cell, logicalIndex);
    else
        PaintIndicator(*painter, cell, logicalIndex);
    painter->restore();
}

void OxHeaderView::PaintHeading(QPainter& painter, const QRect& cell, int column) const {
    const QString caption = model()->headerData(column, Qt::Horizontal).toString();
    const QColor text = grid_.palette().color(QPalette::WindowText);
    painter.setFont(grid_.font());
    painter.setPen(text);
    painter.drawText(cell.adjusted(2, 2, 0, 0), Qt::AlignLeft | Qt::AlignTop | Qt::TextSingleLine,
                     caption);
    DrawRelief(painter, cell, grid_.Cellstyle(), palette());

    const OxTableModel* rows = grid_.RowSource();
    if (!grid_.CanOrderClickOnTitle() || !rows || rows->FieldName(column) != grid_.OrderBy())
        return;
    const QRect fill = grid_.Cellstyle() == TOxDbgrid::csNone ? cell : cell.adjusted(1, 1, -1, -1);
    painter.fillRect(fill, grid_.Sorting() ? kSortingColour : grid_.ColorTitreTrie());
    int captionRight = cell.right();
    if (cell.width() >= kArrowMinWidth) {
        const int right = cell.left() + cell.width(); // the first pixel past the cell
        DrawArrow(painter, right - 12, cell.top() + 4, grid_.DirectionOrderBy(), palette());
        captionRight = right - 15 - 1;
    }
    painter.setPen(text);
    painter.drawText(
        QRect(QPoint(cell.left() + 2, cell.top() + 2), QPoint(captionRight, cell.bottom())),
        Qt::AlignLeft | Qt::AlignTop | Qt::TextWordWrap, caption);
}

void OxHeaderView::PaintIndicator(QPainter& painter, const QRect& cell, int row) const {
    DrawRelief(painter, cell, grid_.Cellstyle(), palette());
    if (row != grid_.CurrentRow())
        return;
    const QPoint c = cell.center();
    painter.setPen(Qt::black);
    painter.setBrush(Qt::black);
    painter.drawPolygon(
        QPolygon({{c.x() - 2, c.y() - 4}, {c.x() + 2, c.y()}, {c.x() - 2, c.y() + 4}}));
}

} // namespace quintaro
