#include "core/winnings/prize_rules.h"

#include <algorithm>
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

// What a simple combination of a rank holds of the draw: its drawn numbers and drawn
// second-set numbers (for Loto the complementary ball), kEither when the second set plays no
// part.
constexpr int kEither = -1;
struct Hit {
    int numbers = 0;
    int second = 0;
};
// A rank is won by one kind of combination, or two ("1+C ou 0+C").
struct Rank {
    std::array<Hit, 2> hits{};
    int alternatives = 0;
};
constexpr Rank R(int numbers, int second) {
    return {{{{numbers, second}, {}}}, 1};
}
constexpr Rank R(Hit a, Hit b) {
    return {{{a, b}}, 2};
}

// How the second set of a family is drawn and played.
enum class SecondSet {
    Complementary, // Loto: the complementary ball, drawn among the numbers, never played
    Stars,         // two stars drawn, two in a simple bet
    Chance,        // one chance number drawn, one in a simple bet
};

// A simple bet and a draw of the family.
struct Bet {
    int pick;       // numbers of a simple bet
    int drawn;      // main numbers of a draw
    int secondPick; // second-set numbers of a simple bet and of a draw
};

struct FamilyRules {
    SecondSet kind;
    Bet bet;
    std::array<Rank, kRankCount> ranks; // the family's ranks first, then empty ones

    constexpr int RankCount() const {
        int count = 0;
        while (count < kRankCount && ranks[static_cast<std::size_t>(count)].alternatives > 0)
            ++count;
        return count;
    }
};

// clang-format off
constexpr FamilyRules kLoto = {SecondSet::Complementary, {6, 6, 1},
    {R(6, 0), R(5, 1), R(5, 0), R(4, 1), R(4, 0), R(3, 1), R(3, 0)}};
constexpr FamilyRules kEuromillion = {SecondSet::Stars, {5, 5, 2},
    {R(5, 2), R(5, 1), R(5, 0), R(4, 2), R(4, 1), R(4, 0), R(3, 2), R(3, 1), R(2, 2), R(3, 0),
     R(1, 2), R(2, 1)}};
constexpr FamilyRules kNewLoto = {SecondSet::Chance, {5, 5, 1},
    {R(5, 1), R(5, 0), R(4, kEither), R(3, kEither), R(2, kEither), R({1, 1}, {0, 1})}};
constexpr FamilyRules kNewEuromillion = {SecondSet::Stars, {5, 5, 2},
    {R(5, 2), R(5, 1), R(5, 0), R(4, 2), R(4, 1), R(4, 0), R(3, 2), R(2, 2), R(3, 1), R(3, 0),
     R(1, 2), R(2, 1), R(2, 0)}};
constexpr FamilyRules kLoto2017 = {SecondSet::Chance, {5, 5, 1},
    {R(5, 1), R(5, 0), R(4, 1), R(4, 0), R(3, 1), R(3, 0), R(2, 1), R(2, 0), R({1, 1}, {0, 1})}};
constexpr FamilyRules kEuroMillions2016 = {SecondSet::Stars, {5, 5, 2},
    {R(5, 2), R(5, 1), R(5, 0), R(4, 2), R(4, 1), R(3, 2), R(4, 0), R(2, 2), R(3, 1), R(3, 0),
     R(1, 2), R(2, 1), R(2, 0)}};
// clang-format on

constexpr std::array<const FamilyRules*, kFamilyCount> kFamilies = {
    &kLoto, &kEuromillion, &kNewLoto, &kNewEuromillion, &kLoto2017, &kEuroMillions2016};

const FamilyRules* RulesOf(int family) {
    return family >= 1 && family <= kFamilyCount ? kFamilies[static_cast<std::size_t>(family - 1)]
                                                 : nullptr;
}

