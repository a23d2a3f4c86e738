#pragma once

#include <QHeaderView>

namespace quintaro {

class TOxDbgrid;

// The fixed cells of a data grid: its headings (horizontal) or its record indicator column
// (vertical), on the grid's fixed colour with the grid's relief; the sorted heading filled
// and marked with its arrow.
class OxHeaderView : public QHeaderView {
public:
    static constexpr int kIndicatorWidth = 11;

    OxHeaderView(Qt::Orientation orientation, TOxDbgrid& grid);

    QSize sizeHint() const override;

protected:
    void paintSection(QPainter* painter, const QRect& rect, int logicalIndex) const override;

private:
    void PaintHeading(QPainter& painter, const QRect& cell, int column) const;
    void PaintIndicator(QPainter& painter, const QRect& cell, int row) const;

    TOxDbgrid& grid_;
};

} // namespace quintaro
