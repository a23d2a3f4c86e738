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
    const QColor light(230, 230, 230);
    const struct {
        const char* code;
        QColor background;
        const char* shown;
    } cases[] = {
        {"5", light, "5"},       {"49", light, "49"},      {"", light, ""},
        {"101", kHitGreen, "1"}, {"117", kHitGreen, "17"}, {"149", kHitGreen, "49"},
        {"207", kHitRed, "7"},   {"210", kHitRed, "10"},
    };
    for (const auto& c : cases) {
        const NumberCellLook look = HitLook(QString::fromLatin1(c.code), light);
        EXPECT_EQ(look.background, c.background) << c.code;
        EXPECT_EQ(look.text, QString::fromLatin1(c.shown)) << c.code;
    }
}

TEST_F(WinningCellsTest, AmountsTakeTheRegionalCurrencyFormat) {
    // French puts a no-break space before the symbol.
    const QString group = QLocale().groupSeparator();
    EXPECT_EQ(CurrencyText(15.5), "15,50\u00a0€");
    EXPECT_EQ(CurrencyText(0.0), "0,00\u00a0€");
    EXPECT_EQ(CurrencyText(-0.001), "0,00\u00a0€");
    EXPECT_EQ(CurrencyText(1234567.891), "1" + group + "234" + group + "567,89\u00a0€");
    EXPECT_EQ(CurrencyText(-73.2), "-73,20\u00a0€");
    EXPECT_EQ(FrancsText(8097.79), "8" + group + "097,79F");
    QLocale::setDefault(QLocale(QLocale::English, QLocale::UnitedStates));
    EXPECT_EQ(CurrencyText(1234.5), "€1,234.50");
    EXPECT_EQ(CurrencyText(-2.2), "-€2.20");
}

} // namespace
} // namespace quintaro
