#include "app/startup.h"

#include "app/app_paths.h"
#include "app/quintaro_error.h"

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
        app.md = std::make_unique<Tmd>(app.workDir, app.appDir, app.catalogue, *app.settings,
                                       app.dialogs);
        Tmd& md = *app.md;
        if (!md.Connect())
            Fail(host, "/!\\ Erreur lors de la connexion au moteur de la base de donnée /!\\",
                 md.LastError());
        LoadSourceCatalogue(app.catalogue, CatalogueIniPathIn(app.appDir));
        if (!md.LoadCombinationTables())
            Fail(host, "/!\\ Erreur lors du chargement des tables de calculs /!\\", md.LastError());
        if (md.SchemaConforms()) {
            host.SplashMessage("base oK ");
        } else {
            host.SplashMessage("base non conforme");
            if (!md.RegenerateDatabase())
                Fail(host, "/!\\ Erreur lors de la régénération de la base /!\\", md.LastError());
            host.SplashMessage("Base régénérée");
            md.ImportGridsFromSettings();
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
