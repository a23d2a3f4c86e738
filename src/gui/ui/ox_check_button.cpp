#include "gui/ui/ox_check_button.h"

#include "gui/ui/mouse_click.h"

#include <QApplication>
#include <QMouseEvent>
#include <QPainter>
#include <QStyle>
#include <QStyleOption>
#include <qdrawutil.h>

namespace quintaro {

namespace {

struct Placement {
    QPoint glyph;
    QPoint text;
};

// Where the picture and the caption go in the client area.
Placement Place(QSize client, QSize glyph, QSize text, TOxCheckButton::GlyphLayout layout,
                int margin, int spacing) {
    using Layout = TOxCheckButton::GlyphLayout;
    const bool across = layout == Layout::Left || layout == Layout::Right;
    Placement p;
    if (across) {
        p.glyph.setY((client.height() - glyph.height() + 1) / 2);
        p.text.setY((client.height() - text.height() + 1) / 2);
    } else {
        p.glyph.setX((client.width() - glyph.width() + 1) / 2);
        p.text.setX((client.width() - text.width() + 1) / 2);
    }
    const int clientLength = across ? client.width() : client.height();
    const int glyphLength = across ? glyph.width() : glyph.height();
    const int textLength = across ? text.width() : text.height();
    if (textLength == 0 || glyphLength == 0)
        spacing = 0;
    if (margin == -1) {
        if (spacing == -1) {
            margin = (clientLength - glyphLength - textLength) / 3;
            spacing = margin;
        } else {
            margin = (clientLength - glyphLength - spacing - textLength + 1) / 2;
        }
    } else if (spacing == -1) {
        spacing = (clientLength - margin - glyphLength - textLength) / 2;
    }
    int glyphAt = margin;
    int textAt = glyphAt + glyphLength + spacing;
    if (layout == Layout::Right || layout == Layout::Bottom) {
        glyphAt = clientLength - margin - glyphLength;
        textAt = glyphAt - spacing - textLength;
    }
    if (across) {
        p.glyph.setX(glyphAt);
        p.text.setX(textAt);
    } else {
        p.glyph.setY(glyphAt);
        p.text.setY(textAt);
    }
    return p;
}

} // namespace

TOxCheckButton::TOxCheckButton(QWidget* parent) : QWidget(parent) {
    resize(22, 23);
    setBackgroundRole(QPalette::Button);
}

void TOxCheckButton::SetGroupIndex(int group) {
    groupIndex_ = group;
    UpdateExclusive();
}

void TOxCheckButton::SetDown(bool down) {
    if (groupIndex_ == 0)
        down = false;
    if (down == down_ || (down_ && !allowAllUp_))
        return;
    down_ = down;
    update();
    if (down_)
        UpdateExclusive();
}

void TOxCheckButton::SetAllowAllUp(bool on) {
    allowAllUp_ = on;
    UpdateExclusive();
}

void TOxCheckButton::UpdateExclusive() {
    if (groupIndex_ == 0 || !parentWidget())
        return;
    for (TOxCheckButton* other :
         parentWidget()->findChildren<TOxCheckButton*>(Qt::FindDirectChildrenOnly))
        if (other != this && other->groupIndex_ == groupIndex_)
            other->ButtonPressed(*this);
}

void TOxCheckButton::ButtonPressed(const TOxCheckButton& sender) {
    if (sender.down_ && down_ && !allowMultidown_) {
        down_ = false;
        update();
    }
    allowAllUp_ = sender.allowAllUp_;
}

void TOxCheckButton::SetFlat(bool on) {
    flat_ = on;
    update();
}

void TOxCheckButton::SetTransparent(bool on) {
    transparent_ = on;
    update();
}

void TOxCheckButton::SetGlyph(const QPixmap& glyph, int numGlyphs) {
    glyph_ = glyph;
    numGlyphs_ = std::clamp(numGlyphs, 1, 4);
    update();
}

void TOxCheckButton::SetCaption(const QString& caption) {
    caption_ = caption;
    update();
}

void TOxCheckButton::SetLayout(GlyphLayout layout) {
    layout_ = layout;
    update();
}

void TOxCheckButton::SetMargin(int margin) {
    margin_ = margin;
    update();
}

void TOxCheckButton::SetSpacing(int spacing) {
    spacing_ = spacing;
    update();
}

TOxCheckButton::State TOxCheckButton::CurrentState() const {
    if (!isEnabled())
        return State::Disabled;
    if (down_)
        return State::Down;
    return dragging_ && pressedInside_ ? State::Pressed : State::Up;
}

QPixmap TOxCheckButton::GlyphFor(State state) const {
    if (glyph_.isNull())
        return {};
    const int index = static_cast<int>(state) < numGlyphs_ ? static_cast<int>(state) : 0;
    const int width = glyph_.width() / numGlyphs_;
    QPixmap image = glyph_.copy(index * width, 0, width, glyph_.height());
    image.setDevicePixelRatio(glyph_.devicePixelRatio());
    if (state == State::Disabled && index == 0) {
        QStyleOption option;
        option.initFrom(this);
        image = style()->generatedIconPixmap(QIcon::Disabled, image, &option);
    }
    return image;
}

void TOxCheckButton::changeEvent(QEvent* event) {
    if (event->type() == QEvent::EnabledChange) {
        dragging_ = false;
        update();
    }
    QWidget::changeEvent(event);
}

void TOxCheckButton::enterEvent(QEnterEvent* event) {
    mouseOver_ = true;
    update();
    QWidget::enterEvent(event);
}

void TOxCheckButton::leaveEvent(QEvent* event) {
    mouseOver_ = false;
    update();
    QWidget::leaveEvent(event);
}

void TOxCheckButton::mousePressEvent(QMouseEvent* event) {
    if (event->button() == Qt::LeftButton && isEnabled()) {
        dragging_ = true;
        pressedInside_ = true;
        update();
    }
    QWidget::mousePressEvent(event);
}

void TOxCheckButton::mouseMoveEvent(QMouseEvent* event) {
    if (dragging_) {
        const bool inside = rect().contains(event->position().toPoint());
        if (inside != pressedInside_) {
            pressedInside_ = inside;
            update();
        }
    }
    QWidget::mouseMoveEvent(event);
}

void TOxCheckButton::mouseReleaseEvent(QMouseEvent* event) {
    if (dragging_ && event->button() == Qt::LeftButton) {
        dragging_ = false;
        const bool click = IsClick(*this, *event);
        if (click && groupIndex_ != 0)
            SetDown(!down_);
        update();
        if (click)
            emit clicked();
    }
    QWidget::mouseReleaseEvent(event);
}

void TOxCheckButton::mouseDoubleClickEvent(QMouseEvent* event) {
    // The second press of a double click presses the button as the first did.
    mousePressEvent(event);
    if (event->button() == Qt::LeftButton && isEnabled() && groupIndex_ != 0 && down_)
        emit doubleClicked();
}

void TOxCheckButton::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    const State state = CurrentState();
    const bool sunken = state == State::Pressed || state == State::Down;
    const QRect r = rect();
    if (!transparent_ || !flat_)
        painter.fillRect(r, palette().color(QPalette::Button));
    if (!flat_)
        qDrawWinButton(&painter, r, palette(), sunken);
    else if (sunken)
        qDrawShadeRect(&painter, r, palette(), true, 1);
    else if (mouseOver_ && state != State::Disabled)
        qDrawShadeRect(&painter, r, palette(), false, 1);

    const QPixmap glyph = GlyphFor(state);
    const QSize glyphSize = glyph.isNull() ? QSize() : glyph.deviceIndependentSize().toSize();
    const QSize textSize =
        caption_.isEmpty() ? QSize() : fontMetrics().size(Qt::TextShowMnemonic, caption_);
    Placement p = Place(r.size(), glyphSize, textSize, layout_, margin_, spacing_);
    if (sunken) {
        p.glyph += QPoint(1, 1);
        p.text += QPoint(1, 1);
    }
    if (!glyph.isNull())
        painter.drawPixmap(p.glyph, glyph);
    if (!caption_.isEmpty()) {
        painter.setPen(
            palette().color(state == State::Disabled ? QPalette::Disabled : QPalette::Active,
                            QPalette::ButtonText));
        painter.drawText(QRect(p.text, textSize), Qt::TextShowMnemonic, caption_);
    }
}

} // namespace quintaro
