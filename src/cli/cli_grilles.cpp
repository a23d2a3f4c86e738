// The companion's grid commands.
#include "cli/cli_session.h"

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

int List(const Invocation& inv, const CliEnvironment& env, std::ostream& out, std::ostream& err) {
    if (inv.args.size() > 2)
        throw UsageError{"grilles lister attend au plus un TYPE"};
    int first = 0, last = kGameTypeCount - 1;
    if (inv.args.size() == 2) {
        first = last = IntegerArgument(inv.args[1], "TYPE");
        if (first < 0 || first >= kGameTypeCount)
            throw UsageError{"TYPE va de 0 à 5 : " + inv.args[1]};
    }
    auto session = Start(inv, env, err, err);
    if (!session)
        return 1;
    Tmd& md = session->md();
    md.LoadGrids();
    for (int type = first; type <= last; ++type)
        for (std::size_t k = 0; k < md.Grids(type).size(); ++k) {
            const Grid& grid = md.Grids(type)[k];
            Row(out, {"grille", std::to_string(type), std::to_string(k + 1), Numbers(grid.main),
                      Numbers(grid.second)});
        }
    return 0;
}

} // namespace

int Grilles(const Invocation& inv, const CliEnvironment& env, std::ostream& out,
            std::ostream& err) {
    if (inv.args.empty() || inv.args[0] != "lister")
        throw UsageError{"grilles attend lister"};
    return List(inv, env, out, err);
}

} // namespace quintaro::cli
