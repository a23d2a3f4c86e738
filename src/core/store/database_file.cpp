#include "core/store/database_file.h"

#include "core/base/text_util.h"
#include "core/store/schema.h"

#include <array>
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

DatabaseFile::DatabaseFile(std::filesystem::path file, std::string& lastError)
    : file_(std::move(file)), lastError_(lastError) {}

bool DatabaseFile::Connect() {
    try {
        cnx_.Open(file_);
        return true;
    } catch (const std::exception& e) {
        lastError_ = e.what();
        return false;
    }
}

SchemaCheck DatabaseFile::CheckSchema() {
    try {
        auto query =
            cnx_.Prepare("SELECT * FROM sqlite_master where (type = 'view') or (type = 'table') ");
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
            lastError_ = e.what();
            return SchemaCheck::Differs;
        }
        lastError_ = UnreadableText(file_, e);
        return SchemaCheck::Unreadable;
    } catch (const std::exception& e) {
        lastError_ = e.what();
        return SchemaCheck::Unreadable;
    }
}

bool DatabaseFile::Rebuild(const std::function<void()>& fill) {
    const std::filesystem::path building = file_.string() + ".reconstruction";
    bool placed = false;
    try {
        placed = Build(building, fill);
        if (placed) {
            std::error_code ec;
            std::filesystem::rename(building, file_, ec);
            placed = !ec;
            if (!placed)
                lastError_ = kCannotReset;
        }
    } catch (...) {
        Abandon(building);
        throw;
    }
    if (!placed) {
        Abandon(building);
        return false;
    }
    return Connect();
}

bool DatabaseFile::Build(const std::filesystem::path& building,
                         const std::function<void()>& fill) {
    cnx_.Close();
    // A rebuild killed earlier may have left its file; the old database's journal must not
    // outlive it either, or it would be played back into the new file once renamed.
    if (!RemoveIfPresent(building) || !RemoveCompanions(building) || !RemoveCompanions(file_)) {
        lastError_ = kCannotReset;
        return false;
    }
    try {
        cnx_.Open(building);
    } catch (const std::exception& e) {
        lastError_ = e.what();
        return false;
    }
    bool result = true;
    for (std::string_view statement : SchemaStatements) {
        try {
            cnx_.Execute(std::string(statement));
        } catch (const std::exception& e) {
            lastError_ = e.what();
            result = false;
        }
    }
    if (!result)
        return false;
    fill();
    cnx_.Close();
    return true;
}

void DatabaseFile::Abandon(const std::filesystem::path& building) {
    cnx_.Close();
    RemoveIfPresent(building);
    RemoveCompanions(building);
    // Back on the old file; the failure that led here stays the one reported.
    const std::string failure = lastError_;
    Connect();
    lastError_ = failure;
}

void DatabaseFile::ClearDrawTables() {
    // One transaction: a program killed half-way leaves the draw tables all full or all empty,
    // never prize ranks and balls whose draws are gone (their references would be given out
    // again and clash with them).
    const std::string statement = "delete from :table";
    SqlTransaction transaction(cnx_);
    for (const TlistBase& table : SchemaTables) {
        if (table.kind != "table" || table.name == "listetype" || table.name == "listegrille")
            continue;
        // The table name is not a value and cannot be bound: it goes into the text, and only
        // names of the schema ever do.
        std::string sql = statement;
        sql.replace(sql.find(":table"), 6, table.name);
        cnx_.Execute(sql);
    }
    transaction.Commit();
}

void DatabaseFile::FillTypeTable(const Catalogue& catalogue) {
    cnx_.Execute("delete from listetype");
    // The label is bound, not pasted into the text, so any label is stored as it is.
    auto insert = cnx_.Prepare("insert into listetype values (:reftype, :libelle)");
    for (std::size_t i = 0; i < catalogue.SourceCatalogue.size(); ++i) {
        insert.Set("reftype", static_cast<std::int64_t>(i));
        insert.Set("libelle", catalogue.SourceCatalogue[i].lib);
        insert.Execute();
    }
}

} // namespace quintaro
