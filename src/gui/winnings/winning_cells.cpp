#include "gui/winnings/winning_cells.h"

#include "gui/ui/regional_format.h"

#include <QLocale>
#include <QPainter>

namespace quintaro {

QString CurrencyText(double euros) {
    // The locale places the symbol; the digits are the program's. A loss takes the locale's
    // minus sign, not the accounting parentheses some locales give currencies.
    const QLocale locale;
    QString digits = AmountText(euros);
    const bool negative = digits.startsWith(u'-');
    if (negative)
        digits.remove(0, 1);
    QString text = locale.toCurrencyString(1.0, QStringLiteral("€"), 2);
    text.replace(locale.toString(1.0, 'f', 2), digits);
    return negative ? locale.negativeSign() + text : text;
}

QString FrancsText(double francs) {
    return AmountText(francs) + u'F';
}

NumberCellLook HitLook(const QString& code, const QColor& background) {
    NumberCellLook look{background, code};
    const int c = code.toInt();
    if (c > 100)
        look.background = kHitGreen;
    if (c > 200)
        look.background = kHitRed;
    // The hundreds are the mark: the number is what follows it.
    if (code.size() > 2)
        look.text = QString::number(code.mid(1, 2).toInt());
    return look;
}

void PaintTextCell(QPainter& painter, const QRect& rect, const QColor& background,
                   const QString& text) {
    painter.fillRect(rect, background);
    painter.setPen(Qt::black);
    painter.drawText(rect.adjusted(2, 0, 0, 0), Qt::AlignLeft | Qt::AlignTop | Qt::TextSingleLine,
                     text);
}

} // namespace quintaro
