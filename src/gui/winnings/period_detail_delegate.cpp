#include "gui/winnings/period_detail_delegate.h"

#include "gui/ui/colour_values.h"
#include "gui/winnings/winning_cells.h"

#include <QPainter>

namespace quintaro {

QColor PeriodDetailDelegate::Background(int column, const QPalette& palette) const {
    const auto c = static_cast<std::size_t>(column);
    switch (c < kinds_.size() ? kinds_[c] : PeriodColumnKind::Count) {
    case PeriodColumnKind::MainNumber:
        return ToQColor(SystemColourValue(k3DLight), palette);
    case PeriodColumnKind::SecondNumber:
        return ToQColor(SystemColourValue(kInactiveCaptionText), palette);
    case PeriodColumnKind::Draw:
        return kHitGreen;
    case PeriodColumnKind::Count:
    case PeriodColumnKind::Prize:
        break;
    }
    return kCellGray;
}

void PeriodDetailDelegate::paint(QPainter* painter, const QStyleOptionViewItem& option,
                                 const QModelIndex& index) const {
    const int column = index.column();
    const auto c = static_cast<std::size_t>(column);
    const bool number = c < kinds_.size() && (kinds_[c] == PeriodColumnKind::MainNumber ||
                                              kinds_[c] == PeriodColumnKind::SecondNumber);
    const QColor background = Background(column, option.palette);
    const QString text = index.data().toString();
    const NumberCellLook look =
        number ? HitLook(text, background) : NumberCellLook{background, text};
    painter->save();
    painter->setFont(option.font);
    PaintTextCell(*painter, option.rect, look.background, look.text);
    painter->restore();
}

} // namespace quintaro
