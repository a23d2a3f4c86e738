#include "cli/companion.h"

namespace quintaro::test {

std::vector<std::string> Companion::Environment() const {
    const std::filesystem::path& h = home.path();
    return {"HOME=" + h.string(), "XDG_CONFIG_HOME=" + (h / ".config").string(),
            "XDG_DATA_HOME=" + (h / ".local/share").string(),
            "XDG_CACHE_HOME=" + (h / ".cache").string()};
}

std::filesystem::path Companion::DatabaseFile() const {
    return work / "quintaro.sdb";
}

std::filesystem::path Companion::SettingsFile() const {
    return home / ".config/quintaro/settings.reg";
}

std::filesystem::path Companion::ArchiveFile(const std::string& name) const {
    return app / name;
}

std::filesystem::path Companion::ResultsFile(const std::string& name) const {
    return app / name;
}

std::vector<std::pair<std::string, std::filesystem::path>> Companion::Places() const {
    return {{"app", app.path()}, {"work", work.path()}, {"home", home.path()}};
}

std::vector<std::string> Companion::Arguments(std::vector<std::string> args) const {
    args.insert(args.begin(), {"--app-dir", app.path().string()});
    return args;
}

ProcessResult Companion::Run(std::vector<std::string> args,
                             std::optional<std::uint64_t> fileSizeLimit) const {
    return RunProcess(QUINTARO_CLI_PATH, Arguments(std::move(args)), work.path(), Environment(),
                      fileSizeLimit);
}

bool Companion::RunAndKill(std::vector<std::string> args, std::chrono::microseconds delay) const {
    return test::RunAndKill(QUINTARO_CLI_PATH, Arguments(std::move(args)), work.path(),
                            Environment(), delay);
}

} // namespace quintaro::test
