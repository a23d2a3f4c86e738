#pragma once

#include "store/catalogue.h"
#include "store/sqlite_db.h"

#include <filesystem>
#include <functional>
#include <string>

namespace quintaro {

// Shows a message in an error dialog (title "Erreur", one "OK" button) and waits for it.
using ErrorDialog = std::function<void(const std::string& text)>;

// The data store: owns the database connection, its statements and the in-memory data.
// Query operations report failure by their result and leave its text in LastError.
class Tmd {
public:
    // The database is the file "quintaro.sdb" in workDir: the connection opens it and the
    // regeneration deletes it, so both always name the same file. Nothing is opened yet.
    Tmd(const std::filesystem::path& workDir, const Catalogue& catalogue, ErrorDialog errorDialog);

    bool Connect();
    bool SchemaConforms();
    bool RegenerateDatabase();
    // Empties the draw tables and the statistics, keeps the grids, rewrites the type table.
    // Failures reach the caller.
    void ClearDrawTables();
    // Rewrites listetype from the catalogue; a failure is shown in the error dialog.
    void FillTypeTable();

    const std::string& LastError() const { return lastErrorText; }
    const std::filesystem::path& DatabasePath() const { return databasePath; }
    SqlConnection& Connection() { return cnx; }

private:
    const Catalogue& catalogue;
    ErrorDialog errorDialog;
    SqlConnection cnx;
    std::string lastErrorText;
    std::filesystem::path databasePath;
};

} // namespace quintaro
