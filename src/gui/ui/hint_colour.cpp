#include "gui/ui/hint_colour.h"

#include <QApplication>
#include <QToolTip>

namespace quintaro {

QColor HintColourSwap::SystemHintColour() {
    return QApplication::palette().color(QPalette::ToolTipBase);
}

QColor HintColourSwap::ApplicationHintColour() {
    return QToolTip::palette().color(QPalette::ToolTipBase);
}

bool HintColourSwap::Enter(const QColor& colour) {
    if (saved_)
        return false;
    saved_ = QToolTip::palette();
    QPalette hint = *saved_;
    hint.setColor(QPalette::ToolTipBase, colour);
    QToolTip::setPalette(hint);
    return true;
}

bool HintColourSwap::Leave() {
    if (!saved_)
        return false;
    QToolTip::setPalette(*saved_);
    saved_.reset();
    return true;
}

} // namespace quintaro
