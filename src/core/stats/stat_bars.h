#pragma once

#include "core/stats/statistics.h"

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

namespace quintaro {

// What a bar chart of a series shows: one bar per value, in ascending value, with its titles.
struct StatBars {
    std::string title;
    std::string valueAxis;
    std::string countAxis;
    std::vector<std::int32_t> values;
    std::vector<double> heights;
    // The frequency chart's line: how often each value comes out in as many fair draws.
    std::optional<double> expected;
    std::string expectedName;
};

// How many values of a series one draw brings out, and how many values it can take: 7 of 49
// for the Loto numbers, 2 of 9 for the Euromillion stars, 7 of 10 for the Joker digits. 0 for a
// series no game has.
int ValuesPerDraw(int series);
int PoolSize(int series);
// How often each value of a series comes out in `draws` fair draws: draws × values per draw ÷
// pool size.
std::optional<double> ExpectedCount(int series, std::int64_t draws);

// How often each value came out, beside the expected count of the series' `draws` draws.
StatBars FrequencyBars(int series, std::vector<StatRow> rows, std::int64_t draws);
// How many draws have passed since each value came out; a series without draws has no gaps.
StatBars GapBars(int series, std::vector<StatRow> rows);

} // namespace quintaro
