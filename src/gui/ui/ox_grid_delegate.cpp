#include "gui/ui/ox_grid_delegate.h"

#include "gui/ui/ox_dbgrid.h"

#include <QPainter>

namespace quintaro {

OxGridDelegate::OxGridDelegate(TOxDbgrid& grid) : QStyledItemDelegate(&grid), grid_(grid) {}

void OxGridDelegate::paint(QPainter* painter, const QStyleOptionViewItem& option,
                           const QModelIndex& index) const {
    QColor background = grid_.palette().color(QPalette::Base);
    QColor text = grid_.palette().color(QPalette::Text);
    if (grid_.EasyRead()) {
        // The first row of the order is record 1.
        const bool odd = index.row() % 2 == 0;
        background = odd ? grid_.Alt1Color() : grid_.AltColor();
    }
    if (index.row() == grid_.CurrentRow()) {
        text = Qt::white;
        background = grid_.HighLightColor();
    }
    painter->save();
    painter->fillRect(option.rect, background);
    painter->setClipRect(option.rect);
    painter->setFont(option.font);
    painter->setPen(text);
    const auto alignment = index.data(Qt::TextAlignmentRole).value<Qt::Alignment>();
    painter->drawText(option.rect.adjusted(2, 2, -3, 0),
                      static_cast<int>((alignment & Qt::AlignHorizontal_Mask) | Qt::AlignTop |
                                       Qt::TextSingleLine),
                      index.data(Qt::DisplayRole).toString());
    painter->restore();
}

} // namespace quintaro
