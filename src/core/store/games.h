#pragma once

#include <array>

namespace quintaro {

inline constexpr int kGameTypeCount = 6;

// What the program knows of each game, by draw type: Loto, Super Loto, Euromillion, New Loto,
// New Super Loto and New Euromillion.
struct GameFacts {
    int family;            // the prize rules and combination table family, 1 to 4
    int mainMax;           // numbers 1 to mainMax
    int secondMax;         // second set (stars, chance number) 1 to secondMax; 0: none
    bool seventhBallEmpty; // the draw's seventh ball is stored as 0
    const char* mirrorKey; // the grid backup's key in the settings, under GRILLES
    int mirrorMain;        // numbers of each set the grid backup keeps
    int mirrorSecond;
    int simpleMain;   // numbers of each set in a simple bet; a multiple grid holds every
    int simpleSecond; // simple bet its numbers can make
};

inline constexpr std::array<GameFacts, kGameTypeCount> kGames = {{
    {1, 49, 0, false, "LOTO", 10, 0, 6, 0},
    {1, 49, 0, false, "SLOTO", 10, 0, 6, 0},
    {2, 50, 9, false, "EUROMILLION", 10, 10, 5, 2},
    {3, 49, 10, true, "NLOTO", 10, 10, 5, 1},
    {3, 49, 10, true, "NSLOTO", 10, 10, 5, 1},
    {4, 50, 11, false, "NEUROMILLION", 10, 11, 5, 2},
}};

constexpr bool IsGameType(int type) {
    return type >= 0 && type < kGameTypeCount;
}

// The facts of a draw type; the type must be one of the six.
constexpr const GameFacts& Game(int type) {
    return kGames[static_cast<std::size_t>(type)];
}

// The games whose grids and draws have a second number set: types 2 to 5.
constexpr bool HasSecondSet(int type) {
    return IsGameType(type) && Game(type).secondMax > 0;
}

// Where a game's second set is stored apart (grids, statistics), and its Joker digits.
constexpr int SecondSeries(int type) {
    return type + 10;
}
constexpr int JokerSeries(int type) {
    return type + 20;
}

} // namespace quintaro
