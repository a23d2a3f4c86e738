#pragma once

#include "support/process.h"
#include "support/temp_dir.h"
#include "support/user_folders.h"

#include <chrono>
#include <cstdint>
#include <filesystem>
#include <optional>
#include <string>
#include <utility>
#include <vector>

namespace quintaro::test {

// The companion on an installation of its own: the installation folder (catalogue and
// combination tables), the working folder it runs in, and the user's folders (settings,
// downloads and results files, database), each a folder that the test removes.
class Companion {
public:
    std::filesystem::path DatabaseFile() const { return user.Database(); }
    std::filesystem::path SettingsFile() const { return user.SettingsFile(); }
    // Where an update puts an entry's archive and its results file.
    std::filesystem::path DownloadedFile(const std::string& name) const {
        return user.Results() / name;
    }
    // The folders, each with a short name, that hold everything the companion reads and writes.
    std::vector<std::pair<std::string, std::filesystem::path>> Places() const;

    // Runs `quintaro-cli --app-dir <installation> args...` in the working folder.
    ProcessResult Run(std::vector<std::string> args,
                      std::optional<std::uint64_t> fileSizeLimit = std::nullopt) const;
    // Starts it as Run does and kills it after `delay`; true when it was killed.
    bool RunAndKill(std::vector<std::string> args, std::chrono::microseconds delay) const;

    TempDir app, work;
    UserFolders user;

private:
    std::vector<std::string> Arguments(std::vector<std::string> args) const;
};

} // namespace quintaro::test
