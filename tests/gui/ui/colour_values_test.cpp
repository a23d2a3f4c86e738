#include "gui/ui/colour_values.h"

#include <gtest/gtest.h>

namespace quintaro {
namespace {

TEST(ColourValues, SystemColoursComeFromThePalette) {
    QPalette palette;
    palette.setColor(QPalette::Button, QColor(1, 1, 1));
    palette.setColor(QPalette::Shadow, QColor(2, 2, 2));
    palette.setColor(QPalette::Midlight, QColor(3, 3, 3));
    palette.setColor(QPalette::WindowText, QColor(4, 4, 4));
    EXPECT_EQ(ToQColor(0xFF00000F, palette), QColor(1, 1, 1));
    EXPECT_EQ(ToQColor(0xFF000015, palette), QColor(2, 2, 2));
    EXPECT_EQ(ToQColor(0xFF000016, palette), QColor(3, 3, 3));
    EXPECT_EQ(ToQColor(0xFF000008, palette), QColor(4, 4, 4));
    EXPECT_EQ(ToQColor(16311512, palette), QColor(216, 228, 248));
    EXPECT_EQ(FromQColor(QColor(255, 251, 240)), 15793151u);
}

} // namespace
} // namespace quintaro
