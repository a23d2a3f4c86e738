#include "core/app/installation.h"

#include "core/base/app_paths.h"

#include <cstdlib>

namespace quintaro {

namespace {

bool Exists(const std::filesystem::path& file) {
    std::error_code ec;
    return std::filesystem::exists(file, ec);
}

} // namespace

InstallationEnvironment ProcessEnvironment() {
    const auto variable = [](const char* name) {
        const char* value = std::getenv(name);
        return std::string(value ? value : "");
    };
    return {std::nullopt,
            ExecutableDirectory(),
            std::filesystem::current_path(),
            variable("XDG_CONFIG_HOME"),
            variable("XDG_CACHE_HOME"),
            variable("XDG_DATA_HOME"),
            variable("HOME")};
}

Installation LocateInstallation(const InstallationEnvironment& env) {
    std::filesystem::path appDir;
    if (env.appDir)
        appDir = *env.appDir;
    else if (Exists(CombinationTablesPathIn(env.executableDir)))
        appDir = env.executableDir;
    else
        appDir = env.executableDir.parent_path() / "share" / kProgramFileStem;

    Installation where = InstallationIn(appDir, env.workDir);
    const std::filesystem::path userCatalogue =
        CatalogueIniPathIn(UserFolder(env.xdgConfigHome, env.home, ".config"));
    if (!env.appDir && Exists(userCatalogue))
        where.catalogue = userCatalogue;
    where.resultsDir = UserFolder(env.xdgCacheHome, env.home, ".cache");
    if (!Exists(where.database))
        where.database = UserFolder(env.xdgDataHome, env.home, ".local/share") / kDatabaseFileName;
    return where;
}

Installation InstallationIn(const std::filesystem::path& appDir,
                            const std::filesystem::path& workDir) {
    return {CatalogueIniPathIn(appDir), CombinationTablesPathIn(appDir), appDir,
            workDir / kDatabaseFileName};
}

} // namespace quintaro
