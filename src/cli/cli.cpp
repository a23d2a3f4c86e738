#include "cli/cli.h"

#include "cli/cli_session.h"
#include "core/base/day_count.h"
#include "core/base/text_util.h"
#include "core/winnings/period_winnings.h"

#include <map>
#include <ostream>

namespace quintaro {

namespace cli {

namespace {

constexpr const char* kUsage =
    "Usage : quintaro-cli [--app-dir DOSSIER] COMMANDE [ARGUMENTS]\n"
    "\n"
    "  --app-dir DOSSIER  dossier de l'installation (quintaro.INI, quintaro.dat) ;\n"
    "                     par défaut celui de quintaro-cli\n"
    "\n"
    "Commandes :\n"
    "  demarrage               exécute la séquence de démarrage et affiche ses étapes\n"
    "  gains TYPE DEBUT FIN    gains des grilles d'un jeu entre deux dates (jj/mm/aaaa),\n"
    "                          puis leurs mises et le solde\n"
    "  tirage REF              gains des grilles pour un tirage\n"
    "  grilles lister [TYPE]   les grilles enregistrées\n"
    "  grilles exporter FICHIER\n"
    "                          écrit toutes les grilles dans un fichier .vavuze\n"
    "  grilles importer FICHIER\n"
    "                          remplace les grilles par celles du fichier\n"
    "  grilles ajouter TYPE \"N1 N2 ...\" [\"S1 S2 ...\"]\n"
    "                          ajoute une grille : ses numéros, puis ses étoiles ou N° Chance\n"
    "  grilles supprimer TYPE NUM\n"
    "                          supprime la grille NUM ; les suivantes sont renumérotées\n"
    "  maj [--mode internet|fichiers] [--dossier DOSSIER]\n"
    "                          ajoute les nouveaux tirages ; en mode fichiers, le fichier de\n"
    "                          chaque jeu est pris dans DOSSIER (par défaut le dossier courant) ;\n"
    "                          puis les gains des grilles sur les tirages ajoutés\n"
    "  maj-total [--oui] [mêmes options]\n"
    "                          vide les tables des tirages puis les recharge\n"
    "  stat TYPE               statistiques des numéros d'un jeu\n";

// The start-up lines go where the command wants them.
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

Invocation Parse(const std::vector<std::string>& args, const CliEnvironment& env) {
    Invocation inv{env.folders.appDir, {}, {}};
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

int Demarrage(const Invocation& inv, const CliEnvironment& env, std::ostream& out,
              std::ostream& err) {
    if (!inv.args.empty())
        throw UsageError{"demarrage ne prend pas d'argument"};
    return Start(inv, env, out, err) ? 0 : 1;
}

} // namespace

std::unique_ptr<Session> Start(const Invocation& inv, const CliEnvironment& env,
                               std::ostream& progress, std::ostream& err) {
    auto session = std::make_unique<Session>(env.settingsFile);
    if (!session->settings.DamageNotice().empty())
        err << session->settings.DamageNotice() << '\n';
    AppContext& app = session->app;
    InstallationEnvironment folders = env.folders;
    folders.appDir = inv.appDir;
    app.where = LocateInstallation(folders);
    app.settings = &session->settings;
    auto print = [&err](const std::string& text) { err << WithUnixLineBreaks(text) << '\n'; };
    app.dialogs = {print, print};
    TerminalHost host(progress);
    StartupOutcome outcome = RunStartupSequence(app, host);
    if (!outcome.ok) {
        err << WithUnixLineBreaks(outcome.errorText) << '\n';
        return nullptr;
    }
    return session;
}

std::int32_t IntegerArgument(const std::string& text, const char* what) {
    if (auto value = TryParseInt32(text))
        return *value;
    throw UsageError{std::string(what) + " n'est pas un entier : " + text};
}

double DateArgument(const std::string& text, const char* what) {
    if (auto value = ParseDayCount(text))
        return *value;
    throw UsageError{std::string(what) + " n'est pas une date jj/mm/aaaa : " + text};
}

std::string Amount(double value) {
    return FormatFixed(value, 2);
}

void Row(std::ostream& out, const std::vector<std::string>& fields) {
    for (std::size_t i = 0; i < fields.size(); ++i)
        out << (i ? "\t" : "") << fields[i];
    out << '\n';
}

namespace {

std::string Cells(const GridSet& numbers, const GridSet& marks) {
    std::string cells;
    for (std::size_t i = 0; i < numbers.size(); ++i)
        if (numbers[i])
            cells += (cells.empty() ? "" : " ") + std::to_string(CellCode(numbers[i], marks[i]));
    return cells.empty() ? "-" : cells;
}

} // namespace

void DetailRow(std::ostream& out, std::int32_t type, std::int32_t reftirage, double date,
               std::int32_t n_sem, std::int32_t n_tir, const WinningGrid& w) {
    Row(out, {"detail", std::to_string(reftirage), FormatDayCount(date), std::to_string(n_sem),
              std::to_string(n_tir), Cells(w.mainNumbers, w.mainMarks),
              HasSecondSet(type) ? Cells(w.secondNumbers, w.secondMarks) : "-",
              std::to_string(w.matched), std::to_string(SecondIndex(type, w)), Amount(w.prize)});
}

} // namespace cli

int RunCli(const std::vector<std::string>& args, const CliEnvironment& env, std::ostream& out,
           std::ostream& err) {
    static const std::map<std::string, cli::Command> commands = {
        {"demarrage", cli::Demarrage}, {"gains", cli::Gains}, {"tirage", cli::Tirage},
        {"grilles", cli::Grilles},     {"maj", cli::Maj},     {"maj-total", cli::MajTotal},
        {"stat", cli::Stat},
    };
    try {
        cli::Invocation inv = cli::Parse(args, env);
        auto it = commands.find(inv.command);
        if (it == commands.end())
            throw cli::UsageError{"commande inconnue : " + inv.command};
        return it->second(inv, env, out, err);
    } catch (const cli::UsageError& e) {
        err << "quintaro-cli : " << e.text << "\n\n" << cli::kUsage;
        return 2;
    } catch (const std::exception& e) {
        err << WithUnixLineBreaks(e.what()) << '\n';
        return 1;
    }
}

} // namespace quintaro
