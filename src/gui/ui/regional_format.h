#pragma once

#include <QDate>
#include <QLocale>
#include <QString>

namespace quintaro {

// The user's regional format for what the views show: the system's, or French where the
// system names none (the C or POSIX locale). Made the default QLocale at start.
QLocale RegionalLocale(const QLocale& system = QLocale::system());

// An amount with two decimals and its integer digits grouped, rounded first to nine
// significant digits, in the default locale's separators: "1 234,50" in French.
QString AmountText(double value);
// The same with the given text between the groups of digits.
QString AmountText(double value, const QString& groupSeparator);
// A euro amount in the default locale's currency format with two decimals, rounded first to
// nine significant digits: "1 234,50 €" in French. A loss takes the locale's minus sign, not the
// accounting parentheses some locales give currencies.
QString CurrencyText(double euros);
// A franc amount with grouped digits and two decimals, followed by "F" ("8 097,79F").
QString FrancsText(double francs);

// A day count (days since 30 December 1899) as a calendar date, and its short date text in the
// default locale ("15/03/2023" in French). The day count -1 is 29/12/1899.
QDate CalendarQDate(double dayCount);
QString ShortDateText(double dayCount);
double DayCountOf(const QDate& date);

} // namespace quintaro
