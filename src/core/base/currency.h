#pragma once

#include <string>

namespace quintaro {

// The euro-to-franc rate, exact to the last digit.
inline constexpr long double kFrancsPerEuro = 6.55957L;

// Euros to francs, the product taken in extended precision and rounded to a double once, so
// the value is exact to the last bit.
double ToFrancs(double euros);

// A value rounded to nine significant digits, so that a sum of amounts shows its cents, not its
// binary noise.
double NineSignificantDigits(double value);

// An amount with two decimals and its integer digits grouped by three, rounded first to nine
// significant digits: FormatGroupedAmount(1234.5, ',', ' ') is "1 234,50".
std::string FormatGroupedAmount(double value, char decimalSeparator, char groupSeparator);

} // namespace quintaro
