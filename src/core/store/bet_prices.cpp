#include "core/store/bet_prices.h"

#include "core/base/currency.h"
#include "core/base/day_count.h"
#include "core/base/quintaro_error.h"
#include "core/base/value_reading.h"

#include <algorithm>
#include <cmath>
#include <string>

namespace quintaro {

namespace {

std::string_view Trimmed(std::string_view text) {
    const auto first = text.find_first_not_of(" \t");
    if (first == std::string_view::npos)
        return {};
    return text.substr(first, text.find_last_not_of(" \t") - first + 1);
}

bool DropSuffix(std::string_view& text, std::string_view suffix) {
    if (!text.ends_with(suffix))
        return false;
    text = Trimmed(text.substr(0, text.size() - suffix.size()));
    return true;
}

// The euros of one price: "2,20", "2.20 €", "2F"; nothing when the text is not one.
std::optional<double> ReadPrice(std::string_view text) {
    const bool francs = DropSuffix(text, "F") || DropSuffix(text, "f");
    if (!francs)
        DropSuffix(text, "€");
    if (text.empty() || text.front() < '0' || text.front() > '9')
        return std::nullopt;
    std::string number(text);
    std::replace(number.begin(), number.end(), ',', '.');
    long double value = 0;
    try {
        value = ReadDecimal(number);
    } catch (const QuintaroError&) {
        return std::nullopt;
    }
    if (!std::isfinite(value))
        return std::nullopt;
    return static_cast<double>(francs ? value / kFrancsPerEuro : value);
}

BetPrice ReadEntry(std::string_view entry) {
    const std::size_t blank = entry.find_first_of(" \t");
    if (blank == std::string_view::npos)
        throw QuintaroError("date et prix attendus");
    const std::optional<double> day = ParseDayCount(entry.substr(0, blank));
    if (!day)
        throw QuintaroError("date incorrecte");
    const std::optional<double> euros = ReadPrice(Trimmed(entry.substr(blank)));
    if (!euros)
        throw QuintaroError("prix incorrect");
    return {*day, *euros};
}

} // namespace

BetPrices ParseBetPrices(std::string_view text) {
    BetPrices prices;
    while (!text.empty()) {
        const std::size_t end = std::min(text.find(';'), text.size());
        const std::string_view entry = Trimmed(text.substr(0, end));
        text.remove_prefix(std::min(end + 1, text.size()));
        if (entry.empty())
            continue;
        try {
            prices.push_back(ReadEntry(entry));
        } catch (const QuintaroError& e) {
            throw QuintaroError("« " + std::string(entry) + " » : " + e.what());
        }
        if (prices.size() > 1 && prices.back().from <= prices[prices.size() - 2].from)
            throw QuintaroError("« " + std::string(entry) +
                                " » : les dates doivent se suivre en croissant");
    }
    return prices;
}

std::optional<double> PriceOn(const BetPrices& prices, double day) {
    // The last change on or before the day.
    const auto after = std::upper_bound(prices.begin(), prices.end(), day,
                                        [](double d, const BetPrice& p) { return d < p.from; });
    if (after == prices.begin())
        return std::nullopt;
    return std::prev(after)->euros;
}

} // namespace quintaro
