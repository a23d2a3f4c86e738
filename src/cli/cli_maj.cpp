// The companion's update commands, maj and maj-total.
#include "cli/cli_session.h"
#include "core/base/app_paths.h"
#include "core/base/day_count.h"
#include "core/base/text_util.h"
#include "core/settings/configuration_settings.h"
#include "core/update/network_fetcher.h"
#include "core/update/update_driver.h"

#include <filesystem>
#include <iostream>

namespace quintaro::cli {

namespace {

// The log kept as lines, printed in their final text once the update is over; the Fichiers
// mode's "picked" file is the entry's file name in the given folder.
class TerminalUpdate : public UpdateHost {
public:
    TerminalUpdate(std::filesystem::path folder, bool confirmed, std::ostream& err)
        : folder_(std::move(folder)), confirmed_(confirmed), err_(err) {}

    std::size_t Append(const std::string& line) override {
        lines_.push_back(line);
        return lines_.size() - 1;
    }
    void Replace(std::size_t index, const std::string& line) override { lines_.at(index) = line; }
    std::size_t LineCount() const override { return lines_.size(); }
    void Start(int) override {}
    void Step(int) override {}
    void Finish() override {}
    std::optional<std::string> PickResultsFile(const std::string& fileName) override {
        const std::filesystem::path file = folder_ / fileName;
        std::error_code ec;
        if (!std::filesystem::is_regular_file(file, ec))
            return std::nullopt;
        return file.string();
    }
    bool Confirm(const std::string& question) override {
        if (confirmed_)
            return true;
        err_ << question << " (oui/non) ? " << std::flush;
        std::string answer;
        return std::getline(std::cin, answer) && answer == "oui";
    }
    void ProcessPendingMessages() override {}

    void Print(std::ostream& out) const {
        for (const std::string& line : lines_)
            out << line << '\n';
    }

private:
    std::filesystem::path folder_;
    bool confirmed_;
    std::ostream& err_;
    std::vector<std::string> lines_;
};

// An extraction without dialogs: no password, a damaged entry is not kept, messages go to err.
class TerminalExtraction : public ExtractionObserver {
public:
    explicit TerminalExtraction(std::ostream& err) : err_(err) {}
    void Refused(const std::string& name) override {
        err_ << "/!\\ Entrée \"" << name << "\" refusée : elle sortirait du dossier /!\\\n";
    }
    void Message(const std::string& text) override { err_ << text << '\n'; }

private:
    std::ostream& err_;
};

// What the grids won on the draws the update added: a `gain` row per winning grid, then the
// total; nothing when no draw of a game with grids was added.
void PrintNewDrawWinnings(std::ostream& out, const NewDrawWinnings& winnings) {
    if (!winnings.Reported())
        return;
    for (const WinningNewDraw& won : winnings.draws) {
        const DrawHeader& draw = won.stored.draw;
        for (const WinningGrid& w : won.winners)
            Row(out,
                {"gain", std::to_string(draw.type), std::to_string(won.stored.reftirage),
                 FormatDayCount(draw.date), std::to_string(w.number), std::to_string(w.matched),
                 std::to_string(SecondIndex(draw.type, w)), Amount(w.prize)});
    }
    Row(out, {"gains-nouveaux", Amount(winnings.total)});
}

struct UpdateOptions {
    std::optional<std::int32_t> mode;
    std::filesystem::path folder = std::filesystem::current_path();
    bool confirmed = false;
};

UpdateOptions ParseOptions(const std::vector<std::string>& args, bool fullReset) {
    UpdateOptions options;
    for (std::size_t i = 0; i < args.size(); ++i) {
        const std::string& a = args[i];
        if (a == "--mode" && i + 1 < args.size()) {
            const std::string& m = args[++i];
            if (m != "internet" && m != "fichiers")
                throw UsageError{"--mode vaut internet ou fichiers : " + m};
            options.mode = m == "internet" ? kModeInternet : kModeFichiers;
        } else if (a == "--dossier" && i + 1 < args.size()) {
            options.folder = args[++i];
        } else if (a == "--oui" && fullReset) {
            options.confirmed = true;
        } else {
            throw UsageError{"argument inattendu : " + a};
        }
    }
    return options;
}

int RunUpdate(const Invocation& inv, const CliEnvironment& env, std::ostream& out,
              std::ostream& err, bool fullReset) {
    const UpdateOptions options = ParseOptions(inv.args, fullReset);
    auto session = Start(inv, env, err, err);
    if (!session)
        return 1;
    const SettingsStore& settings = session->settings;
    const std::int32_t mode = options.mode ? *options.mode
                              : settings.ValueExists(kConfigurationKey, "modemaj")
                                  ? settings.ReadInteger(kConfigurationKey, "modemaj")
                                  : kModeInternet;
    TerminalUpdate host(options.folder, options.confirmed, err);
    TerminalExtraction extraction(err);
    NetworkFetcher fetcher(session->settings, ExecutableName(), extraction);
    UpdateDriver driver(session->md(), session->app.catalogue, host, fetcher);
    bool ran = true;
    try {
        if (fullReset)
            ran = driver.FullReset(mode);
        else
            driver.Update(mode);
    } catch (...) {
        host.Print(out);
        throw;
    }
    host.Print(out);
    if (ran)
        PrintNewDrawWinnings(out, driver.NewWinnings());
    // A scheduled run must tell an update that went through from one where a step failed.
    return ran && !driver.EveryStepSucceeded() ? kExitStepFailed : 0;
}

} // namespace

int Maj(const Invocation& inv, const CliEnvironment& env, std::ostream& out, std::ostream& err) {
    return RunUpdate(inv, env, out, err, false);
}

int MajTotal(const Invocation& inv, const CliEnvironment& env, std::ostream& out,
             std::ostream& err) {
    return RunUpdate(inv, env, out, err, true);
}

} // namespace quintaro::cli
