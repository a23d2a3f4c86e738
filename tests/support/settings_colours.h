#pragma once

#include "core/settings/configuration_settings.h"
#include "gui/ui/ox_dbgrid.h"

#include <QColor>
#include <gtest/gtest.h>

namespace quintaro::test {

// Five colours of the settings that no grid starts with, and the check that a grid took them.
inline void SetDistinctColours(CurrentSettings& current) {
    current.couleurligne1 = Rgb(1, 2, 3);
    current.couleurligne2 = Rgb(4, 5, 6);
    current.couleurselection = Rgb(7, 8, 9);
    current.couleurtitre = Rgb(10, 11, 12);
    current.couleurtitretrie = Rgb(13, 14, 15);
}

inline void ExpectDistinctColours(const TOxDbgrid& grid) {
    EXPECT_EQ(grid.Alt1Color(), QColor(1, 2, 3));
    EXPECT_EQ(grid.AltColor(), QColor(4, 5, 6));
    EXPECT_EQ(grid.HighLightColor(), QColor(7, 8, 9));
    EXPECT_EQ(grid.FixedColor(), QColor(10, 11, 12));
    EXPECT_EQ(grid.ColorTitreTrie(), QColor(13, 14, 15));
}

} // namespace quintaro::test
