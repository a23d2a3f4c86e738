#pragma once

#include "core/store/games.h"

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

} // namespace quintaro
