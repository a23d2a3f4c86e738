#include "core/grids/grid_rules.h"

#include <algorithm>
#include <array>
#include <span>

namespace quintaro {

namespace {

// Indexed by the count of the other set; a count past the end allows nothing.
constexpr std::array<int, 10> kEuroNumbers = {9, 9, 9, 8, 7, 6, 6, 6, 6, 5};
constexpr std::array<int, 11> kNewLotoNumbers = {9, 9, 8, 8, 7, 7, 7, 7, 7, 6, 6};
constexpr std::array<int, 12> kNewEuroNumbers = {10, 10, 10, 9, 8, 7, 7, 6, 6, 6, 6, 6};
constexpr std::array<int, 10> kEuroSeconds = {9, 9, 9, 9, 9, 9, 8, 4, 3, 2};
constexpr std::array<int, 10> kNewLotoSeconds = {10, 10, 10, 10, 10, 10, 10, 8, 3, 1};
constexpr std::array<int, 11> kNewEuroSeconds = {11, 11, 11, 11, 11, 11, 11, 6, 4, 3, 2};

constexpr int kOneSetMostNumbers = 10;

struct LimitTables {
    std::span<const int> numbers; // by second-set values pressed
    std::span<const int> seconds; // by numbers pressed
};

// The tables of the games with a second set: Euromillion, the New Lotos, New Euromillion.
LimitTables TablesOf(int type) {
    if (type == 2)
        return {kEuroNumbers, kEuroSeconds};
    if (HasChanceNumbers(type))
        return {kNewLotoNumbers, kNewLotoSeconds};
    return {kNewEuroNumbers, kNewEuroSeconds};
}

int Lookup(std::span<const int> table, int count) {
    return count >= 0 && count < static_cast<int>(table.size())
               ? table[static_cast<std::size_t>(count)]
               : 0;
}

std::string SecondName(int type, bool plural) {
    return HasChanceNumbers(type) ? "N° Chance" : plural ? "étoiles" : "étoile";
}

// "Le numéro 51", "L'étoile 12", "Le N° Chance 11".
std::string ValueName(int type, bool second, int value) {
    const std::string v = std::to_string(value);
    if (!second)
        return "Le numéro " + v;
    return HasChanceNumbers(type) ? "Le N° Chance " + v : "L'étoile " + v;
}

std::optional<std::string> CheckSet(int type, bool second, const std::vector<int>& values) {
    const int most = second ? Game(type).secondMax : Game(type).mainMax;
    for (std::size_t i = 0; i < values.size(); ++i) {
        const int v = values[i];
        if (v < 1 || v > most)
            return ValueName(type, second, v) + " est hors du jeu (de 1 à " + std::to_string(most) +
                   ")";
        if (std::find(values.begin(), values.begin() + static_cast<std::ptrdiff_t>(i), v) !=
            values.begin() + static_cast<std::ptrdiff_t>(i))
            return ValueName(type, second, v) + (second && !HasChanceNumbers(type)
                                                     ? " est donnée deux fois"
                                                     : " est donné deux fois");
    }
    return std::nullopt;
}

} // namespace

int MostNumbers(int type, int seconds) {
    return HasSecondSet(type) ? Lookup(TablesOf(type).numbers, seconds) : kOneSetMostNumbers;
}

int MostSecondValues(int type, int numbers) {
    return HasSecondSet(type) ? Lookup(TablesOf(type).seconds, std::max(numbers, 0)) : 0;
}

SmallestGrid Smallest(int type) {
    if (!HasSecondSet(type))
        return {6, 0};
    return {5, HasChanceNumbers(type) ? 1 : 2};
}

bool HasChanceNumbers(int type) {
    return type == 3 || type == 4;
}

std::optional<std::string> GridSelection::PressNumber() {
    const int limit = MostNumbers(type_, seconds_);
    if (numbers_ + 1 <= limit) {
        ++numbers_;
        return std::nullopt;
    }
    if (!HasSecondSet(type_))
        return "Vous ne pouvez pas sélectionner plus de dix numéros";
    return "Vous ne pouvez pas sélectionner plus de " + std::to_string(limit) + " numéros avec " +
           std::to_string(seconds_) + (HasChanceNumbers(type_) ? " N° Chance" : " étoiles");
}

std::optional<std::string> GridSelection::PressSecond() {
    const int limit = MostSecondValues(type_, numbers_);
    if (seconds_ + 1 <= limit) {
        ++seconds_;
        return std::nullopt;
    }
    return "Vous ne pouvez pas sélectionner plus de " + std::to_string(limit) + " étoiles";
}

void GridSelection::Show(int numbers, int seconds) {
    numbers_ = numbers;
    seconds_ = seconds;
}

bool GridSelection::CanAdd() const {
    const SmallestGrid smallest = Smallest(type_);
    return numbers_ >= smallest.numbers && seconds_ >= smallest.seconds;
}

std::string GridSelection::Title() const {
    return std::to_string(numbers_) + "/" + std::to_string(seconds_);
}

std::optional<std::string> CheckGrid(int type, const std::vector<int>& numbers,
                                     const std::vector<int>& seconds) {
    if (!HasSecondSet(type) && !seconds.empty())
        return std::string("Ce jeu n'a ni étoile ni N° Chance");
    if (auto refused = CheckSet(type, false, numbers))
        return refused;
    if (auto refused = CheckSet(type, true, seconds))
        return refused;
    GridSelection selection(type);
    for (std::size_t i = 0; i < numbers.size(); ++i)
        if (auto refused = selection.PressNumber())
            return refused;
    for (std::size_t i = 0; i < seconds.size(); ++i)
        if (auto refused = selection.PressSecond())
            return refused;
    if (selection.CanAdd())
        return std::nullopt;
    const SmallestGrid smallest = Smallest(type);
    std::string text =
        "Une grille compte au moins " + std::to_string(smallest.numbers) + " numéros";
    if (smallest.seconds > 0)
        text += " et " + std::to_string(smallest.seconds) + " " +
                SecondName(type, smallest.seconds > 1);
    return text;
}

Grid MakeGrid(std::vector<int> numbers, std::vector<int> seconds) {
    Grid grid;
    FillSet(grid.main, std::move(numbers));
    FillSet(grid.second, std::move(seconds));
    return grid;
}

} // namespace quintaro
