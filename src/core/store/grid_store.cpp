#include "core/store/grid_store.h"

#include "core/base/quintaro_error.h"

#include <algorithm>
#include <cstdio>

namespace quintaro {

namespace {

constexpr const char* kGridsKey = "\\Software\\VELMORA\\QUINTARO\\GRILLES\\";

std::string GameKey(int type) {
    return kGridsKey + std::string(Game(type).mirrorKey);
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
    return HasSecondSet(type) ? "type = " + t + " or type = " + std::to_string(SecondSeries(type))
                              : "type =" + t;
}

std::string CountStatement(int type) {
    return "select count(numgrille) from (select distinct(numgrille)as numgrille from "
           "listegrille where " +
           TypeCondition(type) + ") ";
}

std::string DeleteGameStatement(int type) {
    return "delete from listegrille where " +
           (HasSecondSet(type) ? TypeCondition(type) : "type = " + std::to_string(type));
}

// The series a game's grids are stored under: its numbers, then its second set.
std::vector<int> Series(int type) {
    if (HasSecondSet(type))
        return {type, SecondSeries(type)};
    return {type};
}

constexpr const char* kInsertGrid = "insert into listegrille values(:num,:type,:boulle)";

// Stores a grid's numbers and second set under its number, with kInsertGrid.
void InsertGrid(SqlStatement& insert, int type, std::int32_t number, const Grid& grid) {
    insert.Set("num", std::int64_t{number});
    for (int series : Series(type)) {
        insert.Set("type", std::int64_t{series});
        for (std::uint8_t v : series == type ? grid.main : grid.second) {
            if (v == 0)
                continue;
            insert.Set("boulle", std::int64_t{v});
            insert.Execute();
        }
    }
}

} // namespace

void GridStore::LoadGrids() {
    for (auto& list : grids_)
        list.clear();
    gridCount_.fill(0);
    for (int t = 0; t < kGameTypeCount; ++t) {
        const std::string condition = TypeCondition(t);
        gridCount_[t] = StoredCount(t);
        GridList& list = grids_[t];
        list.resize(static_cast<std::size_t>(gridCount_[t]));
        const std::string numbers =
            HasSecondSet(t)
                ? "select boulle ,type from listegrille where (" + condition + ") and numgrille = "
                : "select boulle from listegrille where type = " + std::to_string(t) +
                      " and numgrille = ";
        for (std::int32_t p = 1; p <= gridCount_[t]; ++p) {
            auto q = cnx_.Prepare(numbers + std::to_string(p));
            std::vector<std::int64_t> main, second;
            while (q.Next())
                (HasSecondSet(t) && q.Int(1) == SecondSeries(t) ? second : main)
                    .push_back(q.Int(0));
            FillSet(list[static_cast<std::size_t>(p - 1)].main, std::move(main));
            FillSet(list[static_cast<std::size_t>(p - 1)].second, std::move(second));
        }
    }
}

std::int32_t GridStore::StoredCount(int type) {
    auto count = cnx_.Prepare(CountStatement(type));
    return count.Next() ? static_cast<std::int32_t>(count.Int(0)) : 0;
}

void GridStore::DeleteOne(int type, std::int32_t number) {
    const std::int32_t count = StoredCount(type);
    if (number < 1 || number > count)
        throw QuintaroError("La grille " + std::to_string(number) + " n'existe pas : " +
                            (count == 0   ? std::string("ce jeu n'a aucune grille")
                             : count == 1 ? std::string("ce jeu a une grille")
                                          : "ce jeu a " + std::to_string(count) + " grilles"));
    for (int series : Series(type))
        cnx_.Execute("delete from listegrille where type " + std::string("=") +
                     std::to_string(series) + " and numgrille = " + std::to_string(number));
}

std::int32_t GridStore::AddGrid(int type, const Grid& grid) {
    SqlTransaction transaction(cnx_);
    const std::int32_t number = StoredCount(type) + 1;
    auto insert = cnx_.Prepare(kInsertGrid);
    InsertGrid(insert, type, number, grid);
    transaction.Commit();
    return number;
}

void GridStore::ReplaceGrid(int type, std::int32_t number, const Grid& grid) {
    SqlTransaction transaction(cnx_);
    DeleteOne(type, number);
    auto insert = cnx_.Prepare(kInsertGrid);
    InsertGrid(insert, type, number, grid);
    transaction.Commit();
}

void GridStore::DeleteGrid(int type, std::int32_t number) {
    SqlTransaction transaction(cnx_);
    const std::int32_t count = StoredCount(type);
    DeleteOne(type, number);
    for (int series : Series(type)) {
        auto renumber =
            cnx_.Prepare("update listegrille set numgrille = :i where type " + std::string("=") +
                         std::to_string(series) + " and numgrille = :j");
        for (std::int32_t c = number; c < count; ++c) {
            renumber.Set("i", std::int64_t{c});
            renumber.Set("j", std::int64_t{c + 1});
            renumber.Execute();
        }
    }
    transaction.Commit();
}

void GridStore::ReplaceGrids(const GridReplacement& lists) {
    SqlTransaction transaction(cnx_);
    if (std::all_of(lists.begin(), lists.end(), [](const auto& list) { return list.has_value(); }))
        cnx_.Execute("delete from listegrille ");
    else
        for (int t = 0; t < kGameTypeCount; ++t)
            if (lists[static_cast<std::size_t>(t)])
                cnx_.Execute(DeleteGameStatement(t));
    auto insert = cnx_.Prepare(kInsertGrid);
    for (int t = 0; t < kGameTypeCount; ++t) {
        const auto& list = lists[static_cast<std::size_t>(t)];
        for (std::size_t k = 0; list && k < list->size(); ++k)
            InsertGrid(insert, t, static_cast<std::int32_t>(k + 1), (*list)[k]);
    }
    transaction.Commit();
}

std::array<GridList, kGameTypeCount> GridStore::FetchGrids() {
    LoadGrids();
    return grids_;
}

void GridStore::SaveGridsToSettings() {
    for (int t = 0; t < kGameTypeCount; ++t)
        settings_.DeleteKey(GameKey(t));
    for (int t = 0; t < kGameTypeCount; ++t) {
        settings_.WriteInteger(GameKey(t), "nb", gridCount_[t]);
        for (int k = 0; k < gridCount_[t]; ++k) {
            const Grid& grid = grids_[t][static_cast<std::size_t>(k)];
            const std::string subKey = GridSubKey(t, k);
            settings_.CreateKey(subKey);
            const int values = std::max(Game(t).mirrorMain, Game(t).mirrorSecond);
            for (int j = 1; j <= values; ++j) {
                if (j <= Game(t).mirrorMain)
                    settings_.WriteInteger(subKey, ValueName('B', j), grid.main[j - 1]);
                if (j <= Game(t).mirrorSecond)
                    settings_.WriteInteger(subKey, ValueName('E', j), grid.second[j - 1]);
            }
        }
    }
    settings_.Save();
}

void GridStore::ImportGridsFromSettings() {
    for (int t = 0; t < kGameTypeCount; ++t) {
        const std::string key = GameKey(t);
        if (!settings_.KeyExists(key))
            continue;
        cnx_.Execute(DeleteGameStatement(t));
        auto insert = cnx_.Prepare(HasSecondSet(t) ? std::string("insert into listegrille "
                                                                 "values(:num,:type,:boulle)")
                                                   : "insert into listegrille values(:num," +
                                                         std::to_string(t) + ",:boulle)");
        SqlTransaction transaction(cnx_);
        const std::int32_t n = settings_.ReadInteger(key, "nb");
        for (std::int32_t k = 0; k < n; ++k) {
            const std::string subKey = GridSubKey(t, k);
            if (!settings_.KeyExists(subKey))
                throw QuintaroError("La grille \"" + subKey.substr(1) +
                                    "\" manque dans la sauvegarde des grilles du profil");
            const int values = std::max(Game(t).mirrorMain, Game(t).mirrorSecond);
            for (int j = 1; j <= values; ++j) {
                for (char prefix : {'B', 'E'}) {
                    const bool main = prefix == 'B';
                    if (j > (main ? Game(t).mirrorMain : Game(t).mirrorSecond))
                        continue;
                    const auto v = static_cast<std::uint8_t>(
                        settings_.ReadInteger(subKey, ValueName(prefix, j)));
                    if (v == 0)
                        continue;
                    insert.Set("num", std::int64_t{k + 1});
                    if (HasSecondSet(t))
                        insert.Set("type", std::int64_t{main ? t : SecondSeries(t)});
                    insert.Set("boulle", std::int64_t{v});
                    insert.Execute();
                }
            }
        }
        transaction.Commit();
    }
}

} // namespace quintaro
