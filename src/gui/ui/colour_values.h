#pragma once

#include "core/settings/configuration_settings.h"

#include <QColor>
#include <QPalette>

namespace quintaro {

// A stored colour on this desktop: an RGB value as it is, a system colour from the palette.
QColor ToQColor(ColourValue value, const QPalette& palette);
// A chosen colour as stored: 0x00BBGGRR.
ColourValue FromQColor(const QColor& colour);

} // namespace quintaro
