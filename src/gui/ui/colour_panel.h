#pragma once

#include "core/settings/configuration_settings.h"

#include <QFrame>

namespace quintaro {

// A panel showing its caption on its own colour; a click asks for another colour.
class ColourPanel : public QFrame {
    Q_OBJECT
public:
    ColourPanel(const QString& caption, ColourValue value, QWidget* parent);

    ColourValue Value() const { return value_; }
    void SetValue(ColourValue value);
    void SetCaptionColour(const QColor& colour);
    QString Caption() const { return caption_; }

signals:
    void clicked();

protected:
    void paintEvent(QPaintEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;

private:
    QString caption_;
    ColourValue value_;
    QColor captionColour_;
};

} // namespace quintaro
