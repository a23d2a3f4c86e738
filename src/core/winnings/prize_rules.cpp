#include "core/winnings/prize_rules.h"

#include <array>

namespace quintaro {

namespace {

std::uint64_t Binomial(int n, int k) {
    if (n < 0 || k < 0 || k > n)
        return 0;
    std::uint64_t c = 1;
    for (int i = 1; i <= k; ++i)
        c = c * static_cast<std::uint64_t>(n - k + i) / static_cast<std::uint64_t>(i);
    return c;
}

struct Hit {
    int numbers;
    int second;
};

// Loto: 6 of 49 and the complementary ball; rank -> numbers drawn, complementary ball.
constexpr std::array<Hit, 7> kLotoRanks = {
    {{6, 0}, {5, 1}, {5, 0}, {4, 1}, {4, 0}, {3, 1}, {3, 0}}};
// Euromillion: 5 numbers and 2 stars; rank -> numbers, stars.
constexpr std::array<Hit, 12> kEuromillionRanks = {{{5, 2},
                                                    {5, 1},
                                                    {5, 0},
                                                    {4, 2},
                                                    {4, 1},
                                                    {4, 0},
                                                    {3, 2},
                                                    {3, 1},
                                                    {2, 2},
                                                    {3, 0},
                                                    {1, 2},
                                                    {2, 1}}};
constexpr std::array<Hit, 13> kNewEuromillionRanks = {{{5, 2},
                                                       {5, 1},
                                                       {5, 0},
                                                       {4, 2},
                                                       {4, 1},
                                                       {4, 0},
                                                       {3, 2},
                                                       {2, 2},
                                                       {3, 1},
                                                       {3, 0},
                                                       {1, 2},
                                                       {2, 1},
                                                       {2, 0}}};

// Combinations of a grid with j of its drawn numbers and t of its drawn second-set numbers,
// for a simple bet of `pick` numbers and `secondPick` second-set numbers.
std::uint64_t WithHits(int played, int secondPlayed, int matched, int secondMatched, int pick,
                       int secondPick, Hit hit) {
    return Binomial(matched, hit.numbers) * Binomial(played - matched, pick - hit.numbers) *
           Binomial(secondMatched, hit.second) *
           Binomial(secondPlayed - secondMatched, secondPick - hit.second);
}

std::uint64_t LotoCount(int played, int matched, int complementary, int rank) {
    if (rank > static_cast<int>(kLotoRanks.size()) || complementary > 1)
        return 0;
    const Hit hit = kLotoRanks[rank - 1];
    // The complementary ball is one of the grid's numbers but not a drawn main number.
    return Binomial(matched, hit.numbers) * Binomial(complementary, hit.second) *
           Binomial(played - matched - complementary, 6 - hit.numbers - hit.second);
}

template <std::size_t N>
std::uint64_t StarsCount(const std::array<Hit, N>& ranks, int played, int stars, int matched,
                         int starsMatched, int rank) {
    if (rank > static_cast<int>(N) || starsMatched > 2)
        return 0;
    return WithHits(played, stars, matched, starsMatched, 5, 2, ranks[rank - 1]);
}

std::uint64_t ChanceCount(int played, int chances, int matched, int chanceMatched, int rank) {
    if (chanceMatched > 1)
        return 0;
    auto count = [&](int numbers, int chance) {
        return WithHits(played, chances, matched, chanceMatched, 5, 1, {numbers, chance});
    };
    switch (rank) {
    case 1:
        return count(5, 1);
    case 2:
        return count(5, 0);
    case 3:
    case 4:
    case 5:
        return count(7 - rank, 0) + count(7 - rank, 1);
    case 6:
        return count(0, 1) + count(1, 1);
    default:
        return 0;
    }
}

} // namespace

std::uint64_t CombinationCount(int family, int played, int secondPlayed, int matched,
                               int secondMatched, int rank) {
    if (rank < 1 || rank > kRankCount || matched < 0 || secondMatched < 0 || matched > played ||
        secondMatched > secondPlayed + (family == 1 ? 1 : 0))
        return 0;
    switch (family) {
    case 1:
        if (secondPlayed != 0 || matched > 6)
            return 0;
        return LotoCount(played, matched, secondMatched, rank);
    case 2:
        return matched > 5 ? 0
                           : StarsCount(kEuromillionRanks, played, secondPlayed, matched,
                                        secondMatched, rank);
    case 3:
        return matched > 5 ? 0 : ChanceCount(played, secondPlayed, matched, secondMatched, rank);
    case 4:
        return matched > 5 ? 0
                           : StarsCount(kNewEuromillionRanks, played, secondPlayed, matched,
                                        secondMatched, rank);
    default:
        return 0;
    }
}

} // namespace quintaro
