#pragma once

#include "core/app/installation.h"

#include <filesystem>
#include <iosfwd>
#include <string>
#include <vector>

namespace quintaro {

// What the companion program takes from its process, passed in: its folders (the option
// --app-dir of the command line goes into `folders.appDir`) and the settings file.
struct CliEnvironment {
    InstallationEnvironment folders;
    std::filesystem::path settingsFile;
};

// The exit status of an update that ran to its end with a failed step.
inline constexpr int kExitStepFailed = 3;

// Runs one command line (without the program name). Exit statuses: 0 success, 1 failure
// (its text on err), 2 usage error (the usage text on err), kExitStepFailed.
int RunCli(const std::vector<std::string>& args, const CliEnvironment& env, std::ostream& out,
           std::ostream& err);

} // namespace quintaro
