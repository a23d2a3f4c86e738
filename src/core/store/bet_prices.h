#pragma once

#include <optional>
#include <string_view>
#include <vector>

namespace quintaro {

// The price of a simple bet of a game from a day on, until the next change.
struct BetPrice {
    double from = 0.0; // day count
    double euros = 0.0;
    bool operator==(const BetPrice&) const = default;
};
// In ascending order of days, each day once.
using BetPrices = std::vector<BetPrice>;

// A catalogue's list of prices: "dd/mm/yyyy price" entries separated by ";", a price in euros
// with "," or "." before its cents, optionally followed by "€", or in francs followed by "F".
// Empty text: no price known. A malformed list raises a QuintaroError naming the entry.
BetPrices ParseBetPrices(std::string_view text);

// The price in force on a day; nothing before the first known one.
std::optional<double> PriceOn(const BetPrices& prices, double day);

} // namespace quintaro
