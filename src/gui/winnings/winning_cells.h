#pragma once

#include "core/winnings/draw_summary.h"

#include <QColor>
#include <QPalette>
#include <QString>

class QPainter;
class QRect;

namespace quintaro {

// How the winnings views draw the cells of winning grids.

// The background of a shade: the button face for headings, the 3-D light colour for main
// numbers, the inactive caption text colour for the second set, green for a drawn main number
// (and the period view's draw columns), red for a drawn complementary ball, star or chance
// number, gray for the rest.
QColor ShadeColour(CellShade shade, const QPalette& palette);

// A text grid's cell: filled with its background, its text in black 2 pixels from the left
// edge, at the top.
void PaintTextCell(QPainter& painter, const QRect& rect, const QColor& background,
                   const QString& text);

} // namespace quintaro