// Combinations of a grid that hold exactly `hit` of the draw.
std::uint64_t WithHit(const FamilyRules& f, int played, int secondPlayed, int matched,
                      int secondMatched, Hit hit) {
    if (f.kind == SecondSet::Complementary)
        // The complementary ball is one of the grid's numbers but not a drawn main number.
        return Binomial(matched, hit.numbers) * Binomial(secondMatched, hit.second) *
               Binomial(played - matched - secondMatched, f.bet.pick - hit.numbers - hit.second);
    const std::uint64_t numbers =
        Binomial(matched, hit.numbers) * Binomial(played - matched, f.bet.pick - hit.numbers);
    auto second = [&](int t) {
        return Binomial(secondMatched, t) *
               Binomial(secondPlayed - secondMatched, f.bet.secondPick - t);
    };
    if (hit.second != kEither)
        return numbers * second(hit.second);
    std::uint64_t any = 0;
    for (int t = 0; t <= f.bet.secondPick; ++t)
        any += second(t);
    return numbers * any;
}

bool Holds(Hit hit, int matched, int secondMatched) {
    return matched >= hit.numbers && (hit.second == kEither || secondMatched >= hit.second);
}

std::string HitText(SecondSet kind, Hit hit) {
    std::string text = std::to_string(hit.numbers);
    if (hit.second == kEither || (hit.second == 0 && kind != SecondSet::Stars))
        return text;
    if (kind == SecondSet::Complementary)
        return text + "+compl.";
    return text + (kind == SecondSet::Chance ? "+C" : "+" + std::to_string(hit.second));
}

} // namespace

std::uint64_t CombinationCount(int family, int played, int secondPlayed, int matched,
                               int secondMatched, int rank) {
    const FamilyRules* f = RulesOf(family);
    const bool complementary = f && f->kind == SecondSet::Complementary;
    if (!f || rank < 1 || rank > f->RankCount() || matched < 0 || secondMatched < 0 ||
        matched > played || matched > f->bet.drawn ||
        secondMatched > secondPlayed + (complementary ? 1 : 0) ||
        secondMatched > f->bet.secondPick || (complementary && secondPlayed != 0))
        return 0;
    const Rank& r = f->ranks[static_cast<std::size_t>(rank - 1)];
    std::uint64_t count = 0;
    for (int a = 0; a < r.alternatives; ++a)
        count += WithHit(*f, played, secondPlayed, matched, secondMatched,
                         r.hits[static_cast<std::size_t>(a)]);
    return count;
}

const WinningHits& WinningHitsOf(int family) {
    static const auto tables = [] {
        std::array<WinningHits, kFamilyCount + 1> table{}; // index 0: no family, nothing wins
        for (int family = 1; family <= kFamilyCount; ++family) {
            const FamilyRules& f = *RulesOf(family);
            for (int m = 0; m <= 6; ++m)
                for (int s = 0; s <= 2; ++s)
                    for (int rank = 0; rank < f.RankCount(); ++rank) {
                        const Rank& r = f.ranks[static_cast<std::size_t>(rank)];
                        for (int a = 0; a < r.alternatives; ++a)
                            if (Holds(r.hits[static_cast<std::size_t>(a)], m, s))
                                table[static_cast<std::size_t>(family)][static_cast<std::size_t>(m)]
                                     [static_cast<std::size_t>(s)] = true;
                    }
        }
        return table;
    }();
    return tables[family >= 1 && family <= kFamilyCount ? static_cast<std::size_t>(family) : 0];
}

std::string RankCombination(int family, int rank) {
    const FamilyRules* f = RulesOf(family);
    if (!f || rank < 1 || rank > f->RankCount())
        return {};
    const Rank& r = f->ranks[static_cast<std::size_t>(rank - 1)];
    std::string text;
    for (int a = 0; a < r.alternatives; ++a)
        text += (a ? " ou " : "") + HitText(f->kind, r.hits[static_cast<std::size_t>(a)]);
    return text;
}

} // namespace quintaro
