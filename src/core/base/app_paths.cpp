#include "core/base/app_paths.h"

#include <string>

namespace quintaro {

std::filesystem::path CatalogueIniPathIn(const std::filesystem::path& appDir) {
    return appDir / (std::string(kProgramFileStem) + ".INI");
}

std::filesystem::path CombinationTablesPathIn(const std::filesystem::path& appDir) {
    return appDir / (std::string(kProgramFileStem) + ".dat");
}

std::filesystem::path ExecutableDirectory() {
    std::error_code ec;
    auto exe = std::filesystem::read_symlink("/proc/self/exe", ec);
    if (ec)
        return std::filesystem::current_path();
    return exe.parent_path();
}

std::string ExecutableName() {
    std::error_code ec;
    return std::filesystem::read_symlink("/proc/self/exe", ec).filename().string();
}

std::filesystem::path SettingsFilePath(const char* xdgConfigHome, const char* home) {
    std::filesystem::path base;
    if (xdgConfigHome && *xdgConfigHome)
        base = xdgConfigHome;
    else
        base = std::filesystem::path(home && *home ? home : ".") / ".config";
    return base / "quintaro" / "settings.reg";
}

} // namespace quintaro
