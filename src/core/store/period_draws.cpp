#include "core/store/period_draws.h"

#include <algorithm>
#include <cmath>

namespace quintaro {

void PeriodDraws::Read() {
    byType_.clear();
    // Only numbers fall within a period's bounds; the order is the period query's, the
    // reference settling what it leaves open.
    auto q = cnx_.Prepare("select reftirage, date, n_tir, n_sem, type, b1, b2, b3, b4, b5, b6, "
                          "b7 from listetirage where typeof(date) in ('integer', 'real') and "
                          "typeof(type) = 'integer' order by type, date, n_tir, reftirage");
    while (q.Next()) {
        auto ball = [&](int k) { return static_cast<std::uint8_t>(q.Int(5 + k)); };
        const double date = q.Double(1);
        byType_[static_cast<std::int32_t>(q.Int(4))].push_back(
            {date,
             {static_cast<std::int32_t>(q.Int(0)), std::round(date * 10000.0) / 10000.0,
              static_cast<std::int32_t>(q.Int(2)), static_cast<std::int32_t>(q.Int(3)), ball(0),
              ball(1), ball(2), ball(3), ball(4), ball(5), ball(6)}});
    }
}

ttabTirrage PeriodDraws::Select(std::int32_t type, double from, double to) {
    copy_.KeepInStep([this] { Read(); });
    ttabTirrage draws;
    const auto found = byType_.find(type);
    if (found == byType_.end())
        return draws;
    const std::vector<Stored>& stored = found->second;
    const double first = std::trunc(from), last = std::trunc(to);
    const auto begin = std::lower_bound(stored.begin(), stored.end(), first,
                                        [](const Stored& s, double d) { return s.date < d; });
    const auto end = std::upper_bound(begin, stored.end(), last,
                                      [](double d, const Stored& s) { return d < s.date; });
    if (begin >= end)
        return draws;
    draws.reserve(static_cast<std::size_t>(end - begin));
    for (auto s = begin; s != end; ++s)
        draws.push_back(s->draw);
    return draws;
}

} // namespace quintaro
