#include "gui/ui/ox_label.h"

#include "gui/ui/mouse_click.h"

#include <QApplication>
#include <QMouseEvent>

namespace quintaro {

TOxLabel::TOxLabel(QWidget* parent)
    : QLabel(parent), hotTrackFont_(font()), hintColor_(HintColourSwap::SystemHintColour()) {}

void TOxLabel::SetCaption(const QString& caption) {
    setText(caption);
    CaptionChanged();
}

void TOxLabel::SetTextColor(const QColor& color) {
    QPalette p = palette();
    p.setColor(foregroundRole(), color);
    setPalette(p);
}

void TOxLabel::SetHotTrackFont(const QFont& font, const QColor& color) {
    hotTrackFont_ = font;
    hotTrackColor_ = color;
}

bool TOxLabel::event(QEvent* event) {
    const bool handled = QLabel::event(event);
    if (event->type() == QEvent::Shortcut) {
        // The accelerator has focused its control; one the tab key would pass over hands the
        // focus on to the next one that takes it.
        QWidget* active = QApplication::focusWidget();
        if (active && active->window() == window() && !(active->focusPolicy() & Qt::TabFocus)) {
            for (QWidget* next = active->nextInFocusChain(); next != active;
                 next = next->nextInFocusChain()) {
                if (next->window() == window() && (next->focusPolicy() & Qt::TabFocus) &&
                    next->isEnabled() && next->isVisible()) {
                    next->setFocus(Qt::TabFocusReason);
                    break;
                }
            }
        }
    }
    return handled;
}

void TOxLabel::enterEvent(QEnterEvent* event) {
    if (hint_.Enter(hintColor_)) {
        if (hotTrack_) {
            saved_.emplace(font(), TextColor());
            setFont(hotTrackFont_);
            if (hotTrackColor_.isValid())
                SetTextColor(hotTrackColor_);
        }
        emit mouseEntered();
    }
    QLabel::enterEvent(event);
}

void TOxLabel::leaveEvent(QEvent* event) {
    if (hint_.Leave()) {
        if (saved_) {
            setFont(saved_->first);
            SetTextColor(saved_->second);
            saved_.reset();
        }
        emit mouseLeft();
    }
    QLabel::leaveEvent(event);
}

void TOxLabel::mouseReleaseEvent(QMouseEvent* event) {
    if (IsClick(*this, *event))
        emit clicked();
    QLabel::mouseReleaseEvent(event);
}

} // namespace quintaro
