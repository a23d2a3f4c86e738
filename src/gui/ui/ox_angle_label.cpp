#include "gui/ui/ox_angle_label.h"

#include "gui/ui/angle_label_geometry.h"
#include "gui/ui/mouse_click.h"

#include <QFontMetricsF>
#include <QMouseEvent>
#include <QPainter>

namespace quintaro {

TOxAngleLabel::TOxAngleLabel(QWidget* parent)
    : QWidget(parent), color_(palette().color(QPalette::WindowText)) {}

void TOxAngleLabel::SetCaption(const QString& caption) {
    caption_ = caption;
    Relayout();
}

void TOxAngleLabel::SetAngle(int degrees) {
    angle_ = std::clamp(degrees, 0, 360);
    Relayout();
}

void TOxAngleLabel::SetAutoSize(bool autoSize) {
    autoSize_ = autoSize;
    Relayout();
}

void TOxAngleLabel::SetTextColor(const QColor& color) {
    color_ = color;
    update();
}

QSizeF TOxAngleLabel::CaptionSize() const {
    // An empty caption is measured as one blank.
    const QFontMetricsF metrics(font());
    const QString text = caption_.isEmpty() ? QStringLiteral(" ") : caption_;
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

void TOxAngleLabel::paintEvent(QPaintEvent*) {
    const QSizeF text = CaptionSize();
    const AngleLabelLayout l =
        autoSize_ ? AutoSizedAngleLabel(text.width(), text.height(), angle_)
                  : CentredAngleLabel(text.width(), text.height(), angle_, width(), height());
    QPainter painter(this);
    painter.setRenderHint(QPainter::TextAntialiasing);
    painter.setPen(color_);
    painter.setFont(font());
    painter.translate(l.textX, l.textY);
    painter.rotate(-angle_); // counter-clockwise on screen
    painter.drawText(QRectF(QPointF(0, 0), text), Qt::AlignLeft | Qt::AlignTop, caption_);
}

void TOxAngleLabel::mouseReleaseEvent(QMouseEvent* event) {
    if (IsClick(*this, *event))
        emit clicked();
    QWidget::mouseReleaseEvent(event);
}

} // namespace quintaro
