#pragma once

#include "gui/ui/hint_colour.h"

#include <QColor>
#include <QWidget>

namespace quintaro {

// A panel: its colour, its bevels or a flat one-pixel border, and its caption; the panels of
// the side menu and of the grid editor. It holds child controls. Transparent, it leaves its
// parent visible through it. It has a hint colour of its own while the mouse is over it.
class TOxPanel : public QWidget {
    Q_OBJECT
public:
    enum class Bevel { None, Lowered, Raised };

    explicit TOxPanel(QWidget* parent = nullptr);

    void SetCaption(const QString& caption);
    QString Caption() const { return caption_; }
    // Left, right or centred; the caption is always centred vertically.
    void SetAlignment(Qt::Alignment alignment);
    void SetBevelOuter(Bevel bevel);
    void SetBevelInner(Bevel bevel);
    void SetBevelWidth(int width);
    void SetBorderWidth(int width);
    void SetTransparent(bool on);
    bool Transparent() const { return transparent_; }
    void SetFlatBorder(bool on);
    bool FlatBorder() const { return flatBorder_; }
    void SetFlatBorderColor(const QColor& color);
    QColor FlatBorderColor() const { return flatBorderColor_; }
    void SetMultiLine(bool on);
    void SetHintColor(const QColor& color) { hintColor_ = color; }
    QColor HintColor() const { return hintColor_; }
    // The rectangle inside the borders and bevels, where the caption goes.
    QRect CaptionRect() const;

signals:
    void mouseEntered();
    void mouseLeft();
    void parentColorChanged();

protected:
    void changeEvent(QEvent* event) override;
    void enterEvent(QEnterEvent* event) override;
    void leaveEvent(QEvent* event) override;
    void paintEvent(QPaintEvent* event) override;

private:
    int BevelWidths() const;

    QString caption_;
    Qt::Alignment alignment_ = Qt::AlignHCenter;
    Bevel bevelOuter_ = Bevel::Raised;
    Bevel bevelInner_ = Bevel::None;
    int bevelWidth_ = 1;
    int borderWidth_ = 0;
    bool transparent_ = false;
    bool flatBorder_ = false;
    QColor flatBorderColor_;
    bool multiLine_ = false;
    QColor hintColor_;
    HintColourSwap hint_;
};

} // namespace quintaro
