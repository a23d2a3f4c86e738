#include "cli/companion.h"

namespace quintaro::test {

std::vector<std::pair<std::string, std::filesystem::path>> Companion::Places() const {
    return {{"app", app.path()},
            {"work", work.path()},
            {"config", user.config.path()},
            {"cache", user.cache.path()},
            {"data", user.data.path()}};
}

std::vector<std::string> Companion::Arguments(std::vector<std::string> args) const {
    args.insert(args.begin(), {"--app-dir", app.path().string()});
    return args;
}

ProcessResult Companion::Run(std::vector<std::string> args,
                             std::optional<std::uint64_t> fileSizeLimit) const {
    return RunProcess(QUINTARO_CLI_PATH, Arguments(std::move(args)), work.path(),
                      user.Environment(), fileSizeLimit);
}

bool Companion::RunAndKill(std::vector<std::string> args, std::chrono::microseconds delay) const {
    return test::RunAndKill(QUINTARO_CLI_PATH, Arguments(std::move(args)), work.path(),
                            user.Environment(), delay);
}

} // namespace quintaro::test
