#pragma once

#include <QColor>
#include <QFont>
#include <QWidget>

namespace quintaro {

// A label whose caption is drawn rotated counter-clockwise by Angle degrees; the vertical
// "Menu" tab of the side menu. It can follow the mouse with another colour (hot tracking).
class TOxAngleLabel : public QWidget {
    Q_OBJECT
public:
    explicit TOxAngleLabel(QWidget* parent = nullptr);

    void SetCaption(const QString& caption);
    QString Caption() const { return caption_; }
    void SetAngle(int degrees); // 0 to 360
    int Angle() const { return angle_; }
    void SetAutoSize(bool autoSize);
    void SetTextColor(const QColor& color);
    QColor TextColor() const { return color_; }

    QSize sizeHint() const override;

signals:
    void clicked();

protected:
    void paintEvent(QPaintEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;

private:
    QSizeF CaptionSize() const;
    void Relayout();

    QString caption_;
    int angle_ = 0;
    bool autoSize_ = true;
    QColor color_;
};

} // namespace quintaro
