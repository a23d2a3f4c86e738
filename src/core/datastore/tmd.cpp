#include "core/datastore/tmd.h"

#include "core/base/app_paths.h"
#include "core/base/text_util.h"
#include "core/store/schema.h"

#include <vector>

namespace quintaro {

namespace {

constexpr const char* kCannotReset = "Impossible de réinitialiser la base";

// The files SQLite keeps beside a database. A journal left beside a replaced database would
// be played back into the new one, so they go with it.
constexpr std::array<const char*, 3> kCompanionSuffixes = {"-journal", "-wal", "-shm"};

bool RemoveIfPresent(const std::filesystem::path& file) {
    std::error_code ec;
    if (!std::filesystem::exists(std::filesystem::symlink_status(file, ec)))
        return true;
    return std::filesystem::remove(file, ec) && !ec;
}

bool RemoveCompanions(const std::filesystem::path& database) {
    for (const char* suffix : kCompanionSuffixes)
        if (!RemoveIfPresent(database.string() + suffix))
            return false;
    return true;
}

std::string UnreadableText(const std::filesystem::path& database, const SqlError& e) {
    if (e.Busy())
        return "La base " + database.string() +
               " est verrouillée par un autre programme : fermez-le puis relancez Quintaro (" +
               e.what() + ")";
    return "La base " + database.string() + " ne peut pas être lue (" + e.what() + ")";
}

} // namespace

Tmd::Tmd(const std::filesystem::path& workDir, const std::filesystem::path& appDir,
         const Catalogue& catalogue, SettingsStore& settings, UserDialogs dialogs)
    : catalogue(catalogue), settings(settings), dialogs(std::move(dialogs)),
      combinationTablesPath(CombinationTablesPathIn(appDir)),
      databasePath(workDir / kDatabaseFileName) {}

// Statements belong to the connection they were prepared on; a new connection prepares
// them anew.
void Tmd::ForgetStatements() {
    for (auto* statement :
         {&reqAjouteTirages, &reqAjouteBoules, &reqAjouteGains, &reqAjouteJokers, &reqTirageExiste})
        statement->reset();
}

SqlStatement& Tmd::Statement(std::optional<SqlStatement>& slot, const char* text) {
    if (!slot)
        slot.emplace(cnx.Prepare(text));
    return *slot;
}

bool Tmd::Connect() {
    ForgetStatements();
    try {
        cnx.Open(databasePath);
        return true;
    } catch (const std::exception& e) {
        lastErrorText = e.what();
        return false;
    }
}

bool Tmd::SchemaConforms() {
    return CheckSchema() == SchemaCheck::Conforms;
}

SchemaCheck Tmd::CheckSchema() {
    try {
        auto query =
            cnx.Prepare("SELECT * FROM sqlite_master where (type = 'view') or (type = 'table') ");
        struct Row {
            std::string name, sql;
        };
        std::vector<Row> rows;
        const int nameColumn = query.ColumnIndex("tbl_name");
        const int sqlColumn = query.ColumnIndex("sql");
        while (query.Next())
            rows.push_back({query.Text(nameColumn), query.Text(sqlColumn)});

        bool ok = rows.size() >= kSchemaSize;
        std::size_t matched = 0;
        for (std::size_t r = 0; ok && r < rows.size(); ++r) {
            for (std::size_t k = 0; k < kSchemaSize; ++k) {
                if (!EqualsIgnoringAsciiCase(rows[r].name, SchemaTables[k].name))
                    continue;
                if (rows[r].sql == SchemaStatements[k])
                    ++matched;
                else
                    ok = false;
                break;
            }
        }
        return ok && matched == kSchemaSize ? SchemaCheck::Conforms : SchemaCheck::Differs;
    } catch (const SqlError& e) {
        // A file that is no database, or a damaged one, is rebuilt; any other failure (busy,
        // locked, I/O, permission) says nothing of the file's content.
        if (e.DamagedFile()) {
            lastErrorText = e.what();
            return SchemaCheck::Differs;
        }
        lastErrorText = UnreadableText(databasePath, e);
        return SchemaCheck::Unreadable;
    } catch (const std::exception& e) {
        lastErrorText = e.what();
        return SchemaCheck::Unreadable;
    }
}

bool Tmd::RegenerateDatabase() {
    // The new database is built beside the old one, grids included, and takes its place by a
    // rename only when complete: a failure or a kill at any moment leaves the old file, and
    // the next start tries again.
    const std::filesystem::path building = databasePath.string() + ".reconstruction";
    bool placed = false;
    try {
        placed = BuildDatabase(building);
        if (placed) {
            std::error_code ec;
            std::filesystem::rename(building, databasePath, ec);
            placed = !ec;
            if (!placed)
                lastErrorText = kCannotReset;
        }
    } catch (...) {
        AbandonBuild(building);
        throw;
    }
    if (!placed) {
        AbandonBuild(building);
        return false;
    }
    return Connect();
}

bool Tmd::BuildDatabase(const std::filesystem::path& building) {
    ForgetStatements();
    cnx.Close();
    // A rebuild killed earlier may have left its file; the old database's journal must not
    // outlive it either, or it would be played back into the new file once renamed.
    if (!RemoveIfPresent(building) || !RemoveCompanions(building) ||
        !RemoveCompanions(databasePath)) {
        lastErrorText = kCannotReset;
        return false;
    }
    try {
        cnx.Open(building);
    } catch (const std::exception& e) {
        lastErrorText = e.what();
        return false;
    }
    bool result = true;
    for (std::string_view statement : SchemaStatements) {
        try {
            cnx.Execute(std::string(statement));
        } catch (const std::exception& e) {
            lastErrorText = e.what();
            result = false;
        }
    }
    if (!result)
        return false;
    EnsureDrawLookupIndex();
    FillTypeTable();
    ImportGridsFromSettings();
    ForgetStatements();
    cnx.Close();
    return true;
}

void Tmd::AbandonBuild(const std::filesystem::path& building) {
    ForgetStatements();
    cnx.Close();
    RemoveIfPresent(building);
    RemoveCompanions(building);
    // Back on the old file; the failure that led here stays the one reported.
    const std::string failure = lastErrorText;
    Connect();
    lastErrorText = failure;
}

void Tmd::ClearDrawTables() {
    // The table name is not a value and cannot be bound: it goes into the text, and only
    // names of the schema ever do.
    // One transaction: a program killed half-way leaves the draw tables all full or all empty,
    // never prize ranks and balls whose draws are gone (their references would be given out
    // again and clash with them).
    const std::string statement = "delete from :table";
    SqlTransaction transaction(cnx);
    for (const TlistBase& table : SchemaTables) {
        if (table.kind != "table" || table.name == "listetype" || table.name == "listegrille")
            continue;
        std::string sql = statement;
        sql.replace(sql.find(":table"), 6, table.name);
        cnx.Execute(sql);
    }
    transaction.Commit();
    FillTypeTable();
}

void Tmd::FillTypeTable() {
    try {
        cnx.Execute("delete from listetype");
        // The label is bound, not pasted into the text, so any label is stored as it is.
        auto insert = cnx.Prepare("insert into listetype values (:reftype, :libelle)");
        for (std::size_t i = 0; i < catalogue.SourceCatalogue.size(); ++i) {
            insert.Set("reftype", static_cast<std::int64_t>(i));
            insert.Set("libelle", catalogue.SourceCatalogue[i].lib);
            insert.Execute();
        }
    } catch (const std::exception& e) {
        dialogs.error("/!\\ Erreur lors de la mise à jour de la liste des types\r" +
                      std::string(e.what()));
    }
}

} // namespace quintaro
