#pragma once

#include "core/store/grid.h"

#include <optional>
#include <string>
#include <vector>

namespace quintaro {

// The limits of a multiple grid. The most numbers a grid of the game can hold with `seconds`
// second-set values (stars, chance numbers), and the most second-set values with `numbers`
// numbers; 0 where the game allows no such grid.
int MostNumbers(int type, int seconds);
int MostSecondValues(int type, int numbers);

// The smallest grid that can be added: 6 numbers for Loto and Super Loto, 5 numbers and 2
// stars for the Euromillions, 5 numbers and 1 chance number for the New Lotos.
struct SmallestGrid {
    int numbers;
    int seconds;
};
SmallestGrid Smallest(int type);

// The second set of New Loto and New Super Loto holds chance numbers, the others' stars.
bool HasChanceNumbers(int type);

// The counts of the buttons pressed in the grid editor, held to the limits of the game.
class GridSelection {
public:
    explicit GridSelection(int type = 0) : type_(type) {}

    int Type() const { return type_; }
    int Numbers() const { return numbers_; }
    int Seconds() const { return seconds_; }

    // A button pressed: counted, or refused with the message to show, the count unchanged
    // (the editor then releases the button).
    std::optional<std::string> PressNumber();
    std::optional<std::string> PressSecond();
    void ReleaseNumber() { --numbers_; }
    void ReleaseSecond() { --seconds_; }
    // A stored grid shown: its counts, with no limit applied.
    void Show(int numbers, int seconds);
    void Clear() { Show(0, 0); }

    // The selection reaches the smallest grid of its game.
    bool CanAdd() const;
    // "7/2": the numbers and the second-set values pressed.
    std::string Title() const;

private:
    int type_;
    int numbers_ = 0;
    int seconds_ = 0;
};

// A whole grid as the editor would have it pressed, numbers first then the second set, in
// the game's ranges, each value once, up to the smallest grid: the first refusal's message.
std::optional<std::string> CheckGrid(int type, const std::vector<int>& numbers,
                                     const std::vector<int>& seconds);

// The grid the store holds for these values: each set in ascending order, then zeros.
Grid MakeGrid(std::vector<int> numbers, std::vector<int> seconds);

} // namespace quintaro
