#include "gui/ui/regional_format.h"

#include "core/base/currency.h"
#include "core/base/day_count.h"

namespace quintaro {

QLocale RegionalLocale(const QLocale& system) {
    if (system.language() == QLocale::C)
        return QLocale(QLocale::French, QLocale::France);
    return system;
}

QString AmountText(double value) {
    return AmountText(value, QLocale().groupSeparator());
}

QString AmountText(double value, const QString& groupSeparator) {
    // The core groups and rounds; the separators may be several bytes.
    const QLocale locale;
    QString text = QString::fromStdString(FormatGroupedAmount(value, '.', ','));
    QString out;
    for (const QChar c : text) {
        if (c == u'.')
            out += locale.decimalPoint();
        else if (c == u',')
            out += groupSeparator;
        else
            out += c;
    }
    return out;
}

QString CurrencyText(double euros) {
    // The locale places the symbol; the digits are the program's.
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

QDate CalendarQDate(double dayCount) {
    const std::chrono::year_month_day date = CalendarDate(dayCount);
    return QDate(static_cast<int>(date.year()),
                 static_cast<int>(static_cast<unsigned>(date.month())),
                 static_cast<int>(static_cast<unsigned>(date.day())));
}

QString ShortDateText(double dayCount) {
    return QLocale().toString(CalendarQDate(dayCount), QLocale::ShortFormat);
}

double DayCountOf(const QDate& date) {
    return DayCount(std::chrono::year_month_day{
        std::chrono::year{date.year()}, std::chrono::month{static_cast<unsigned>(date.month())},
        std::chrono::day{static_cast<unsigned>(date.day())}});
}

} // namespace quintaro
