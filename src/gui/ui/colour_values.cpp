#include "gui/ui/colour_values.h"

namespace quintaro {

QColor ToQColor(ColourValue value, const QPalette& palette) {
    if (!IsSystemColour(value))
        return QColor(static_cast<int>(value & 0xFF), static_cast<int>((value >> 8) & 0xFF),
                      static_cast<int>((value >> 16) & 0xFF));
    switch (value & 0xFF) {
    case kWindowText:
        return palette.color(QPalette::WindowText);
    case kHighlight:
        return palette.color(QPalette::Highlight);
    case kButtonShadow:
        return palette.color(QPalette::Dark);
    case kGrayText:
        return palette.color(QPalette::Disabled, QPalette::Text);
    case kInactiveCaptionText:
        return palette.color(QPalette::Window);
    case kButtonHighlight:
        return palette.color(QPalette::Light);
    case k3DDarkShadow:
        return palette.color(QPalette::Shadow);
    case k3DLight:
        return palette.color(QPalette::Midlight);
    case kInfoBackground:
        return palette.color(QPalette::ToolTipBase);
    default:
        return palette.color(QPalette::Button);
    }
}

ColourValue FromQColor(const QColor& colour) {
    return Rgb(static_cast<std::uint8_t>(colour.red()), static_cast<std::uint8_t>(colour.green()),
               static_cast<std::uint8_t>(colour.blue()));
}

} // namespace quintaro
