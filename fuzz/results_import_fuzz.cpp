// A results file imported as the update imports it: into a database of its own in the
// workspace, through the demo catalogue's column mapping, then the statistics and the prize
// amounts computed over what it stored. The first byte picks the game (its value modulo 6),
// the rest is the file.
#include "core/app/installation.h"
#include "core/app/startup.h"
#include "core/base/app_paths.h"
#include "core/update/results_import.h"
#include "core/winnings/combination_table.h"
#include "fuzz_support.h"
#include "support/recording_update.h"

#include <fstream>

using namespace quintaro;

namespace {

class SilentStart : public StartupHost {
public:
    void SplashMessage(const std::string&) override {}
    void ProcessPendingMessages() override {}
};

// An installation in the workspace, the data store the start-up makes of it, and the import.
struct Importer {
    Importer() : settings(fuzz::Workspace() / "settings.reg") {
        const std::filesystem::path dir = fuzz::Workspace();
        std::filesystem::copy_file(QUINTARO_DEMO_CATALOGUE, CatalogueIniPathIn(dir));
        const CombinationTable tables = CombinationTable::FromRules();
        std::ofstream(CombinationTablesPathIn(dir), std::ios::binary)
            .write(reinterpret_cast<const char*>(tables.Bytes().data()),
                   static_cast<std::streamsize>(tables.Bytes().size()));
        app.where = InstallationIn(dir, dir);
        app.settings = &settings;
        app.dialogs = {[](const std::string&) {}, [](const std::string&) {}};
        fuzz::Require(RunStartupSequence(app, host).ok, "the start-up failed");
    }
    Tmd& md() { return *app.md; }

    std::int64_t Count(const std::string& sql) {
        auto q = md().Connection().Prepare(sql);
        q.Next();
        return q.Int(0);
    }
    std::int64_t Draws() { return Count("select count(*) from listetirage"); }

    // Imports the file of the game as the update does; false when it was rolled back.
    bool Import(int type) {
        md().LastDrawReference();
        test::RecordingUpdate log;
        ResultsImport import(md(), app.catalogue, log, log);
        import.SetLastStoredDate(md().LastDrawDate(type));
        import.LoadResultsFile(type);
        return import.ImportNewDraws(type);
    }

    SettingsStore settings;
    AppContext app;
    SilentStart host;
};

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    static Importer importer;
    if (size == 0)
        return 0;
    const int type = data[0] % kGameTypeCount;
    fuzz::WriteInput(importer.app.catalogue.SourceCatalogue[static_cast<std::size_t>(type)].csv,
                     data + 1, size - 1);

    const bool imported = importer.Import(type);
    const std::int64_t draws = importer.Draws();
    // The file is stored whole or not at all, and nothing stored points at a missing draw.
    fuzz::Require(imported || draws == 0, "a rolled-back import left draws");
    for (const char* orphans :
         {"select count(*) from listeboules where reftirage not in (select reftirage from "
          "listetirage)",
          "select count(*) from listegain where reftirage not in (select reftirage from "
          "listetirage)",
          "select count(*) from listejoker where fkreftirage not in (select reftirage from "
          "listetirage)"})
        fuzz::Require(importer.Count(orphans) == 0, "rows of a draw that is not stored");
    importer.md().ComputeStatistics();
    importer.md().LoadPrizeAmounts();
    // What is stored is never added again.
    if (imported) {
        fuzz::Require(importer.Import(type), "a second import of the same file failed");
        fuzz::Require(importer.Draws() == draws, "a second import added draws");
    }
    importer.md().ClearDrawTables();
    return 0;
}
