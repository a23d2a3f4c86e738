#include "core/base/text_util.h"
#include "core/base/currency.h"
#include "support/french_locale.h"
#include "core/base/value_reading.h"

#include <gtest/gtest.h>

namespace quintaro {
namespace {

TEST(FormatGroupedAmount, GroupsDigitsAndKeepsNineSignificantDigits) {
    struct Case {
        double value;
        const char* text;
    };
    const Case cases[] = {
        {15.5, "15,50"},
        {0.0, "0,00"},
        {-0.001, "0,00"},
        {999.999, "1 000,00"},
        {1234567.891, "1 234 567,89"},
        {-1234.5, "-1 234,50"},
        {123456789.126, "123 456 789,00"},
    };
    for (const Case& c : cases)
        EXPECT_EQ(FormatGroupedAmount(c.value, ',', ' '), c.text) << c.value;
    EXPECT_EQ(FormatGroupedAmount(ToFrancs(15.5), ',', ' '), "101,67");
}

// A French desktop sets the C library's locale from the environment; the core's numbers must
// not follow it.
TEST(FormatGroupedAmount, IgnoresTheProcessLocale) {
    test::FrenchLocale french;
    ASSERT_TRUE(french.Active()) << "fr_FR.UTF-8 is not generated: run scripts/setup";
    EXPECT_EQ(FormatGroupedAmount(1234.5, ',', ' '), "1 234,50");
    EXPECT_EQ(FormatGroupedAmount(-0.001, '.', ','), "0.00");
    EXPECT_EQ(FormatFixed(2.5, 4), "2.5000");
    EXPECT_EQ(ReadDecimal("1234.5"), 1234.5L);
}

TEST(ToFrancs, RoundsTheExtendedProductOnce) {
    EXPECT_EQ(ToFrancs(1.0), 6.55957);
    EXPECT_EQ(ToFrancs(1300.0), static_cast<double>(1300.0L * 6.55957L));
}

} // namespace
} // namespace quintaro
