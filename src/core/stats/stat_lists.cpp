#include "core/stats/stat_lists.h"

#include "core/store/games.h"

#include <array>

namespace quintaro {

namespace {

// Super Loto and Euromillion show no Joker digits.
constexpr std::array<StatSideLists, kGameTypeCount> kSideLists = {{
    {SecondSetKind::None, true},
    {SecondSetKind::None, false},
    {SecondSetKind::Stars, false},
    {SecondSetKind::Chance, true},
    {SecondSetKind::Chance, true},
    {SecondSetKind::Stars, true},
}};

} // namespace

std::optional<StatSideLists> StatSideListsOf(int type) {
    if (!IsGameType(type))
        return std::nullopt;
    return kSideLists[static_cast<std::size_t>(type)];
}

std::string SecondListCaption(SecondSetKind kind) {
    switch (kind) {
    case SecondSetKind::Stars:
        return "Statistique Etoile";
    case SecondSetKind::Chance:
        return "Statistique N° Chance";
    case SecondSetKind::None:
        break;
    }
    return {};
}

StatListKind ListKindOf(int series) {
    if (series >= JokerSeries(0))
        return StatListKind::Joker;
    return series >= SecondSeries(0) ? StatListKind::Second : StatListKind::Main;
}

int GameOfSeries(int series) {
    switch (ListKindOf(series)) {
    case StatListKind::Joker:
        return series - JokerSeries(0);
    case StatListKind::Second:
        return series - SecondSeries(0);
    case StatListKind::Main:
        break;
    }
    return series;
}

} // namespace quintaro
