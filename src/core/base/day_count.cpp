#include "core/base/day_count.h"

#include <charconv>
#include <cmath>
#include <cstdio>

namespace quintaro {

namespace {
constexpr std::chrono::sys_days kEpoch =
    std::chrono::sys_days{std::chrono::year{1899} / std::chrono::December / 30};
} // namespace

std::chrono::year_month_day CalendarDate(double dayCount) {
    return std::chrono::year_month_day{kEpoch +
                                       std::chrono::days{static_cast<long>(std::floor(dayCount))}};
}

double DayCount(std::chrono::year_month_day date) {
    return static_cast<double>((std::chrono::sys_days{date} - kEpoch).count());
}

std::string FormatDayCount(double dayCount) {
    const auto d = CalendarDate(dayCount);
    char text[32];
    std::snprintf(text, sizeof text, "%02u/%02u/%04d", static_cast<unsigned>(d.day()),
                  static_cast<unsigned>(d.month()), static_cast<int>(d.year()));
    return text;
}

std::optional<double> ParseDayCount(std::string_view text) {
    int parts[3] = {};
    for (int i = 0; i < 3; ++i) {
        const std::size_t end = i < 2 ? text.find('/') : text.size();
        if (end == std::string_view::npos || end == 0)
            return std::nullopt;
        auto [ptr, ec] = std::from_chars(text.data(), text.data() + end, parts[i]);
        if (ec != std::errc() || ptr != text.data() + end)
            return std::nullopt;
        text.remove_prefix(i < 2 ? end + 1 : end);
    }
    const std::chrono::year_month_day date{std::chrono::year{parts[2]},
                                           std::chrono::month{static_cast<unsigned>(parts[1])},
                                           std::chrono::day{static_cast<unsigned>(parts[0])}};
    if (!date.ok() || parts[0] < 1 || parts[1] < 1)
        return std::nullopt;
    return DayCount(date);
}

} // namespace quintaro
