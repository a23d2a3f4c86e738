#include "core/stats/stat_bars.h"

#include "core/stats/stat_lists.h"
#include "core/store/games.h"

#include <algorithm>

namespace quintaro {

namespace {

// What the values of a series are called: in a chart's title, and on its axis.
struct ValueNames {
    const char* plural;
    const char* axis;
};

ValueNames NamesOf(int series) {
    switch (ListKindOf(series)) {
    case StatListKind::Joker:
        return {"chiffres du Joker", "Chiffre"};
    case StatListKind::Second: {
        const std::optional<StatSideLists> lists = StatSideListsOf(GameOfSeries(series));
        if (lists && lists->second == SecondSetKind::Chance)
            return {"numéros chance", "Numéro chance"};
        return {"étoiles", "Étoile"};
    }
    case StatListKind::Main:
        break;
    }
    return {"numéros", "Numéro"};
}

StatBars Bars(int series, std::vector<StatRow>& rows, const char* what, const char* countAxis,
              double (*height)(const StatRow&)) {
    std::stable_sort(rows.begin(), rows.end(),
                     [](const StatRow& a, const StatRow& b) { return a.boule < b.boule; });
    const ValueNames names = NamesOf(series);
    StatBars bars;
    bars.title = std::string(what) + names.plural;
    bars.valueAxis = names.axis;
    bars.countAxis = countAxis;
    for (const StatRow& row : rows) {
        bars.values.push_back(row.boule);
        bars.heights.push_back(height(row));
    }
    return bars;
}

} // namespace

int ValuesPerDraw(int series) {
    const int type = GameOfSeries(series);
    switch (ListKindOf(series)) {
    case StatListKind::Joker:
        return IsGameType(type) ? kJokerDigits : 0;
    case StatListKind::Second:
        return DrawnSecond(type);
    case StatListKind::Main:
        break;
    }
    return IsGameType(type) ? DrawnMain(type) : 0;
}

int PoolSize(int series) {
    const int type = GameOfSeries(series);
    if (!IsGameType(type))
        return 0;
    switch (ListKindOf(series)) {
    case StatListKind::Joker:
        return kJokerValues;
    case StatListKind::Second:
        return Game(type).secondMax;
    case StatListKind::Main:
        break;
    }
    return Game(type).mainMax;
}

std::optional<double> ExpectedCount(int series, std::int64_t draws) {
    const int pool = PoolSize(series);
    if (pool == 0)
        return std::nullopt;
    return static_cast<double>(draws) * ValuesPerDraw(series) / pool;
}

StatBars FrequencyBars(int series, std::vector<StatRow> rows, std::int64_t draws) {
    StatBars bars = Bars(series, rows, "Sorties des ", "Nombre de sorties",
                         [](const StatRow& r) { return static_cast<double>(r.nbSortie); });
    bars.expected = ExpectedCount(series, draws);
    bars.expectedName = "Attendu d'un tirage au hasard";
    return bars;
}

StatBars GapBars(int series, std::vector<StatRow> rows) {
    return Bars(series, rows, "Écart actuel des ", "Tirages depuis la dernière sortie",
                [](const StatRow& r) { return static_cast<double>(std::max(r.ecart, 0)); });
}

} // namespace quintaro
