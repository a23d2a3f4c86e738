#pragma once

#include <cstdint>

namespace quintaro {

// The prize-rank rules of the game families, in the rank numbering of the results files:
// 1 Loto and Super Loto, 2 Euromillion, 3 New Loto and New Super Loto, 4 New Euromillion.
inline constexpr int kFamilyCount = 4;
inline constexpr int kRankCount = 13;

// How many of the simple combinations contained in a grid of `played` numbers and
// `secondPlayed` second-set numbers (stars, chance numbers), of which `matched` numbers and
// `secondMatched` second-set numbers were drawn, win rank `rank`. For family 1,
// `secondMatched` is 1 when the complementary ball is among the grid's numbers. Situations
// that no draw can produce, and grids smaller than a simple bet, count 0.
std::uint64_t CombinationCount(int family, int played, int secondPlayed, int matched,
                               int secondMatched, int rank);

} // namespace quintaro
