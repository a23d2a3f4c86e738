#include "core/base/value_reading.h"

#include "core/base/quintaro_error.h"
#include "core/base/text_util.h"
#include "core/base/day_count.h"

#include <charconv>
#include <chrono>

namespace quintaro {

namespace {

bool IsDigit(char c) {
    return c >= '0' && c <= '9';
}

// A run of 1 to maxDigits digits.
bool ReadDigits(std::string_view text, std::size_t maxDigits, unsigned& value) {
    if (text.empty() || text.size() > maxDigits)
        return false;
    value = 0;
    for (char c : text) {
        if (!IsDigit(c))
            return false;
        value = value * 10 + static_cast<unsigned>(c - '0');
    }
    return true;
}

} // namespace

std::int32_t ReadInteger(std::string_view text) {
    if (auto value = TryParseInt32(text))
        return *value;
    throw QuintaroError(FormatMessage("'%s' n'est pas une valeur entière correcte", text));
}

double ReadDate(std::string_view text) {
    const auto fail = [&] {
        return QuintaroError(FormatMessage("'%s' n'est pas une date correcte", text));
    };
    const std::size_t first = text.find('/');
    const std::size_t second = first == std::string_view::npos ? first : text.find('/', first + 1);
    if (second == std::string_view::npos)
        throw fail();
    unsigned day = 0, month = 0, year = 0;
    const std::string_view yearText = text.substr(second + 1);
    if (!ReadDigits(text.substr(0, first), 2, day) ||
        !ReadDigits(text.substr(first + 1, second - first - 1), 2, month) ||
        !ReadDigits(yearText, 4, year))
        throw fail();
    // Two-digit years fall in the century window around 2000.
    if (yearText.size() <= 2)
        year += year < 50 ? 2000 : 1900;
    const std::chrono::year_month_day date{std::chrono::year{static_cast<int>(year)},
                                           std::chrono::month{month}, std::chrono::day{day}};
    if (!date.ok() || year == 0)
        throw fail();
    return DayCount(date);
}

long double ReadDecimal(std::string_view text) {
    const auto fail = [&] {
        return QuintaroError(
            FormatMessage("'%s' n'est pas une valeur en virgule flottante correcte", text));
    };
    std::string_view number = text;
    bool negative = false;
    if (!number.empty() && (number.front() == '+' || number.front() == '-')) {
        negative = number.front() == '-';
        number.remove_prefix(1);
    }
    // Only digits, one ".", and an exponent: no hexadecimal, infinity or NaN forms.
    std::size_t i = 0, digits = 0;
    while (i < number.size() && IsDigit(number[i]))
        ++i, ++digits;
    if (i < number.size() && number[i] == '.')
        for (++i; i < number.size() && IsDigit(number[i]); ++i)
            ++digits;
    if (digits == 0)
        throw fail();
    if (i < number.size() && (number[i] == 'e' || number[i] == 'E')) {
        std::size_t j = i + 1;
        if (j < number.size() && (number[j] == '+' || number[j] == '-'))
            ++j;
        const std::size_t exponentStart = j;
        while (j < number.size() && IsDigit(number[j]))
            ++j;
        if (j == exponentStart)
            throw fail();
        i = j;
    }
    if (i != number.size())
        throw fail();
    long double value = 0;
    auto [ptr, ec] = std::from_chars(number.data(), number.data() + number.size(), value);
    if (ec != std::errc() || ptr != number.data() + number.size())
        throw fail();
    return negative ? -value : value;
}

} // namespace quintaro
