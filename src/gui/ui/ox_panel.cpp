#include "gui/ui/ox_panel.h"

#include <QEvent>
#include <QPainter>

namespace quintaro {

namespace {

// Raised: light top and left, shadow bottom and right; lowered: the reverse. The rectangle
// shrinks by the bevel's width.
void DrawBevel(QPainter& painter, QRect& r, TOxPanel::Bevel bevel, int width,
               const QPalette& palette) {
    if (bevel == TOxPanel::Bevel::None)
        return;
    const bool raised = bevel == TOxPanel::Bevel::Raised;
    const QColor topLeft = palette.color(raised ? QPalette::Light : QPalette::Dark);
    const QColor bottomRight = palette.color(raised ? QPalette::Dark : QPalette::Light);
    for (int i = 0; i < width && r.width() > 0 && r.height() > 0; ++i) {
        painter.setPen(topLeft);
        painter.drawLine(r.topLeft(), r.topRight());
        painter.drawLine(r.topLeft(), r.bottomLeft());
        painter.setPen(bottomRight);
        painter.drawLine(r.bottomLeft(), r.bottomRight());
        painter.drawLine(r.topRight(), r.bottomRight());
        r.adjust(1, 1, -1, -1);
    }
}

} // namespace

TOxPanel::TOxPanel(QWidget* parent)
    : QWidget(parent), flatBorderColor_(palette().color(QPalette::Dark)),
      hintColor_(HintColourSwap::SystemHintColour()) {}

void TOxPanel::SetCaption(const QString& caption) {
    caption_ = caption;
    update();
}

void TOxPanel::SetAlignment(Qt::Alignment alignment) {
    alignment_ = alignment & Qt::AlignHorizontal_Mask;
    update();
}

void TOxPanel::SetBevelOuter(Bevel bevel) {
    bevelOuter_ = bevel;
    update();
}

void TOxPanel::SetBevelInner(Bevel bevel) {
    bevelInner_ = bevel;
    update();
}

void TOxPanel::SetBevelWidth(int width) {
    bevelWidth_ = std::max(width, 1);
    update();
}

void TOxPanel::SetBorderWidth(int width) {
    borderWidth_ = std::max(width, 0);
    update();
}

void TOxPanel::SetTransparent(bool on) {
    transparent_ = on;
    update();
}

void TOxPanel::SetFlatBorder(bool on) {
    flatBorder_ = on;
    update();
}

void TOxPanel::SetFlatBorderColor(const QColor& color) {
    flatBorderColor_ = color;
    update();
}

void TOxPanel::SetMultiLine(bool on) {
    multiLine_ = on;
    update();
}

int TOxPanel::BevelWidths() const {
    return (bevelOuter_ != Bevel::None ? bevelWidth_ : 0) +
           (bevelInner_ != Bevel::None ? bevelWidth_ : 0);
}

QRect TOxPanel::CaptionRect() const {
    const int inset = borderWidth_ + BevelWidths();
    return rect().adjusted(inset, inset, -inset, -inset);
}

void TOxPanel::changeEvent(QEvent* event) {
    if (event->type() == QEvent::PaletteChange) {
        update();
        emit parentColorChanged();
    }
    QWidget::changeEvent(event);
}

void TOxPanel::enterEvent(QEnterEvent* event) {
    if (hint_.Enter(hintColor_))
        emit mouseEntered();
    QWidget::enterEvent(event);
}

void TOxPanel::leaveEvent(QEvent* event) {
    if (hint_.Leave())
        emit mouseLeft();
    QWidget::leaveEvent(event);
}

void TOxPanel::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    if (!transparent_)
        painter.fillRect(rect(), palette().color(backgroundRole()));
    if (flatBorder_) {
        painter.setPen(flatBorderColor_);
        painter.drawRect(rect().adjusted(0, 0, -1, -1));
    } else {
        QRect r = rect().adjusted(0, 0, -1, -1);
        DrawBevel(painter, r, bevelOuter_, bevelWidth_, palette());
        r.adjust(borderWidth_, borderWidth_, -borderWidth_, -borderWidth_);
        DrawBevel(painter, r, bevelInner_, bevelWidth_, palette());
    }
    if (caption_.isEmpty())
        return;
    painter.setPen(
        palette().color(isEnabled() ? QPalette::Active : QPalette::Disabled, QPalette::WindowText));
    int flags = static_cast<int>(alignment_) | Qt::AlignVCenter | Qt::TextExpandTabs;
    if (multiLine_)
        flags |= Qt::TextWordWrap;
    painter.drawText(CaptionRect(), flags, caption_);
}

} // namespace quintaro
