#pragma once

#include <QColor>
#include <QPalette>
#include <optional>

namespace quintaro {

// The application's hint colour, put aside while the mouse is over a control that has a hint
// colour of its own, and put back when it leaves.
class HintColourSwap {
public:
    // The system's hint background, the controls' starting hint colour.
    static QColor SystemHintColour();
    // The application's hint colour as it stands.
    static QColor ApplicationHintColour();

    // Once until the next Leave; true on that first time.
    bool Enter(const QColor& colour);
    // True when the mouse had entered.
    bool Leave();
    bool Entered() const { return saved_.has_value(); }

private:
    std::optional<QPalette> saved_;
};

} // namespace quintaro
