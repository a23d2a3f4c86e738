#pragma once

#include "core/db/sqlite_db.h"
#include "core/settings/settings_store.h"
#include "core/store/grid.h"

#include <array>
#include <cstdint>
#include <optional>

namespace quintaro {

// Lists of grids that take the place of the stored grids of their games; a game without a
// list keeps its grids.
using GridReplacement = std::array<std::optional<GridList>, kGameTypeCount>;

// The player's grids: the table listegrille, its copy in memory (one list per game), and the
// backup of the grids in the settings store, which a rebuilt database gets them back from.
class GridStore {
public:
    GridStore(SqlConnection& cnx, SettingsStore& settings) : cnx_(cnx), settings_(settings) {}

    // Rebuilds the lists in memory from listegrille; failures reach the caller.
    void LoadGrids();
    // Loads the grids and hands out independent copies of the six lists.
    std::array<GridList, kGameTypeCount> FetchGrids();
    const GridList& Grids(int type) const { return grids_[static_cast<std::size_t>(type)]; }
    std::int32_t GridCount(int type) const { return gridCount_[static_cast<std::size_t>(type)]; }

    // The changes of the grid editor, each in one transaction that a failure rolls back whole.
    // The grids of a game stay numbered from 1 without gaps. They change listegrille only:
    // the lists in memory follow at the next LoadGrids. A grid number that does not exist
    // fails with a text of its own.
    // Adds a grid under its game's next number, which it returns.
    std::int32_t AddGrid(int type, const Grid& grid);
    void ReplaceGrid(int type, std::int32_t number, const Grid& grid);
    // Deletes a grid; the following ones move down by one.
    void DeleteGrid(int type, std::int32_t number);
    // Puts each list given in place of its game's grids, numbered from 1 in list order.
    void ReplaceGrids(const GridReplacement& lists);

    // Replaces the backup in the settings by the grids in memory.
    void SaveGridsToSettings();
    // Writes the grids of the backup into listegrille, one transaction per game. A value
    // missing or of another type fails with the settings store's text.
    void ImportGridsFromSettings();

private:
    std::int32_t StoredCount(int type);
    void DeleteOne(int type, std::int32_t number);

    SqlConnection& cnx_;
    SettingsStore& settings_;
    std::array<GridList, kGameTypeCount> grids_;
    std::array<std::int32_t, kGameTypeCount> gridCount_{};
};

} // namespace quintaro
