#include "core/base/currency.h"
#include "core/base/day_count.h"
#include "core/base/quintaro_error.h"
#include "core/store/bet_prices.h"

#include <gtest/gtest.h>

namespace quintaro {
namespace {

double Day(const char* text) {
    return *ParseDayCount(text);
}

TEST(BetPricesTest, ReadsEuroAndFrancPricesInDateOrder) {
    EXPECT_EQ(ParseBetPrices(""), BetPrices{});
    EXPECT_EQ(ParseBetPrices("  "), BetPrices{});
    EXPECT_EQ(ParseBetPrices("06/10/2008 2,00; 04/11/2019 2.20 €;"),
              (BetPrices{{Day("06/10/2008"), 2.0}, {Day("04/11/2019"), 2.2}}));
    EXPECT_EQ(ParseBetPrices(" 19/05/1976\t2F ;01/01/2002 0,30"),
              (BetPrices{{Day("19/05/1976"), static_cast<double>(2.0L / kFrancsPerEuro)},
                         {Day("01/01/2002"), 0.3}}));
}

TEST(BetPricesTest, AMalformedEntryIsNamedWithItsFault) {
    const struct {
        const char* text;
        const char* message;
    } cases[] = {
        {"01/01/2002", "« 01/01/2002 » : date et prix attendus"},
        {"31/02/2002 0,30", "« 31/02/2002 0,30 » : date incorrecte"},
        {"2002-01-01 0,30", "« 2002-01-01 0,30 » : date incorrecte"},
        {"01/01/2002 -0,30", "« 01/01/2002 -0,30 » : prix incorrect"},
        {"01/01/2002 0,3x", "« 01/01/2002 0,3x » : prix incorrect"},
        {"01/01/2002 €", "« 01/01/2002 € » : prix incorrect"},
        {"01/01/2002 1,2,3", "« 01/01/2002 1,2,3 » : prix incorrect"},
        {"01/01/2002 0,30; 01/01/2002 0,40",
         "« 01/01/2002 0,40 » : les dates doivent se suivre en croissant"},
        {"01/01/2003 0,30; 01/01/2002 0,40",
         "« 01/01/2002 0,40 » : les dates doivent se suivre en croissant"},
    };
    for (const auto& c : cases) {
        try {
            ParseBetPrices(c.text);
            ADD_FAILURE() << c.text << " was read";
        } catch (const QuintaroError& e) {
            EXPECT_STREQ(e.what(), c.message) << c.text;
        }
    }
}

TEST(BetPricesTest, ThePriceInForceIsTheLastChangeOnOrBeforeTheDay) {
    const BetPrices prices = {{100, 2.0}, {200, 2.2}};
    EXPECT_EQ(PriceOn(prices, 99), std::nullopt);
    EXPECT_EQ(PriceOn(prices, 100), 2.0);
    EXPECT_EQ(PriceOn(prices, 199), 2.0);
    EXPECT_EQ(PriceOn(prices, 200), 2.2);
    EXPECT_EQ(PriceOn(prices, 5000), 2.2);
    EXPECT_EQ(PriceOn({}, 150), std::nullopt);
}

} // namespace
} // namespace quintaro
