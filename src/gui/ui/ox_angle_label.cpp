#include "gui/ui/ox_angle_label.h"

#include "gui/ui/angle_label_geometry.h"

#include <QEvent>
#include <QFontMetricsF>
#include <QPainter>

namespace quintaro {

TOxAngleLabel::TOxAngleLabel(QWidget* parent) : TOxLabel(parent) {}

void TOxAngleLabel::SetAngle(int degrees) {
    angle_ = std::clamp(degrees, 0, 360);
    Relayout();
}

void TOxAngleLabel::SetAutoSize(bool autoSize) {
    autoSize_ = autoSize;
    Relayout();
}

QSizeF TOxAngleLabel::CaptionSize() const {
    // An empty caption is measured as one blank.
    const QFontMetricsF metrics(font());
    const QString text = Caption().isEmpty() ? QStringLiteral(" ") : Caption();
    return {metrics.horizontalAdvance(text), metrics.height()};
}

QSize TOxAngleLabel::sizeHint() const {
    const QSizeF text = CaptionSize();
    const AngleLabelLayout l = AutoSizedAngleLabel(text.width(), text.height(), angle_);
    return {l.width, l.height};
}

void TOxAngleLabel::Relayout() {
    if (autoSize_)
        resize(sizeHint());
    updateGeometry();
    update();
}

void TOxAngleLabel::changeEvent(QEvent* event) {
    // A hot-tracking font measures the caption anew.
    if (event->type() == QEvent::FontChange)
        Relayout();
    TOxLabel::changeEvent(event);
}

void TOxAngleLabel::paintEvent(QPaintEvent*) {
    const QSizeF text = CaptionSize();
    const AngleLabelLayout l =
        autoSize_ ? AutoSizedAngleLabel(text.width(), text.height(), angle_)
                  : CentredAngleLabel(text.width(), text.height(), angle_, width(), height());
    QPainter painter(this);
    painter.setRenderHint(QPainter::TextAntialiasing);
    painter.setPen(TextColor());
    painter.setFont(font());
    painter.translate(l.textX, l.textY);
    painter.rotate(-angle_); // counter-clockwise on screen
    painter.drawText(QRectF(QPointF(0, 0), text), Qt::AlignLeft | Qt::AlignTop, Caption());
}

} // namespace quintaro
