#pragma once

#include "support/process.h"
#include "support/temp_dir.h"

#include <chrono>
#include <cstdint>
#include <filesystem>
#include <optional>
#include <string>
#include <utility>
#include <vector>

namespace quintaro::test {

// The companion on an installation of its own: the installation folder (catalogue, combination
// tables, and the archives and results files of an update), the working folder (database) and
// the user's home (settings), each a folder that the test removes. Where the program keeps each
// file, and the environment that points it at these folders, are said here alone.
class Companion {
public:
    Companion() = default;

    std::vector<std::string> Environment() const;
    std::filesystem::path DatabaseFile() const;
    std::filesystem::path SettingsFile() const;
    // Where an update puts an entry's archive and its results file.
    std::filesystem::path ArchiveFile(const std::string& name) const;
    std::filesystem::path ResultsFile(const std::string& name) const;
    // The folders, each with a short name, that hold everything the companion reads and writes.
    std::vector<std::pair<std::string, std::filesystem::path>> Places() const;

    // Runs `quintaro-cli --app-dir <installation> args...` in the working folder.
    ProcessResult Run(std::vector<std::string> args,
                      std::optional<std::uint64_t> fileSizeLimit = std::nullopt) const;
    // Starts it as Run does and kills it after `delay`; true when it was killed.
    bool RunAndKill(std::vector<std::string> args, std::chrono::microseconds delay) const;

    TempDir app, work, home;

private:
    std::vector<std::string> Arguments(std::vector<std::string> args) const;
};

} // namespace quintaro::test
