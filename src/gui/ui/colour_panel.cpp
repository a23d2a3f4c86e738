#include "gui/ui/colour_panel.h"

#include "gui/ui/colour_values.h"
#include "gui/ui/mouse_click.h"

#include <QMouseEvent>
#include <QPainter>

namespace quintaro {

ColourPanel::ColourPanel(const QString& caption, ColourValue value, QWidget* parent)
    : QFrame(parent), caption_(caption), value_(value),
      captionColour_(palette().color(QPalette::WindowText)) {
    setFrameShape(QFrame::Panel);
    setFrameShadow(QFrame::Raised);
    setCursor(Qt::PointingHandCursor);
}

void ColourPanel::SetValue(ColourValue value) {
    value_ = value;
    update();
}

void ColourPanel::SetCaptionColour(const QColor& colour) {
    captionColour_ = colour;
    update();
}

void ColourPanel::paintEvent(QPaintEvent* event) {
    {
        QPainter painter(this);
        painter.fillRect(rect(), ToQColor(value_, palette()));
        painter.setPen(captionColour_);
        painter.drawText(rect(), Qt::AlignCenter, caption_);
    }
    QFrame::paintEvent(event);
}

void ColourPanel::mouseReleaseEvent(QMouseEvent* event) {
    if (IsClick(*this, *event))
        emit clicked();
    QFrame::mouseReleaseEvent(event);
}

} // namespace quintaro
