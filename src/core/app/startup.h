#pragma once

#include "core/app/installation.h"
#include "core/settings/settings_store.h"
#include "core/store/catalogue.h"
#include "core/datastore/tmd.h"

#include <filesystem>
#include <memory>
#include <string>

namespace quintaro {

// What the program runs on: the installation's files and folders, the settings store, and
// what the start-up builds from them.
struct AppContext {
    Installation where;
    SettingsStore* settings = nullptr;
    UserDialogs dialogs;

    Catalogue catalogue;
    std::unique_ptr<Tmd> md;
};

// Where the start-up reports to: the splash window of the desktop program, the terminal of
// the companion.
class StartupHost {
public:
    virtual ~StartupHost() = default;
    virtual void SplashMessage(const std::string& text) = 0;
    // Lets the windows repaint; called once, before the prize amounts are loaded.
    virtual void ProcessPendingMessages() = 0;
};

struct StartupOutcome {
    bool ok = false;
    std::string errorText; // the text of the error dialog when not ok
};

// The start-up sequence: creates and connects the data store, reads the catalogue, loads the
// combination tables, checks the schema (rebuilding the database and restoring the grids
// saved in the profile when it does not conform) and loads the prize amounts. Its progress
// lines go to the host; a failure ends it and its text comes back for the error dialog.
StartupOutcome RunStartupSequence(AppContext& app, StartupHost& host);

} // namespace quintaro
