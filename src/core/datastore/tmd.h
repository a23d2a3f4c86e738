#pragma once

#include "core/settings/settings_store.h"
#include "core/store/catalogue.h"
#include "core/store/draw_records.h"
#include "core/store/grid.h"
#include "core/db/sqlite_db.h"
#include "core/winnings/combination_table.h"
#include "core/winnings/matching.h"
#include "core/winnings/prize_amounts.h"

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

// What the schema test found: the seven tables as expected; a database that differs, or a
// file that is no database or is damaged (both rebuilt); a database that could not be read
// (another program holds it, an I/O error...), which is left alone.
enum class SchemaCheck { Conforms, Differs, Unreadable };

// The data store: owns the database connection, its statements and the in-memory data (the
// grids, the prize tables, the draw list). Query operations report failure by their result
// and leave its text in LastError; insert operations let failures through.
class Tmd {
public:
    // The database is the file "quintaro.sdb" in workDir: the connection opens it and the
    // regeneration deletes it, so both always name the same file. The combination tables
    // are the installation's "quintaro.dat" in appDir. Nothing is opened yet.
    Tmd(const std::filesystem::path& workDir, const std::filesystem::path& appDir,
        const Catalogue& catalogue, SettingsStore& settings, UserDialogs dialogs);

    // Connection and schema.
    bool Connect();
    bool SchemaConforms();
    SchemaCheck CheckSchema();
    // Builds a new database with the seven tables, the type table and the grids saved in the
    // settings, and puts it in place of the old one. A failure of the grids' restore leaves
    // as an exception; any failure leaves the old file as it was.
    bool RegenerateDatabase();
    // Empties the draw tables and the statistics, keeps the grids, rewrites the type table.
    // Failures reach the caller.
    void ClearDrawTables();
    // Rewrites listetype from the catalogue; a failure is shown in the error dialog.
    void FillTypeTable();
    const std::string& LastError() const { return lastErrorText; }
    const std::filesystem::path& DatabasePath() const { return databasePath; }
    SqlConnection& Connection() { return cnx; }

    // Draw records.
    void LastDrawReference();
    std::int32_t LastReference() const { return lastReference; }
    // The draw type of the following AddDraw calls.
    void SetDrawInsertType(std::int32_t type);
    void AddDraw(std::int32_t n_sem, std::int32_t n_tir, double date, std::int32_t b1,
                 std::int32_t b2, std::int32_t b3, std::int32_t b4, std::int32_t b5,
                 std::int32_t b6, std::int32_t b7);
    void AddPrizeRanks(const TtabGain& ranks);
    void AddJoker(const std::string& joker, std::int32_t nbgagnant);
    bool DrawExists(std::int32_t n_sem, std::int32_t n_tir, double date, std::int32_t type);
    double LastDrawDate(std::int32_t type);
    // The draw list of one type, or of all types when index >= CatalogueCount. Before the
    // first call OpenDrawList lists every draw.
    void OpenDrawList();
    void FilterDrawList(std::int32_t index);
    const std::vector<DrawListRow>& DrawList() const { return drawList; }
    std::vector<PrizeRankRow> PrizeRankList(std::int32_t reference);
    ttabTirrage SelectDrawsInPeriod(std::int32_t type, double from, double to);
    // An index that spares the duplicate test and the latest-date query a scan of the whole
    // table; the schema test does not see indexes, and the seven tables' statements stay as
    // they are. Created with the tables, and at start-up when missing, when it can be.
    void EnsureDrawLookupIndex();

    // Player grids.
    void LoadGrids();
    // Loads the grids and hands out independent copies of the six lists.
    std::array<GridList, kGameTypeCount> FetchGrids();
    const GridList& Grids(int type) const { return grids[static_cast<std::size_t>(type)]; }
    std::int32_t GridCount(int type) const { return gridCount[static_cast<std::size_t>(type)]; }
    void SaveGridsToSettings();
    void ImportGridsFromSettings();

    // Prize tables.
    bool LoadCombinationTables();
    void LoadPrizeAmounts();
    const CombinationTable& Combinations() const { return CombinationTable_; }
    const PrizeAmounts& Amounts() const { return PrizeAmounts_; }

    // Statistics: the stat table rebuilt from the stored draws. A failure is shown in a
    // message box, the series being written rolled back, and its text left in LastError;
    // false then.
    bool ComputeStatistics();

    // Matching.
    TgrilleGagnante MatchGridsForDraw(std::int32_t reference, std::int32_t type);
    TgrilleGagnante MatchGridsForNumbers(const std::array<std::uint8_t, 11>& numbers,
                                         std::int32_t reference, std::int32_t type) const;
    double GridPrize(std::int32_t reference, std::int32_t family, std::int32_t played,
                     std::int32_t secondPlayed, std::int32_t matched,
                     std::int32_t secondMatched) const;

private:
    SqlStatement& Statement(std::optional<SqlStatement>& slot, const char* text);
    void ReadDrawList(const std::string& query);
    void ForgetStatements();
    bool BuildDatabase(const std::filesystem::path& building);
    void AbandonBuild(const std::filesystem::path& building);

    const Catalogue& catalogue;
    SettingsStore& settings;
    UserDialogs dialogs;
    std::filesystem::path combinationTablesPath;
    SqlConnection cnx;

    std::optional<SqlStatement> reqAjouteTirages;
    std::optional<SqlStatement> reqAjouteBoules;
    std::optional<SqlStatement> reqAjouteGains;
    std::optional<SqlStatement> reqAjouteJokers;
    std::optional<SqlStatement> reqTirageExiste;
    std::vector<DrawListRow> drawList;

    std::array<GridList, kGameTypeCount> grids;
    CombinationTable CombinationTable_;
    std::string lastErrorText;
    PrizeAmounts PrizeAmounts_;
    std::filesystem::path databasePath;
    std::int32_t lastReference = 0;
    std::array<std::int32_t, kGameTypeCount> gridCount{};
};

} // namespace quintaro
