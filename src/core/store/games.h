#pragma once

#include <array>
#include <chrono>

namespace quintaro {

inline constexpr int kGameTypeCount = 6;

// A day as the draws store it: the day count since 30 December 1899.
constexpr double DayNumber(int year, unsigned month, unsigned day) {
    using namespace std::chrono;
    return static_cast<double>(
        (sys_days{std::chrono::year{year} / std::chrono::month{month} / std::chrono::day{day}} -
         sys_days{std::chrono::year{1899} / December / 30})
            .count());
}

// The prize rules a game follows from a day on: the family of the combination table that pays
// its draws (1 to 6, see core/winnings/prize_rules.h).
struct RulePeriod {
    double from; // the first day of the period; the first period also covers what came before
    int family;  // 0: no such period
};

// What the program knows of each game, by draw type: Loto, Super Loto, Euromillion, New Loto,
// New Super Loto and New Euromillion.
struct GameFacts {
    std::array<RulePeriod, 2> rules; // in date order
    int mainMax;                     // numbers 1 to mainMax
    int secondMax;                   // second set (stars, chance number) 1 to secondMax; 0: none
    bool seventhBallEmpty;           // the draw's seventh ball is stored as 0
    const char* mirrorKey;           // the grid backup's key in the settings, under GRILLES
    int mirrorMain;                  // numbers of each set the grid backup keeps
    int mirrorSecond;
    int simpleMain;   // numbers of each set in a simple bet; a multiple grid holds every
    int simpleSecond; // simple bet its numbers can make
};

// The Loto and Super Loto of 06/03/2017 have nine ranks; the EuroMillions of 27/09/2016 twelve
// stars and new rank 6 and 7.
inline constexpr double kNineRanksLoto = DayNumber(2017, 3, 6);
inline constexpr double kTwelveStarsEuroMillions = DayNumber(2016, 9, 27);

inline constexpr std::array<GameFacts, kGameTypeCount> kGames = {{
    {{{{0, 1}, {0, 0}}}, 49, 0, false, "LOTO", 10, 0, 6, 0},
    {{{{0, 1}, {0, 0}}}, 49, 0, false, "SLOTO", 10, 0, 6, 0},
    {{{{0, 2}, {0, 0}}}, 50, 9, false, "EUROMILLION", 10, 10, 5, 2},
    {{{{0, 3}, {kNineRanksLoto, 5}}}, 49, 10, true, "NLOTO", 10, 10, 5, 1},
    {{{{0, 3}, {kNineRanksLoto, 5}}}, 49, 10, true, "NSLOTO", 10, 10, 5, 1},
    {{{{0, 4}, {kTwelveStarsEuroMillions, 6}}}, 50, 12, false, "NEUROMILLION", 10, 11, 5, 2},
}};

constexpr bool IsGameType(int type) {
    return type >= 0 && type < kGameTypeCount;
}

// The facts of a draw type; the type must be one of the six.
constexpr const GameFacts& Game(int type) {
    return kGames[static_cast<std::size_t>(type)];
}

// The family whose rules pay a draw of the type on that day; 0 for a type that is not a game.
constexpr int FamilyOn(int type, double day) {
    if (!IsGameType(type))
        return 0;
    const auto& rules = Game(type).rules;
    int family = rules[0].family;
    for (std::size_t p = 1; p < rules.size(); ++p)
        if (rules[p].family != 0 && day >= rules[p].from)
            family = rules[p].family;
    return family;
}

// The games whose grids and draws have a second number set: types 2 to 5.
constexpr bool HasSecondSet(int type) {
    return IsGameType(type) && Game(type).secondMax > 0;
}

// The balls of each set a draw brings out: Loto and Super Loto draw seven of their one set (six
// numbers and the complementary ball), the others five numbers and two stars or one chance
// number (their seventh ball empty).
constexpr int DrawnMain(int type) {
    return HasSecondSet(type) ? 5 : 7;
}
constexpr int DrawnSecond(int type) {
    return !HasSecondSet(type) ? 0 : Game(type).seventhBallEmpty ? 1 : 2;
}

// Where a game's second set is stored apart (grids, statistics), and its Joker digits.
constexpr int SecondSeries(int type) {
    return type + 10;
}
constexpr int JokerSeries(int type) {
    return type + 20;
}

} // namespace quintaro
