#include "cli/cli.h"

#include "app/startup.h"
#include "app/text_util.h"

#include <functional>
#include <map>
#include <memory>
#include <ostream>

namespace quintaro {

namespace {

constexpr const char* kUsage =
    "Usage : quintaro-cli [--app-dir DOSSIER] COMMANDE [ARGUMENTS]\n"
    "\n"
    "  --app-dir DOSSIER  dossier de l'installation (quintaro.INI, quintaro.dat) ;\n"
    "                     par défaut celui de quintaro-cli\n"
    "\n"
    "Commandes :\n"
    "  demarrage          exécute la séquence de démarrage et affiche ses étapes\n";

struct UsageError {
    std::string text;
};

// The start-up lines go where the command wants them; a dialog's text goes to err.
class TerminalHost : public StartupHost {
public:
    explicit TerminalHost(std::ostream& lines) : lines_(lines) {}
    void SplashMessage(const std::string& text) override {
        lines_ << WithUnixLineBreaks(text) << '\n';
    }
    void ProcessPendingMessages() override {}

private:
    std::ostream& lines_;
};

struct Invocation {
    std::filesystem::path appDir;
    std::string command;
    std::vector<std::string> args;
};

Invocation Parse(const std::vector<std::string>& args, const CliEnvironment& env) {
    Invocation inv{env.defaultAppDir, {}, {}};
    std::size_t i = 0;
    for (; i < args.size() && args[i].rfind("--", 0) == 0; ++i) {
        if (args[i] == "--app-dir" && i + 1 < args.size())
            inv.appDir = args[++i];
        else if (args[i].rfind("--app-dir=", 0) == 0)
            inv.appDir = args[i].substr(10);
        else
            throw UsageError{"option inconnue : " + args[i]};
    }
    if (i == args.size())
        throw UsageError{"commande manquante"};
    inv.command = args[i];
    inv.args.assign(args.begin() + static_cast<std::ptrdiff_t>(i) + 1, args.end());
    return inv;
}

// The installation as a command sees it after the start-up sequence.
struct Session {
    explicit Session(const std::filesystem::path& settingsFile) : settings(settingsFile) {}
    SettingsStore settings;
    AppContext app;
};

// Runs the start-up sequence with its lines on `progress`; on failure prints the dialog's
// text on err and gives nothing.
std::unique_ptr<Session> Start(const Invocation& inv, const CliEnvironment& env,
                               std::ostream& progress, std::ostream& err) {
    auto session = std::make_unique<Session>(env.settingsFile);
    if (!session->settings.DamageNotice().empty())
        err << session->settings.DamageNotice() << '\n';
    AppContext& app = session->app;
    app.appDir = inv.appDir;
    app.workDir = env.workDir;
    app.settings = &session->settings;
    app.errorDialog = [&err](const std::string& text) { err << WithUnixLineBreaks(text) << '\n'; };
    TerminalHost host(progress);
    StartupOutcome outcome = RunStartupSequence(app, host);
    if (!outcome.ok) {
        err << WithUnixLineBreaks(outcome.errorText) << '\n';
        return nullptr;
    }
    return session;
}

int Demarrage(const Invocation& inv, const CliEnvironment& env, std::ostream& out,
              std::ostream& err) {
    if (!inv.args.empty())
        throw UsageError{"demarrage ne prend pas d'argument"};
    return Start(inv, env, out, err) ? 0 : 1;
}

} // namespace

int RunCli(const std::vector<std::string>& args, const CliEnvironment& env, std::ostream& out,
           std::ostream& err) {
    using Command =
        std::function<int(const Invocation&, const CliEnvironment&, std::ostream&, std::ostream&)>;
    static const std::map<std::string, Command> commands = {{"demarrage", Demarrage}};
    try {
        Invocation inv = Parse(args, env);
        auto it = commands.find(inv.command);
        if (it == commands.end())
            throw UsageError{"commande inconnue : " + inv.command};
        return it->second(inv, env, out, err);
    } catch (const UsageError& e) {
        err << "quintaro-cli : " << e.text << "\n\n" << kUsage;
        return 2;
    } catch (const std::exception& e) {
        err << WithUnixLineBreaks(e.what()) << '\n';
        return 1;
    }
}

} // namespace quintaro
