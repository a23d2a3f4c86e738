#include "core/base/quintaro_error.h"
#include "core/datastore/tmd.h"

#include <algorithm>
#include <cstdio>

namespace quintaro {

namespace {

constexpr const char* kGridsKey = "\\Software\\VELMORA\\QUINTARO\\GRILLES\\";

// The mirror's key of each game, and how many numbers of each set it keeps.
struct MirrorLayout {
    const char* key;
    int mainValues;
    int secondValues;
};
constexpr std::array<MirrorLayout, kGameTypeCount> kMirror = {{
    {"LOTO", 10, 0},
    {"SLOTO", 10, 0},
    {"EUROMILLION", 10, 10},
    {"NLOTO", 10, 10},
    {"NSLOTO", 10, 10},
    {"NEUROMILLION", 10, 11},
}};

std::string GameKey(int type) {
    return kGridsKey + std::string(kMirror[type].key);
}

std::string GridSubKey(int type, int k) {
    char name[16];
    std::snprintf(name, sizeof name, "\\G%04d", k);
    return GameKey(type) + name;
}

std::string ValueName(char prefix, int j) {
    char name[16];
    std::snprintf(name, sizeof name, "%c%02d", prefix, j);
    return name;
}

std::string TypeCondition(int type) {
    const std::string t = std::to_string(type);
    return HasSecondSet(type) ? "type = " + t + " or type = " + std::to_string(type + 10)
                              : "type =" + t;
}

// Puts numbers into a set in ascending order; the set has room for 11, the rest is dropped.
void FillSet(GridSet& set, std::vector<std::int64_t>& numbers) {
    std::sort(numbers.begin(), numbers.end());
    for (std::size_t i = 0; i < numbers.size() && i < set.size(); ++i)
        set[i] = static_cast<std::uint8_t>(numbers[i]);
}

} // namespace

void Tmd::LoadGrids() {
    for (auto& list : grids)
        list.clear();
    gridCount.fill(0);
    for (int t = 0; t < kGameTypeCount; ++t) {
        const std::string condition = TypeCondition(t);
        {
            auto count = cnx.Prepare(
                "select count(numgrille) from (select distinct(numgrille)as numgrille from "
                "listegrille where " +
                condition + ") ");
            gridCount[t] = count.Next() ? static_cast<std::int32_t>(count.Int(0)) : 0;
        }
        GridList& list = grids[t];
        list.resize(static_cast<std::size_t>(gridCount[t]));
        const std::string numbers =
            HasSecondSet(t)
                ? "select boulle ,type from listegrille where (" + condition + ") and numgrille = "
                : "select boulle from listegrille where type = " + std::to_string(t) +
                      " and numgrille = ";
        for (std::int32_t p = 1; p <= gridCount[t]; ++p) {
            auto q = cnx.Prepare(numbers + std::to_string(p));
            std::vector<std::int64_t> main, second;
            while (q.Next())
                (HasSecondSet(t) && q.Int(1) == t + 10 ? second : main).push_back(q.Int(0));
            FillSet(list[static_cast<std::size_t>(p - 1)].main, main);
            FillSet(list[static_cast<std::size_t>(p - 1)].second, second);
        }
    }
}

std::array<GridList, kGameTypeCount> Tmd::FetchGrids() {
    LoadGrids();
    return grids;
}

void Tmd::SaveGridsToSettings() {
    for (int t = 0; t < kGameTypeCount; ++t)
        settings.DeleteKey(GameKey(t));
    for (int t = 0; t < kGameTypeCount; ++t) {
        settings.WriteInteger(GameKey(t), "nb", gridCount[t]);
        for (int k = 0; k < gridCount[t]; ++k) {
            const Grid& grid = grids[t][static_cast<std::size_t>(k)];
            const std::string subKey = GridSubKey(t, k);
            settings.CreateKey(subKey);
            const int values = std::max(kMirror[t].mainValues, kMirror[t].secondValues);
            for (int j = 1; j <= values; ++j) {
                if (j <= kMirror[t].mainValues)
                    settings.WriteInteger(subKey, ValueName('B', j), grid.main[j - 1]);
                if (j <= kMirror[t].secondValues)
                    settings.WriteInteger(subKey, ValueName('E', j), grid.second[j - 1]);
            }
        }
    }
    settings.Save();
}

void Tmd::ImportGridsFromSettings() {
    for (int t = 0; t < kGameTypeCount; ++t) {
        const std::string key = GameKey(t);
        if (!settings.KeyExists(key))
            continue;
        cnx.Execute("delete from listegrille where " +
                    (HasSecondSet(t) ? TypeCondition(t) : "type = " + std::to_string(t)));
        auto insert = cnx.Prepare(HasSecondSet(t) ? std::string("insert into listegrille "
                                                                "values(:num,:type,:boulle)")
                                                  : "insert into listegrille values(:num," +
                                                        std::to_string(t) + ",:boulle)");
        cnx.Execute("begin transaction");
        try {
            const std::int32_t n = settings.ReadInteger(key, "nb");
            for (std::int32_t k = 0; k < n; ++k) {
                const std::string subKey = GridSubKey(t, k);
                if (!settings.KeyExists(subKey))
                    throw QuintaroError("La grille \"" + subKey.substr(1) +
                                        "\" manque dans la sauvegarde des grilles du profil");
                const int values = std::max(kMirror[t].mainValues, kMirror[t].secondValues);
                for (int j = 1; j <= values; ++j) {
                    for (char prefix : {'B', 'E'}) {
                        const bool main = prefix == 'B';
                        if (j > (main ? kMirror[t].mainValues : kMirror[t].secondValues))
                            continue;
                        const auto v = static_cast<std::uint8_t>(
                            settings.ReadInteger(subKey, ValueName(prefix, j)));
                        if (v == 0)
                            continue;
                        insert.Set("num", std::int64_t{k + 1});
                        if (HasSecondSet(t))
                            insert.Set("type", std::int64_t{main ? t : t + 10});
                        insert.Set("boulle", std::int64_t{v});
                        insert.Execute();
                    }
                }
            }
            cnx.Execute("commit transaction");
        } catch (...) {
            // The caller stops the program; leave no transaction open behind it.
            cnx.Execute("rollback transaction");
            throw;
        }
    }
}

} // namespace quintaro
