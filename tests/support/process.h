#pragma once

#include <chrono>
#include <cstdint>
#include <filesystem>
#include <functional>
#include <optional>
#include <string>
#include <vector>

namespace quintaro::test {

struct ProcessResult {
    int status = -1; // the exit status, or -1 when the process did not exit normally
    std::string out;
    std::string err;
};

// Runs a program in a working directory with extra environment variables ("NAME=value"),
// its standard input closed, and collects its output. With a file size limit, no file the
// program writes can grow past that many bytes: a write beyond it fails as on a full disk.
ProcessResult RunProcess(const std::filesystem::path& program, const std::vector<std::string>& args,
                         const std::filesystem::path& workDir,
                         const std::vector<std::string>& environment,
                         std::optional<std::uint64_t> fileSizeLimit = std::nullopt);

// Runs `body` in a forked child process, under a file size limit as RunProcess does, and
// returns the text body returned; nothing when the child did not get to the end of it.
std::optional<std::string> RunForked(const std::function<std::string()>& body,
                                     std::optional<std::uint64_t> fileSizeLimit);

// Starts a program as RunProcess does, its output discarded, and kills it (SIGKILL) after
// `delay`; true when it was killed, false when it had ended before.
bool RunAndKill(const std::filesystem::path& program, const std::vector<std::string>& args,
                const std::filesystem::path& workDir, const std::vector<std::string>& environment,
                std::chrono::microseconds delay);

} // namespace quintaro::test
