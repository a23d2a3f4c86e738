#pragma once

#include "core/db/sqlite_db.h"
#include "core/settings/settings_store.h"
#include "core/store/grid.h"

#include <array>
#include <cstdint>

namespace quintaro {

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

    // Replaces the backup in the settings by the grids in memory.
    void SaveGridsToSettings();
    // Writes the grids of the backup into listegrille, one transaction per game. A value
    // missing or of another type fails with the settings store's text.
    void ImportGridsFromSettings();

private:
    SqlConnection& cnx_;
    SettingsStore& settings_;
    std::array<GridList, kGameTypeCount> grids_;
    std::array<std::int32_t, kGameTypeCount> gridCount_{};
};

} // namespace quintaro
