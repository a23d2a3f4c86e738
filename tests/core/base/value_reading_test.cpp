#include "core/base/quintaro_error.h"
#include "core/base/value_reading.h"

#include <gtest/gtest.h>

namespace quintaro {
namespace {

template <class F> std::string Failure(F read) {
    try {
        read();
    } catch (const QuintaroError& e) {
        return e.what();
    }
    return "no failure";
}

TEST(ValueReading, IntegersDatesAndDecimalsIgnoreTheRegionalSettings) {
    EXPECT_EQ(ReadInteger("-12"), -12);
    EXPECT_EQ(ReadInteger("007"), 7);
    EXPECT_EQ(ReadDate("15/03/2023"), 45000.0);
    EXPECT_EQ(ReadDate("5/3/2023"), 44990.0);
    EXPECT_EQ(ReadDecimal("12.5"), 12.5L);
    EXPECT_EQ(ReadDecimal("-1.5e3"), -1500.0L);
    EXPECT_EQ(ReadDecimal("+.5"), 0.5L);
    EXPECT_EQ(ReadDecimal("3."), 3.0L);
    // Extended precision: the reading keeps more than a double's digits.
    EXPECT_EQ(ReadDecimal("0.1"), 0.1L);
    EXPECT_NE(static_cast<long double>(0.1), 0.1L);
}

TEST(ValueReading, FailuresCarryTheFrenchTexts) {
    struct Case {
        std::function<void()> read;
        const char* text;
    };
    const Case cases[] = {
        {[] { ReadInteger("1a"); }, "'1a' n'est pas une valeur entière correcte"},
        {[] { ReadInteger(""); }, "'' n'est pas une valeur entière correcte"},
        {[] { ReadInteger("99999999999"); }, "'99999999999' n'est pas une valeur entière correcte"},
        {[] { ReadDate("31/02/2023"); }, "'31/02/2023' n'est pas une date correcte"},
        {[] { ReadDate("2023-03-15"); }, "'2023-03-15' n'est pas une date correcte"},
        {[] { ReadDate("15/03/"); }, "'15/03/' n'est pas une date correcte"},
        {[] { ReadDate("//"); }, "'//' n'est pas une date correcte"},
        {[] { ReadDecimal("12,5"); }, "'12,5' n'est pas une valeur en virgule flottante correcte"},
        {[] { ReadDecimal("1.234.5"); },
         "'1.234.5' n'est pas une valeur en virgule flottante correcte"},
        {[] { ReadDecimal("inf"); }, "'inf' n'est pas une valeur en virgule flottante correcte"},
        {[] { ReadDecimal("0x10"); }, "'0x10' n'est pas une valeur en virgule flottante correcte"},
        {[] { ReadDecimal("1e"); }, "'1e' n'est pas une valeur en virgule flottante correcte"},
        {[] { ReadDecimal(""); }, "'' n'est pas une valeur en virgule flottante correcte"},
    };
    for (const Case& c : cases)
        EXPECT_EQ(Failure(c.read), c.text);
}

// The operator's files write the year, then the draw number, in cells of several lengths.
} // namespace
} // namespace quintaro
