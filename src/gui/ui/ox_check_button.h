#pragma once

#include <QPixmap>
#include <QWidget>

namespace quintaro {

// A flat picture button that stays down: the number and star buttons of the grid editor.
// The buttons of one group (same GroupIndex, same parent) release each other as a radio
// group, unless a button allows several down at once (AllowMultidown); AllowAllUp lets all of
// them be up. Only a left-button release over the button clicks it; a change of Down made by
// the program never clicks.
class TOxCheckButton : public QWidget {
    Q_OBJECT
public:
    // The picture's states, in the order of its images.
    enum class State { Up, Disabled, Pressed, Down };
    enum class GlyphLayout { Left, Right, Top, Bottom };

    explicit TOxCheckButton(QWidget* parent = nullptr);

    void SetGroupIndex(int group);
    int GroupIndex() const { return groupIndex_; }
    // A button without a group cannot be down; a down button stays down while AllowAllUp is
    // off, which holds for the whole group.
    void SetDown(bool down);
    bool Down() const { return down_; }
    void SetAllowAllUp(bool on);
    bool AllowAllUp() const { return allowAllUp_; }
    void SetAllowMultidown(bool on) { allowMultidown_ = on; }
    bool AllowMultidown() const { return allowMultidown_; }

    // A flat button shows its raised frame only while the mouse is over it.
    void SetFlat(bool on);
    bool Flat() const { return flat_; }
    // Transparent, it paints no face of its own.
    void SetTransparent(bool on);
    // The picture: NumGlyphs images side by side, for the up, disabled, pressed and down
    // states; a state without an image shows the first (dimmed when disabled).
    void SetGlyph(const QPixmap& glyph, int numGlyphs = 1);
    int NumGlyphs() const { return numGlyphs_; }
    void SetCaption(const QString& caption);
    QString Caption() const { return caption_; }
    void SetLayout(GlyphLayout layout);
    // -1: the picture and caption centred together; otherwise the picture's distance from
    // its edge.
    void SetMargin(int margin);
    // Between picture and caption; -1 spreads them evenly.
    void SetSpacing(int spacing);

    State CurrentState() const;
    bool MouseOver() const { return mouseOver_; }
    // The image shown in a state.
    QPixmap GlyphFor(State state) const;

signals:
    void clicked();
    void doubleClicked();

protected:
    void changeEvent(QEvent* event) override;
    void enterEvent(QEnterEvent* event) override;
    void leaveEvent(QEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void mouseDoubleClickEvent(QMouseEvent* event) override;
    void paintEvent(QPaintEvent* event) override;

private:
    // Tells the other buttons of the group that this one went down, or its AllowAllUp.
    void UpdateExclusive();
    void ButtonPressed(const TOxCheckButton& sender);

    int groupIndex_ = 0;
    bool down_ = false;
    bool allowAllUp_ = false;
    bool allowMultidown_ = false;
    bool flat_ = false;
    bool transparent_ = true;
    QPixmap glyph_;
    int numGlyphs_ = 1;
    QString caption_;
    GlyphLayout layout_ = GlyphLayout::Left;
    int margin_ = -1;
    int spacing_ = 4;
    bool dragging_ = false; // the left button went down over the button
    bool pressedInside_ = false;
    bool mouseOver_ = false;
};

} // namespace quintaro
