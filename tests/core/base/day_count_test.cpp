#include "core/base/day_count.h"

#include <gtest/gtest.h>

namespace quintaro {
namespace {

TEST(DayCount, CountsDaysFromTheLastDayOf1899) {
    EXPECT_EQ(FormatDayCount(0), "30/12/1899");
    EXPECT_EQ(FormatDayCount(-1), "29/12/1899");
    EXPECT_EQ(FormatDayCount(45000.75), "15/03/2023");
    EXPECT_EQ(ParseDayCount("15/03/2023"), 45000.0);
    EXPECT_EQ(ParseDayCount("1/1/1976"), 27760.0);
    for (const char* bad : {"31/02/2023", "15-03-2023", "15/03", "", "x/03/2023", "00/01/2000"})
        EXPECT_EQ(ParseDayCount(bad), std::nullopt) << bad;
}

} // namespace
} // namespace quintaro
