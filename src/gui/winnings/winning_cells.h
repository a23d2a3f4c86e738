#pragma once

#include <QColor>
#include <QString>

class QPainter;
class QRect;

namespace quintaro {

// How the winnings views write amounts and draw the cells of winning grids.

// A euro amount in the user's regional currency format: two decimals, grouped digits, nine
// significant digits at most ("1 234,50 €" in French).
QString CurrencyText(double euros);
// A franc amount with grouped digits and two decimals, followed by "F" ("8 097,79F").
QString FrancsText(double francs);

inline const QColor kCellGray(128, 128, 128);
inline const QColor kHitGreen(0, 128, 0);
inline const QColor kHitRed(255, 0, 0);

// A number cell of a winning grid, whose text is the cell code (number + 100 × hit mark): a
// drawn main number on green, a drawn complementary ball, star or chance number on red,
// another on the column's own background; the number shown without its mark.
struct NumberCellLook {
    QColor background;
    QString text;
};
NumberCellLook HitLook(const QString& code, const QColor& background);

// A text grid's cell: filled with its background, its text in black 2 pixels from the left
// edge, at the top.
void PaintTextCell(QPainter& painter, const QRect& rect, const QColor& background,
                   const QString& text);

} // namespace quintaro
