#include "gui/winnings/period_detail_delegate.h"

#include "gui/winnings/winning_cells.h"

#include <QPainter>

namespace quintaro {

CellShade PeriodDetailDelegate::Shade(int column) const {
    const auto c = static_cast<std::size_t>(column);
    switch (c < kinds_.size() ? kinds_[c] : PeriodColumnKind::Count) {
    case PeriodColumnKind::MainNumber:
        return CellShade::MainColumn;
    case PeriodColumnKind::SecondNumber:
        return CellShade::SecondColumn;
    case PeriodColumnKind::Draw:
        return CellShade::MainDrawn;
    case PeriodColumnKind::Count:
    case PeriodColumnKind::Prize:
        break;
    }
    return CellShade::Other;
}

void PeriodDetailDelegate::paint(QPainter* painter, const QStyleOptionViewItem& option,
                                 const QModelIndex& index) const {
    const CellShade shade = Shade(index.column());
    const std::string text = index.data().toString().toStdString();
    const bool number = shade == CellShade::MainColumn || shade == CellShade::SecondColumn;
    const CellLook look = number ? NumberCellLook(shade, text) : CellLook{shade, text};
    painter->save();
    painter->setFont(option.font);
    PaintTextCell(*painter, option.rect, ShadeColour(look.shade, option.palette),
                  QString::fromStdString(look.text));
    painter->restore();
}

} // namespace quintaro
