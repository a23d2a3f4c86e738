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

} // namespace
} // namespace quintaro
