#pragma once

#include "core/store/games.h"

#include <algorithm>
#include <array>
#include <cstdint>
#include <vector>

namespace quintaro {

inline constexpr int kGridSlots = 11;

using GridSet = std::array<std::uint8_t, kGridSlots>;

// One player's grid: its numbers in ascending order followed by zeros, and for the games
// with stars or a chance number the second set in the same way (all zeros for Loto and
// Super Loto).
struct Grid {
    GridSet main{};
    GridSet second{};
    bool operator==(const Grid&) const = default;
};

using GridList = std::vector<Grid>;

// Puts numbers into a set in ascending order; the set has room for 11, the rest is dropped.
template <class Number> void FillSet(GridSet& set, std::vector<Number> numbers) {
    std::sort(numbers.begin(), numbers.end());
    for (std::size_t i = 0; i < numbers.size() && i < set.size(); ++i)
        set[i] = static_cast<std::uint8_t>(numbers[i]);
}

} // namespace quintaro
