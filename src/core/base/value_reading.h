#pragma once

#include <cstdint>
#include <string>
#include <string_view>

namespace quintaro {

// The readings of a results file's cells, independent of the user's regional settings. Each
// fails with a QuintaroError carrying the French text of the failure.

// A decimal integer with an optional sign: "'%s' n'est pas une valeur entière correcte".
std::int32_t ReadInteger(std::string_view text);
// Day, month and year separated by "/", as a day count since 30 December 1899:
// "'%s' n'est pas une date correcte".
double ReadDate(std::string_view text);
// Digits with an optional sign, "." as decimal separator and an optional exponent, in extended
// precision: "'%s' n'est pas une valeur en virgule flottante correcte".
long double ReadDecimal(std::string_view text);

} // namespace quintaro
