#include "core/app/startup.h"

#include "core/base/quintaro_error.h"

#include <new>

namespace quintaro {

namespace {

[[noreturn]] void Fail(StartupHost& host, const std::string& heading, const std::string& detail) {
    const std::string message = heading + "\r\n" + detail;
    host.SplashMessage(message);
    throw QuintaroError(message);
}

} // namespace

StartupOutcome RunStartupSequence(AppContext& app, StartupHost& host) {
    host.SplashMessage("Démarrage");
    try {
        // The folders the program writes to are the user's; they may not exist yet.
        std::error_code ec;
        std::filesystem::create_directories(app.where.database.parent_path(), ec);
        std::filesystem::create_directories(app.where.resultsDir, ec);
        app.md = std::make_unique<Tmd>(app.where.database, app.where.tables, app.catalogue,
                                       *app.settings, app.dialogs);
        Tmd& md = *app.md;
        if (!md.Connect())
            Fail(host, "/!\\ Erreur lors de la connexion au moteur de la base de donnée /!\\",
                 md.LastError());
        LoadSourceCatalogue(app.catalogue, app.where.catalogue, app.where.resultsDir);
        if (!md.LoadCombinationTables())
            Fail(host, "/!\\ Erreur lors du chargement des tables de calculs /!\\", md.LastError());
        switch (md.CheckSchema()) {
        case SchemaCheck::Conforms:
            host.SplashMessage("base oK ");
            md.EnsureDrawLookupIndexes();
            break;
        case SchemaCheck::Differs:
            host.SplashMessage("base non conforme");
            // The grids saved in the profile are restored into the new database before it
            // takes the old one's place.
            if (!md.RegenerateDatabase())
                Fail(host, "/!\\ Erreur lors de la régénération de la base /!\\", md.LastError());
            host.SplashMessage("Base régénérée");
            break;
        case SchemaCheck::Unreadable:
            // Never rebuild a database that could not be read: it holds the draws and grids.
            Fail(host, "/!\\ Erreur lors de la lecture de la base /!\\", md.LastError());
        }
        host.SplashMessage("Chargement des données");
        host.ProcessPendingMessages();
        md.LoadPrizeAmounts();
        host.SplashMessage("Données Chargées ");
        host.SplashMessage("Démarrage OK");
        return {true, {}};
    } catch (const std::bad_alloc&) {
        return {false, "Mémoire insuffisante"};
    } catch (const std::exception& e) {
        return {false, e.what()};
    }
}

} // namespace quintaro
