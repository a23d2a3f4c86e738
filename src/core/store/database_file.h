#pragma once

#include "core/db/sqlite_db.h"
#include "core/store/catalogue.h"

#include <filesystem>
#include <functional>
#include <string>

namespace quintaro {

// What the schema test found: the seven tables as expected; a database that differs, or a
// file that is no database or is damaged (both rebuilt); a database that could not be read
// (another program holds it, an I/O error...), which is left alone.
enum class SchemaCheck { Conforms, Differs, Unreadable };

// The database file "quintaro.sdb" and its one connection: the schema test, the rebuild and
// the emptying of the draw tables. Failures of the query operations leave their text in
// `lastError`.
class DatabaseFile {
public:
    DatabaseFile(std::filesystem::path file, std::string& lastError);

    SqlConnection& Connection() { return cnx_; }
    const std::filesystem::path& Path() const { return file_; }

    bool Connect();
    SchemaCheck CheckSchema();
    // Builds a new database beside the old one: the seven tables, then what `fill` writes on
    // the connection (an exception from it abandons the build and leaves through). Only when
    // it is complete does it take the old one's place, by a rename: a failure or a kill at
    // any moment leaves the old file, and the connection back on it.
    bool Rebuild(const std::function<void()>& fill);
    // Empties the draw tables and the statistics in one transaction; failures reach the caller.
    void ClearDrawTables();
    // Rewrites listetype from the catalogue; failures reach the caller.
    void FillTypeTable(const Catalogue& catalogue);

private:
    bool Build(const std::filesystem::path& building, const std::function<void()>& fill);
    void Abandon(const std::filesystem::path& building);

    std::filesystem::path file_;
    std::string& lastError_;
    SqlConnection cnx_;
};

} // namespace quintaro
