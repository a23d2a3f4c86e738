#include "core/grids/grid_rules.h"
#include "core/grids/grid_texts.h"

#include <gtest/gtest.h>

namespace quintaro {
namespace {

TEST(GridTexts, QuestionsWriteTheNumbersThenTheSecondSet) {
    const Grid loto = MakeGrid({3, 12, 25, 31, 40, 49}, {});
    const Grid euro = MakeGrid({5, 17, 22, 38, 44}, {2, 9});
    EXPECT_EQ(GridText(euro), " (5) (17) (22) (38) (44) (E2) (E9)");
    EXPECT_EQ(AddQuestion(loto),
              "Etes vous sur de vouloir ajouter la grille :  (3) (12) (25) (31) (40) (49)");
    EXPECT_EQ(ModifyQuestion(loto, MakeGrid({1, 2, 3, 4, 5, 6}, {})),
              "Etes vous sur de vouloir modifier la grille :  (3) (12) (25) (31) (40) (49)\r"
              "par la grille  :  (1) (2) (3) (4) (5) (6)");
    // Chance numbers are written as the stars are.
    EXPECT_EQ(DeleteQuestion(MakeGrid({1, 2, 3, 4, 5}, {10})),
              "Etes vous sur de vouloir supprimer la grille :  (1) (2) (3) (4) (5) (E10)");
}

TEST(GridTexts, TheListHasTheColumnsOfItsGame) {
    struct Case {
        int type;
        std::size_t numbers, seconds;
        const char* lastHeading;
    };
    const Case cases[] = {
        {0, 10, 0, "B10"}, {1, 10, 0, "B10"}, {2, 9, 9, "E9"},
        {3, 9, 10, "C10"}, {4, 9, 10, "C10"}, {5, 10, 11, "E11"},
    };
    for (const Case& c : cases) {
        const std::vector<std::string> headings = GridColumns(c.type);
        ASSERT_EQ(headings.size(), c.numbers + c.seconds) << c.type;
        EXPECT_EQ(headings.front(), "B1");
        EXPECT_EQ(headings[c.numbers - 1], "B" + std::to_string(c.numbers)) << c.type;
        EXPECT_EQ(headings.back(), c.lastHeading) << c.type;
    }
}

TEST(GridTexts, ARowShowsEachSetInItsColumns) {
    const std::vector<std::string> row = GridRowCells(3, MakeGrid({4, 19, 28, 36, 45, 47}, {2, 7}));
    ASSERT_EQ(row.size(), 19u);
    EXPECT_EQ(std::vector<std::string>(row.begin(), row.begin() + 7),
              (std::vector<std::string>{"4", "19", "28", "36", "45", "47", ""}));
    EXPECT_EQ(row[9], "2");
    EXPECT_EQ(row[10], "7");
    EXPECT_EQ(row[11], "");
    const std::vector<std::string> loto =
        GridRowCells(0, MakeGrid({1, 2, 3, 4, 5, 6, 7, 8, 9, 10}, {}));
    EXPECT_EQ(loto.back(), "10");
}

} // namespace
} // namespace quintaro
