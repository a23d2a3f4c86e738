#include "gui/ui/regional_format.h"
#include "support/french_regional_format.h"

#include <gtest/gtest.h>

namespace quintaro {
namespace {

class RegionalFormatTest : public ::testing::Test {
protected:
    test::FrenchRegionalFormat french;
};

TEST_F(RegionalFormatTest, TheCLocaleGivesFrenchAndAnyOtherIsKept) {
    EXPECT_EQ(RegionalLocale(QLocale::c()).language(), QLocale::French);
    EXPECT_EQ(RegionalLocale(QLocale(QLocale::German, QLocale::Germany)).language(),
              QLocale::German);
}

TEST_F(RegionalFormatTest, AmountsTakeTheLocalesSeparators) {
    const QString group = QLocale().groupSeparator();
    EXPECT_EQ(AmountText(1234.5), "1" + group + "234,50");
    EXPECT_EQ(AmountText(15.5), "15,50");
    QLocale::setDefault(QLocale(QLocale::English, QLocale::UnitedStates));
    EXPECT_EQ(AmountText(1234567.891), "1,234,567.89");
}

TEST_F(RegionalFormatTest, DayCountsAndCalendarDates) {
    EXPECT_EQ(ShortDateText(45000), "15/03/2023");
    EXPECT_EQ(CalendarQDate(-1), QDate(1899, 12, 29));
    EXPECT_EQ(DayCountOf(QDate(2023, 3, 15)), 45000.0);
    EXPECT_EQ(DayCountOf(CalendarQDate(27760.0)), 27760.0);
}

TEST_F(RegionalFormatTest, CurrencyAndFrancAmounts) {
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
