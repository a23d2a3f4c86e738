#pragma once

#include "gui/ui/ox_label.h"

namespace quintaro {

// A label whose caption is drawn rotated counter-clockwise by Angle degrees; the vertical
// "Menu" tab of the side menu. Auto-sized, it fits the rotated caption; otherwise it centres it.
class TOxAngleLabel : public TOxLabel {
    Q_OBJECT
public:
    explicit TOxAngleLabel(QWidget* parent = nullptr);

    void SetAngle(int degrees); // 0 to 360
    int Angle() const { return angle_; }
    void SetAutoSize(bool autoSize);

    QSize sizeHint() const override;
    QSize minimumSizeHint() const override { return sizeHint(); }

protected:
    void CaptionChanged() override { Relayout(); }
    void changeEvent(QEvent* event) override;
    void paintEvent(QPaintEvent* event) override;

private:
    QSizeF CaptionSize() const;
    void Relayout();

    int angle_ = 0;
    bool autoSize_ = true;
};

} // namespace quintaro
