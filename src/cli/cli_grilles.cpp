// The companion's grid commands: the editor's changes and the grid file, without dialogs.
#include "cli/cli_session.h"
#include "core/grids/grid_file.h"
#include "core/grids/grid_rules.h"
#include "core/settings/configuration_settings.h"

#include <map>
#include <ostream>

namespace quintaro::cli {

namespace {

std::string Numbers(const GridSet& set) {
    std::string text;
    for (std::uint8_t v : set)
        if (v)
            text += (text.empty() ? "" : " ") + std::to_string(v);
    return text.empty() ? "-" : text;
}

void GridRow(std::ostream& out, int type, std::size_t number, const Grid& grid) {
    Row(out, {"grille", std::to_string(type), std::to_string(number), Numbers(grid.main),
              Numbers(grid.second)});
}

void ExpectArguments(const Invocation& inv, std::size_t least, std::size_t most,
                     const char* usage) {
    if (inv.args.size() < least || inv.args.size() > most)
        throw UsageError{std::string("usage : grilles ") + usage};
}

int GameArgument(const std::string& text) {
    const int type = IntegerArgument(text, "TYPE");
    if (!IsGameType(type))
        throw UsageError{"TYPE va de 0 à 5 : " + text};
    return type;
}

// "N1 N2 ...": integers separated by blanks.
std::vector<int> ValuesArgument(const std::string& text, const char* what) {
    std::vector<int> values;
    std::size_t start = 0;
    while ((start = text.find_first_not_of(" \t", start)) != std::string::npos) {
        const std::size_t end = std::min(text.find_first_of(" \t", start), text.size());
        values.push_back(IntegerArgument(text.substr(start, end - start), what));
        start = end;
    }
    return values;
}

// After a change, as the editor does: the grids reloaded, and copied to the profile when the
// setting asks for it.
void AfterChange(Session& session) {
    session.md().LoadGrids();
    const ConfigurationRead read = ReadConfiguration(session.settings);
    if (!read.failure && read.values.sauveBoule)
        session.md().SaveGridsToSettings();
}

int List(const Invocation& inv, const CliEnvironment& env, std::ostream& out, std::ostream& err) {
    ExpectArguments(inv, 1, 2, "lister [TYPE]");
    int first = 0, last = kGameTypeCount - 1;
    if (inv.args.size() == 2)
        first = last = GameArgument(inv.args[1]);
    auto session = Start(inv, env, err, err);
    if (!session)
        return 1;
    Tmd& md = session->md();
    md.LoadGrids();
    for (int type = first; type <= last; ++type)
        for (std::size_t k = 0; k < md.Grids(type).size(); ++k)
            GridRow(out, type, k + 1, md.Grids(type)[k]);
    return 0;
}

int Export(const Invocation& inv, const CliEnvironment& env, std::ostream& out, std::ostream& err) {
    ExpectArguments(inv, 2, 2, "exporter FICHIER");
    auto session = Start(inv, env, err, err);
    if (!session)
        return 1;
    const std::filesystem::path file = std::filesystem::absolute(inv.args[1]);
    WriteGridFile(file, session->md().FetchGrids());
    out << ExportedMessage(file) << '\n';
    return 0;
}

int Import(const Invocation& inv, const CliEnvironment& env, std::ostream& out, std::ostream& err) {
    ExpectArguments(inv, 2, 2, "importer FICHIER");
    auto session = Start(inv, env, err, err);
    if (!session)
        return 1;
    const std::filesystem::path file = std::filesystem::absolute(inv.args[1]);
    const GridFileRead read = ReadGridFile(file);
    switch (read.outcome) {
    case GridFileRead::Outcome::NotQuintaro:
        err << NotQuintaroMessage(file) << '\n';
        return 1;
    case GridFileRead::Outcome::Corrupt:
        err << CorruptMessage(file) << '\n';
        return 1;
    case GridFileRead::Outcome::Read:
        break;
    }
    session->md().PlayerGrids().ReplaceGrids(read.lists);
    AfterChange(*session);
    out << kGridsImported << '\n';
    return 0;
}

int Add(const Invocation& inv, const CliEnvironment& env, std::ostream& out, std::ostream& err) {
    ExpectArguments(inv, 3, 4, "ajouter TYPE \"N1 N2 ...\" [\"S1 S2 ...\"]");
    const int type = GameArgument(inv.args[1]);
    const std::vector<int> numbers = ValuesArgument(inv.args[2], "un numéro");
    const std::vector<int> seconds = inv.args.size() == 4
                                         ? ValuesArgument(inv.args[3], "une étoile ou un N° Chance")
                                         : std::vector<int>{};
    // Refused as the editor refuses it, before anything is opened.
    if (auto refused = CheckGrid(type, numbers, seconds)) {
        err << *refused << '\n';
        return 1;
    }
    auto session = Start(inv, env, err, err);
    if (!session)
        return 1;
    const std::int32_t number =
        session->md().PlayerGrids().AddGrid(type, MakeGrid(numbers, seconds));
    AfterChange(*session);
    GridRow(out, type, static_cast<std::size_t>(number),
            session->md().Grids(type)[static_cast<std::size_t>(number - 1)]);
    return 0;
}

int Delete(const Invocation& inv, const CliEnvironment& env, std::ostream&, std::ostream& err) {
    ExpectArguments(inv, 3, 3, "supprimer TYPE NUM");
    const int type = GameArgument(inv.args[1]);
    const std::int32_t number = IntegerArgument(inv.args[2], "NUM");
    auto session = Start(inv, env, err, err);
    if (!session)
        return 1;
    session->md().PlayerGrids().DeleteGrid(type, number);
    AfterChange(*session);
    return 0;
}

} // namespace

int Grilles(const Invocation& inv, const CliEnvironment& env, std::ostream& out,
            std::ostream& err) {
    static const std::map<std::string, Command> commands = {
        {"lister", List}, {"exporter", Export},  {"importer", Import},
        {"ajouter", Add}, {"supprimer", Delete},
    };
    auto it = inv.args.empty() ? commands.end() : commands.find(inv.args[0]);
    if (it == commands.end())
        throw UsageError{"grilles attend lister, exporter, importer, ajouter ou supprimer"};
    return it->second(inv, env, out, err);
}

} // namespace quintaro::cli
