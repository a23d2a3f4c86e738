#pragma once

#include "core/settings/settings_store.h"
#include "core/stats/statistics.h"
#include "core/store/catalogue.h"
#include "core/store/database_file.h"
#include "core/store/draw_records.h"
#include "core/store/grid_store.h"
#include "core/winnings/draw_summary.h"
#include "core/winnings/matching.h"
#include "core/winnings/period_balance.h"
#include "core/winnings/period_winnings.h"
#include "core/winnings/prize_tables.h"

#include <array>
#include <filesystem>
#include <functional>
#include <optional>
#include <string>

namespace quintaro {

// How the data store tells the user of a failure it handles itself.
struct UserDialogs {
    // An error dialog (title "Erreur", one "OK" button), waited for.
    std::function<void(const std::string& text)> error;
    // A plain message box, waited for.
    std::function<void(const std::string& text)> message;
};

// The data store every view reaches: it owns the database connection and its parts (the draw
// records, the player's grids, the prize tables, the statistics) and answers for them. Query
// operations report failure by their result and leave its text in LastError; insert
// operations let failures through.
class Tmd {
public:
    // The connection opens the database file and the regeneration replaces that very file;
    // the combination tables are read from the installation's tables file. Nothing is opened
    // yet.
    Tmd(const std::filesystem::path& databaseFile, const std::filesystem::path& tablesFile,
        const Catalogue& catalogue, SettingsStore& settings, UserDialogs dialogs);

    // Connection and schema.
    bool Connect() { return database.Connect(); }
    bool SchemaConforms() { return CheckSchema() == SchemaCheck::Conforms; }
    SchemaCheck CheckSchema() { return database.CheckSchema(); }
    // Builds a new database with the seven tables, the lookup index, the type table and the
    // grids saved in the settings, and puts it in place of the old one. A failure of the
    // grids' restore leaves as an exception; any failure leaves the old file as it was.
    bool RegenerateDatabase();
    // Empties the draw tables and the statistics, keeps the grids, rewrites the type table.
    // Failures reach the caller.
    void ClearDrawTables();
    // Rewrites listetype from the catalogue; a failure is shown in the error dialog.
    void FillTypeTable();
    const std::string& LastError() const { return lastErrorText; }
    const std::filesystem::path& DatabasePath() const { return database.Path(); }
    SqlConnection& Connection() { return database.Connection(); }

    // The parts.
    DrawRecords& Draws() { return draws; }
    GridStore& PlayerGrids() { return gridStore; }
    PrizeTables& Tables() { return tables; }
    Statistics& Stats() { return statistics; }

    // Draw records.
    void LastDrawReference() { draws.LastDrawReference(); }
    std::int32_t LastReference() const { return draws.LastReference(); }
    void SetDrawInsertType(std::int32_t type) { draws.SetDrawInsertType(type); }
    void AddDraw(std::int32_t n_sem, std::int32_t n_tir, double date, std::int32_t b1,
                 std::int32_t b2, std::int32_t b3, std::int32_t b4, std::int32_t b5,
                 std::int32_t b6, std::int32_t b7) {
        draws.AddDraw(n_sem, n_tir, date, {b1, b2, b3, b4, b5, b6, b7});
    }
    void AddPrizeRanks(const TtabGain& ranks) { draws.AddPrizeRanks(ranks); }
    void AddJoker(const std::string& joker, std::int32_t nbgagnant) {
        draws.AddJoker(joker, nbgagnant);
    }
    bool DrawExists(std::int32_t n_sem, std::int32_t n_tir, double date, std::int32_t type) {
        return draws.DrawExists(n_sem, n_tir, date, type);
    }
    double LastDrawDate(std::int32_t type) { return draws.LastDrawDate(type); }
    void EnsureDrawLookupIndexes() { draws.EnsureDrawLookupIndexes(); }
    void OpenDrawList() { draws.OpenDrawList(); }
    void FilterDrawList(std::int32_t index) { draws.FilterDrawList(index); }
    const std::vector<DrawListRow>& DrawList() const { return draws.DrawList(); }
    std::vector<PrizeRankRow> PrizeRankList(std::int32_t reference) {
        return draws.PrizeRankList(reference);
    }
    ttabTirrage SelectDrawsInPeriod(std::int32_t type, double from, double to) {
        return draws.SelectDrawsInPeriod(type, from, to);
    }

    // Player grids.
    void LoadGrids() { gridStore.LoadGrids(); }
    std::array<GridList, kGameTypeCount> FetchGrids() { return gridStore.FetchGrids(); }
    const GridList& Grids(int type) const { return gridStore.Grids(type); }
    std::int32_t GridCount(int type) const { return gridStore.GridCount(type); }
    void SaveGridsToSettings() { gridStore.SaveGridsToSettings(); }
    void ImportGridsFromSettings() { gridStore.ImportGridsFromSettings(); }

    // Prize tables.
    bool LoadCombinationTables() { return tables.LoadCombinationTables(); }
    void LoadPrizeAmounts() { tables.LoadPrizeAmounts(); }
    const CombinationTable& Combinations() const { return tables.Combinations(); }
    const PrizeAmounts& Amounts() const { return tables.Amounts(); }
    double GridPrize(std::int32_t reference, std::int32_t family, std::int32_t played,
                     std::int32_t secondPlayed, std::int32_t matched,
                     std::int32_t secondMatched) const {
        return tables.GridPrize(reference, family, played, secondPlayed, matched, secondMatched);
    }

    // Statistics: the stat table rebuilt from the stored draws. A failure is shown in a
    // message box, the series being written rolled back, and its text left in LastError;
    // false then.
    bool ComputeStatistics() { return statistics.ComputeStatistics(); }

    // Matching: the winning grids in memory of a stored draw, or of a draw given by its
    // numbers (balls 1 to 7 in numbers[0..6]), under the prize rules of the draw's day. Failures
    // reach the caller.
    TgrilleGagnante MatchGridsForDraw(std::int32_t reference, std::int32_t type);
    TgrilleGagnante MatchGridsForNumbers(const std::array<std::uint8_t, 11>& numbers,
                                         std::int32_t reference, std::int32_t type);
    // The draws view's evaluation of its selected draw: the prize-rank list read again and the
    // grids in memory matched; the winning grids stay current until the next evaluation. A
    // failure leaves them empty and reaches the caller.
    const DrawEvaluation& EvaluateDraw(std::int32_t reference, std::int32_t type);
    const TgrilleGagnante& CurrentWinningGrids() const { return evaluation.currentWinningGrids; }
    // The winnings of a game's grids in memory over every stored draw between two dates,
    // both days included.
    PeriodWinnings ComputePeriodWinnings(std::int32_t type, double from, double to,
                                         const PeriodProgress& progress);
    // What the grids of a computation cost over its draws at the catalogue's prices, and the
    // balance.
    PeriodBalance ComputePeriodBalance(std::int32_t type, const PeriodWinnings& winnings) const;

private:
    const GridList& GridsOf(std::int32_t type) const;
    // The day of a stored draw, 0 when there is none of that reference.
    double DrawDay(std::int32_t reference);

    const Catalogue& catalogue;
    UserDialogs dialogs;
    std::string lastErrorText;
    DatabaseFile database;
    DrawRecords draws;
    GridStore gridStore;
    PrizeTables tables;
    Statistics statistics;
    DrawEvaluation evaluation;
};

} // namespace quintaro
