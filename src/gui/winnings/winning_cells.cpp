#include "gui/winnings/winning_cells.h"

#include "core/settings/configuration_settings.h"
#include "gui/ui/colour_values.h"

#include <QPainter>

namespace quintaro {

QColor ShadeColour(CellShade shade, const QPalette& palette) {
    switch (shade) {
    case CellShade::Heading:
        return ToQColor(SystemColourValue(kButtonFace), palette);
    case CellShade::MainColumn:
        return ToQColor(SystemColourValue(k3DLight), palette);
    case CellShade::SecondColumn:
        return ToQColor(SystemColourValue(kInactiveCaptionText), palette);
    case CellShade::MainDrawn:
        return QColor(0, 128, 0);
    case CellShade::SecondDrawn:
        return QColor(255, 0, 0);
    case CellShade::Other:
        break;
    }
    return QColor(128, 128, 128);
}

void PaintTextCell(QPainter& painter, const QRect& rect, const QColor& background,
                   const QString& text) {
    painter.save();
    painter.fillRect(rect, background);
    painter.setClipRect(rect);
    painter.setPen(Qt::black);
    painter.drawText(rect.adjusted(2, 0, 0, 0), Qt::AlignLeft | Qt::AlignTop | Qt::TextSingleLine,
                     text);
    painter.restore();
}

} // namespace quintaro
