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

std::filesystem::path UserFolder(std::string_view xdgHome, std::string_view home,
                                 const char* defaultUnderHome) {
    const std::filesystem::path base =
        !xdgHome.empty()
            ? std::filesystem::path(xdgHome)
            : std::filesystem::path(home.empty() ? std::string_view(".") : home) / defaultUnderHome;
    return base / kProgramFileStem;
}

std::filesystem::path SettingsFilePath(const char* xdgConfigHome, const char* home) {
    return UserFolder(xdgConfigHome ? xdgConfigHome : "", home ? home : "", ".config") /
           "settings.reg";
}

} // namespace quintaro
