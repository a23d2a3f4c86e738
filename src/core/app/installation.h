#pragma once

#include <filesystem>
#include <optional>
#include <string>

namespace quintaro {

// Where the program finds what it only reads (the catalogue, the combination tables) and keeps
// what it writes (the downloaded archives and results files, the database).
struct Installation {
    std::filesystem::path catalogue;  // quintaro.INI
    std::filesystem::path tables;     // quintaro.dat
    std::filesystem::path resultsDir; // downloaded archives and extracted results files
    std::filesystem::path database;   // quintaro.sdb
};

// What the process knows of its surroundings, passed in; empty texts for unset variables.
struct InstallationEnvironment {
    std::optional<std::filesystem::path> appDir; // named outright (--app-dir)
    std::filesystem::path executableDir;
    std::filesystem::path workDir;
    std::string xdgConfigHome, xdgCacheHome, xdgDataHome, home;
};

// This process's: its executable's folder, the working directory and the XDG variables.
InstallationEnvironment ProcessEnvironment();

// The installation folder is the one named outright, else the executable's folder when it holds
// the combination tables (a build tree), else share/quintaro under the executable's prefix; it
// is never written to. A user catalogue in $XDG_CONFIG_HOME/quintaro/ replaces the installed
// one, unless the folder was named outright. Results files go to $XDG_CACHE_HOME/quintaro/. The
// database is the working directory's quintaro.sdb when there is one, else the one in
// $XDG_DATA_HOME/quintaro/.
Installation LocateInstallation(const InstallationEnvironment& env);

// Everything in two folders: the catalogue, the tables and the results files in appDir, the
// database in workDir.
Installation InstallationIn(const std::filesystem::path& appDir,
                            const std::filesystem::path& workDir);

} // namespace quintaro
