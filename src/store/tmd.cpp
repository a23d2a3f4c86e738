#include "store/tmd.h"

#include "app/app_paths.h"
#include "app/text_util.h"
#include "store/schema.h"

#include <vector>

namespace quintaro {

namespace {

constexpr const char* kCannotReset = "Impossible de réinitialiser la base";

// The files SQLite keeps beside a database. A journal left beside a deleted database would
// be played back into the new one, so they go with it.
constexpr std::array<const char*, 3> kCompanionSuffixes = {"-journal", "-wal", "-shm"};

bool RemoveIfPresent(const std::filesystem::path& file) {
    std::error_code ec;
    if (!std::filesystem::exists(std::filesystem::symlink_status(file, ec)))
        return true;
    return std::filesystem::remove(file, ec) && !ec;
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
        return ok && matched == kSchemaSize;
    } catch (const std::exception& e) {
        lastErrorText = e.what();
        return false;
    }
}

bool Tmd::RegenerateDatabase() {
    ForgetStatements();
    cnx.Close();
    if (!RemoveIfPresent(databasePath)) {
        lastErrorText = kCannotReset;
        return false;
    }
    for (const char* suffix : kCompanionSuffixes) {
        if (!RemoveIfPresent(databasePath.string() + suffix)) {
            lastErrorText = kCannotReset;
            return false;
        }
    }
    Connect();
    bool result = true;
    for (std::string_view statement : SchemaStatements) {
        try {
            cnx.Execute(std::string(statement));
        } catch (const std::exception& e) {
            lastErrorText = e.what();
            result = false;
        }
    }
    FillTypeTable();
    return result;
}

void Tmd::ClearDrawTables() {
    // The table name is not a value and cannot be bound: it goes into the text, and only
    // names of the schema ever do.
    const std::string statement = "delete from :table";
    for (const TlistBase& table : SchemaTables) {
        if (table.kind != "table" || table.name == "listetype" || table.name == "listegrille")
            continue;
        std::string sql = statement;
        sql.replace(sql.find(":table"), 6, table.name);
        cnx.Execute(sql);
    }
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
