#pragma once

#include <array>
#include <cstdint>
#include <string>

namespace quintaro {

// The prize-rank rules of the game families, in the rank numbering of the results files:
// 1 Loto and Super Loto, 2 Euromillion, 3 New Loto and New Super Loto up to March 2017,
// 4 New Euromillion up to September 2016, 5 New Loto and New Super Loto since (nine ranks),
// 6 New Euromillion since (twelve stars, ranks 6 and 7 swapped). The games table says which
// family pays a draw of each date.
inline constexpr int kFamilyCount = 6;
inline constexpr int kRankCount = 13;

// How many of the simple combinations contained in a grid of `played` numbers and
// `secondPlayed` second-set numbers (stars, chance numbers), of which `matched` numbers and
// `secondMatched` second-set numbers were drawn, win rank `rank`. For family 1,
// `secondMatched` is 1 when the complementary ball is among the grid's numbers. Situations
// that no draw can produce, and grids smaller than a simple bet, count 0.
std::uint64_t CombinationCount(int family, int played, int secondPlayed, int matched,
                               int secondMatched, int rank);

// Whether a grid with these hits holds a combination that wins some rank, by
// [matched 0..6][second matched 0..2] (more hits win as those); its prize can still be 0 when
// the draw's amounts are unknown. All false for a family that does not exist.
using WinningHits = std::array<std::array<bool, 3>, 7>;
const WinningHits& WinningHitsOf(int family);

// The families whose second set is one chance number, where a grid wins with no number
// drawn: their table keeps those counts at the place of matched 6.
constexpr bool HasChanceNumber(int family) {
    return family == 3 || family == 5;
}

// What rank `rank` of a family pays for: "5+2", "4+compl.", "3+C", "4" (with or without the
// chance number), "1+C ou 0+C"; empty for a rank the family does not have.
std::string RankCombination(int family, int rank);

} // namespace quintaro
