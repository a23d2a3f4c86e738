#pragma once

#include <filesystem>
#include <optional>
#include <string>
#include <string_view>

namespace quintaro {

// The installation: the catalogue and the combination tables lie in the directory of the
// executables and take the program's name.
inline constexpr const char* kProgramFileStem = "quintaro";
inline constexpr const char* kDatabaseFileName = "quintaro.sdb";

std::filesystem::path CatalogueIniPathIn(const std::filesystem::path& appDir);
std::filesystem::path CombinationTablesPathIn(const std::filesystem::path& appDir);

// The directory of the running executable, and its file name.
std::filesystem::path ExecutableDirectory();
std::string ExecutableName();

// The program's folder among the user's: $XDG_…_HOME/quintaro, or under its default below the
// home folder (".config", ".cache", ".local/share") when the variable is unset or empty. The
// environment values are passed in.
std::filesystem::path UserFolder(std::string_view xdgHome, std::string_view home,
                                 const char* defaultUnderHome);

// The per-user settings file: $XDG_CONFIG_HOME/quintaro/settings.reg, with ~/.config when
// XDG_CONFIG_HOME is unset or empty.
std::filesystem::path SettingsFilePath(const char* xdgConfigHome, const char* home);

} // namespace quintaro
