#pragma once

#include "gui/ui/hint_colour.h"

#include <QColor>
#include <QFont>
#include <QLabel>
#include <optional>
#include <utility>

namespace quintaro {

// A label whose font can change under the mouse (hot tracking), with a hint colour of its own
// while the mouse is over it.
class TOxLabel : public QLabel {
    Q_OBJECT
public:
    explicit TOxLabel(QWidget* parent = nullptr);

    void SetCaption(const QString& caption);
    QString Caption() const { return text(); }
    void SetTextColor(const QColor& color);
    QColor TextColor() const { return palette().color(foregroundRole()); }

    // With hot tracking, the label takes HotTrackFont (and its colour, when one is given)
    // while the mouse is over it.
    void SetHotTrack(bool on) { hotTrack_ = on; }
    bool HotTrack() const { return hotTrack_; }
    void SetHotTrackFont(const QFont& font, const QColor& color = QColor());
    QFont HotTrackFont() const { return hotTrackFont_; }
    void SetHintColor(const QColor& color) { hintColor_ = color; }
    QColor HintColor() const { return hintColor_; }

signals:
    void clicked();
    void mouseEntered();
    void mouseLeft();

protected:
    // The caption has changed; a label that draws itself lays itself out again.
    virtual void CaptionChanged() {}
    bool event(QEvent* event) override;
    void enterEvent(QEnterEvent* event) override;
    void leaveEvent(QEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;

private:
    bool hotTrack_ = false;
    QFont hotTrackFont_;
    QColor hotTrackColor_;
    QColor hintColor_;
    HintColourSwap hint_;
    // What hot tracking put aside, while it is on.
    std::optional<std::pair<QFont, QColor>> saved_;
};

} // namespace quintaro
