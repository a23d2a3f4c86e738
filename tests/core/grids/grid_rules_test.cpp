#include "core/grids/grid_rules.h"

#include <gtest/gtest.h>

namespace quintaro {
namespace {

TEST(GridLimits, TablesOfEachGame) {
    struct Case {
        int type, count, mostNumbers, mostSeconds;
    };
    // mostNumbers with `count` second-set values, mostSeconds with `count` numbers.
    const Case cases[] = {
        {0, 0, 10, 0}, {1, 3, 10, 0}, {2, 0, 9, 9},   {2, 2, 9, 9},  {2, 3, 8, 9},  {2, 4, 7, 9},
        {2, 5, 6, 9},  {2, 6, 6, 8},  {2, 7, 6, 4},   {2, 8, 6, 3},  {2, 9, 5, 2},  {2, 10, 0, 0},
        {3, 1, 9, 10}, {3, 2, 8, 10}, {3, 4, 7, 10},  {3, 7, 7, 8},  {3, 8, 7, 3},  {3, 9, 6, 1},
        {4, 10, 6, 0}, {4, 11, 0, 0}, {5, 2, 10, 11}, {5, 3, 9, 11}, {5, 4, 8, 11}, {5, 5, 7, 11},
        {5, 6, 7, 11}, {5, 7, 6, 6},  {5, 8, 6, 4},   {5, 9, 6, 3},  {5, 10, 6, 2}, {5, 11, 6, 0},
        {5, 12, 0, 0},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(MostNumbers(c.type, c.count), c.mostNumbers) << c.type << " " << c.count;
        EXPECT_EQ(MostSecondValues(c.type, c.count), c.mostSeconds) << c.type << " " << c.count;
    }
}

// Presses numbers then second-set values; the first refusal, or nothing.
std::optional<std::string> Press(GridSelection& selection, int numbers, int seconds) {
    for (int i = 0; i < numbers; ++i)
        if (auto refused = selection.PressNumber())
            return refused;
    for (int i = 0; i < seconds; ++i)
        if (auto refused = selection.PressSecond())
            return refused;
    return std::nullopt;
}

TEST(GridSelection, APressPastTheLimitIsRefusedWithTheEditorsMessage) {
    GridSelection loto(0);
    EXPECT_EQ(Press(loto, 10, 0), std::nullopt);
    EXPECT_EQ(loto.PressNumber(), "Vous ne pouvez pas sélectionner plus de dix numéros");
    EXPECT_EQ(loto.Numbers(), 10);

    GridSelection euro(2);
    EXPECT_EQ(Press(euro, 0, 3), std::nullopt);
    EXPECT_EQ(Press(euro, 8, 0), std::nullopt);
    EXPECT_EQ(euro.PressNumber(),
              "Vous ne pouvez pas sélectionner plus de 8 numéros avec 3 étoiles");
    EXPECT_EQ(euro.Numbers(), 8);

    GridSelection newLoto(3);
    EXPECT_EQ(Press(newLoto, 7, 8), std::nullopt);
    EXPECT_EQ(newLoto.PressSecond(), "Vous ne pouvez pas sélectionner plus de 8 étoiles");
    EXPECT_EQ(newLoto.Seconds(), 8);
    newLoto.ReleaseNumber();
    newLoto.ReleaseSecond();
    EXPECT_EQ(Press(newLoto, 0, 2), std::nullopt); // 6 numbers, 9 chance numbers
    EXPECT_EQ(newLoto.PressNumber(),
              "Vous ne pouvez pas sélectionner plus de 6 numéros avec 9 N° Chance");

    GridSelection newEuro(5);
    EXPECT_EQ(Press(newEuro, 0, 10), std::nullopt);
    EXPECT_EQ(Press(newEuro, 6, 0), std::nullopt);
    EXPECT_EQ(newEuro.PressNumber(),
              "Vous ne pouvez pas sélectionner plus de 6 numéros avec 10 étoiles");
    EXPECT_EQ(newEuro.Title(), "6/10");
}

TEST(GridSelection, AGridCanBeAddedFromTheSmallestGridOfItsGame) {
    struct Case {
        int type, numbers, seconds;
        bool canAdd;
    };
    const Case cases[] = {
        {0, 5, 0, false}, {0, 6, 0, true}, {1, 10, 0, true}, {2, 5, 1, false},
        {2, 4, 2, false}, {2, 5, 2, true}, {3, 5, 0, false}, {3, 5, 1, true},
        {4, 4, 3, false}, {4, 7, 1, true}, {5, 5, 1, false}, {5, 5, 2, true},
    };
    for (const Case& c : cases) {
        GridSelection selection(c.type);
        ASSERT_EQ(Press(selection, c.numbers, c.seconds), std::nullopt);
        EXPECT_EQ(selection.CanAdd(), c.canAdd) << c.type << ": " << c.numbers << "/" << c.seconds;
    }
}

TEST(GridSelection, AStoredGridIsShownWithoutTheLimits) {
    GridSelection euro(2);
    euro.Show(9, 9);
    EXPECT_EQ(euro.Title(), "9/9");
    EXPECT_TRUE(euro.CanAdd());
    // Beyond the limits nothing more is taken, and a release counts down.
    EXPECT_TRUE(euro.PressSecond().has_value());
    EXPECT_EQ(euro.Seconds(), 9);
    euro.ReleaseNumber();
    EXPECT_EQ(euro.Title(), "8/9");
    euro.Clear();
    EXPECT_EQ(euro.Title(), "0/0");
    EXPECT_FALSE(euro.CanAdd());
}

TEST(CheckGrid, AWholeGridIsHeldToTheEditorsRules) {
    struct Case {
        int type;
        std::vector<int> numbers, seconds;
        std::optional<std::string> refusal;
    };
    const Case cases[] = {
        {0, {3, 12, 25, 31, 40, 49}, {}, std::nullopt},
        {5, {1, 2, 3, 4, 5, 6}, {1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 11}, std::nullopt},
        {0,
         {1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 11},
         {},
         "Vous ne pouvez pas sélectionner plus de dix numéros"},
        {2,
         {1, 2, 3, 4, 5, 6, 7, 8, 9},
         {1, 2, 3},
         "Vous ne pouvez pas sélectionner plus de 2 étoiles"},
        {2,
         {1, 2, 3, 4, 5, 6, 7, 8, 9, 10},
         {1, 2},
         "Vous ne pouvez pas sélectionner plus de 9 numéros avec 0 étoiles"},
        {0, {1, 2, 3, 4, 5}, {}, "Une grille compte au moins 6 numéros"},
        {2, {1, 2, 3, 4, 5}, {1}, "Une grille compte au moins 5 numéros et 2 étoiles"},
        {4, {1, 2, 3, 4}, {1}, "Une grille compte au moins 5 numéros et 1 N° Chance"},
        {1, {1, 2, 3, 4, 5, 6}, {1}, "Ce jeu n'a ni étoile ni N° Chance"},
        {0, {1, 2, 3, 4, 5, 50}, {}, "Le numéro 50 est hors du jeu (de 1 à 49)"},
        {2, {0, 2, 3, 4, 5}, {1, 2}, "Le numéro 0 est hors du jeu (de 1 à 50)"},
        {2, {1, 2, 3, 4, 5}, {1, 10}, "L'étoile 10 est hors du jeu (de 1 à 9)"},
        {3, {1, 2, 3, 4, 5}, {11}, "Le N° Chance 11 est hors du jeu (de 1 à 10)"},
        {5, {1, 2, 3, 4, 5}, {12, 13}, "L'étoile 13 est hors du jeu (de 1 à 12)"},
        {5, {1, 2, 3, 4, 5}, {11, 12}, std::nullopt},
        {0, {1, 2, 3, 4, 5, 5}, {}, "Le numéro 5 est donné deux fois"},
        {5, {1, 2, 3, 4, 5}, {2, 2}, "L'étoile 2 est donnée deux fois"},
    };
    for (const Case& c : cases)
        EXPECT_EQ(CheckGrid(c.type, c.numbers, c.seconds), c.refusal)
            << c.type << " " << testing::PrintToString(c.numbers);
}

TEST(MakeGrid, EachSetInAscendingOrderThenZeros) {
    const Grid grid = MakeGrid({49, 5, 23}, {9, 2});
    EXPECT_EQ(grid.main, (GridSet{5, 23, 49}));
    EXPECT_EQ(grid.second, (GridSet{2, 9}));
}

} // namespace
} // namespace quintaro
