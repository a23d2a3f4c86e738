#pragma once

#include <optional>
#include <string>

namespace quintaro {

// What a game's second set is called: stars or a chance number.
enum class SecondSetKind { None, Stars, Chance };

// The side lists of the statistics view for a game: its second set's list (None: hidden) and
// its Joker digits' list.
struct StatSideLists {
    SecondSetKind second;
    bool joker;
};
// nullopt for an index that names no game: the lists stay as they are.
std::optional<StatSideLists> StatSideListsOf(int type);
// "Statistique Etoile" or "Statistique N° Chance"; empty for None.
std::string SecondListCaption(SecondSetKind kind);
inline constexpr const char* kJokerListCaption = "Statistique Joker";

// Which of its game's lists a series fills: the main numbers (the game's type), the second set
// (type + 10) or the Joker digits (type + 20).
enum class StatListKind { Main, Second, Joker };
StatListKind ListKindOf(int series);
int GameOfSeries(int series);

} // namespace quintaro
