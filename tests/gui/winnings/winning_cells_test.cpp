#include "gui/winnings/winning_cells.h"
#include "support/french_regional_format.h"

#include <gtest/gtest.h>

namespace quintaro {
namespace {

class WinningCellsTest : public ::testing::Test {
protected:
    test::FrenchRegionalFormat french;
};

TEST_F(WinningCellsTest, ANumbersHitMarkGivesItsBackgroundAndIsNotShown) {
    const QPalette palette;
    const QColor light = ShadeColour(CellShade::MainColumn, palette);
    const QColor green(0, 128, 0), red(255, 0, 0);
    const struct {
        const char* code;
        QColor background;
        const char* shown;
    } cases[] = {
        {"5", light, "5"},    {"49", light, "49"},  {"", light, ""},   {"101", green, "1"},
        {"117", green, "17"}, {"149", green, "49"}, {"207", red, "7"}, {"210", red, "10"},
    };
    for (const auto& c : cases) {
        const CellLook look = NumberCellLook(CellShade::MainColumn, c.code);
        EXPECT_EQ(ShadeColour(look.shade, palette), c.background) << c.code;
        EXPECT_EQ(look.text, c.shown) << c.code;
    }
    EXPECT_EQ(ShadeColour(CellShade::Other, palette), QColor(128, 128, 128));
}

} // namespace
} // namespace quintaro
