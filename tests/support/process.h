#pragma once

#include <chrono>
#include <filesystem>
#include <string>
#include <vector>

namespace quintaro::test {

struct ProcessResult {
    int status = -1; // the exit status, or -1 when the process did not exit normally
    std::string out;
    std::string err;
};

// Runs a program in a working directory with extra environment variables ("NAME=value"),
// its standard input closed, and collects its output.
ProcessResult RunProcess(const std::filesystem::path& program, const std::vector<std::string>& args,
                         const std::filesystem::path& workDir,
                         const std::vector<std::string>& environment);

// Starts a program as RunProcess does, its output discarded, and kills it (SIGKILL) after
// `delay`; true when it was killed, false when it had ended before.
bool RunAndKill(const std::filesystem::path& program, const std::vector<std::string>& args,
                const std::filesystem::path& workDir, const std::vector<std::string>& environment,
                std::chrono::microseconds delay);

} // namespace quintaro::test
