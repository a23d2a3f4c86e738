#include "core/base/currency.h"

#include "core/base/text_util.h"

#include <charconv>

namespace quintaro {

double ToFrancs(double euros) {
    return static_cast<double>(static_cast<long double>(euros) * kFrancsPerEuro);
}

double NineSignificantDigits(double value) {
    char buffer[64];
    const auto nine =
        std::to_chars(buffer, buffer + sizeof buffer, value, std::chars_format::scientific, 8);
    double rounded = 0.0;
    std::from_chars(buffer, nine.ptr, rounded);
    return rounded;
}

std::string FormatGroupedAmount(double value, char decimalSeparator, char groupSeparator) {
    std::string plain = FormatFixed(NineSignificantDigits(value), 2);
    if (plain == "-0.00")
        plain = "0.00";

    std::string out;
    const std::size_t start = plain[0] == '-' ? 1 : 0;
    const std::size_t point = plain.find('.');
    out.append(plain, 0, start);
    for (std::size_t i = start; i < point; ++i) {
        if (i > start && (point - i) % 3 == 0)
            out += groupSeparator;
        out += plain[i];
    }
    out += decimalSeparator;
    out.append(plain, point + 1);
    return out;
}

} // namespace quintaro
