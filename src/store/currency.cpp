#include "store/currency.h"

#include <cstdio>
#include <cstdlib>

namespace quintaro {

double ToFrancs(double euros) {
    return static_cast<double>(static_cast<long double>(euros) * 6.55957L);
}

std::string FormatGroupedAmount(double value, char decimalSeparator, char groupSeparator) {
    char buffer[64];
    std::snprintf(buffer, sizeof buffer, "%.8e", value);
    const double rounded = std::strtod(buffer, nullptr);
    std::snprintf(buffer, sizeof buffer, "%.2f", rounded);
    std::string plain = buffer;
    if (plain == "-0.00")
        plain = "0.00";

    std::string out;
    std::size_t start = plain[0] == '-' ? 1 : 0;
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
