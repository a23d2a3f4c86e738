#pragma once

#include <chrono>
#include <optional>
#include <string>
#include <string_view>

namespace quintaro {

// Dates are day counts since 30 December 1899, the fraction being the time of day.
std::chrono::year_month_day CalendarDate(double dayCount);
double DayCount(std::chrono::year_month_day date);

// dd/mm/yyyy.
std::string FormatDayCount(double dayCount);
// A valid dd/mm/yyyy date, or nullopt.
std::optional<double> ParseDayCount(std::string_view text);

} // namespace quintaro
