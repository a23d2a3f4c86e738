// The companion's winnings over a period.
#include "cli/cli_session.h"
#include "core/base/quintaro_error.h"

#include <ostream>

namespace quintaro::cli {

namespace {

std::int32_t GameArgument(const std::string& text, const Session& session) {
    const std::int32_t type = IntegerArgument(text, "TYPE");
    if (type < 0 || type >= session.app.catalogue.CatalogueCount)
        throw QuintaroError("Le type de tirage " + text + " n'est pas dans le catalogue");
    return type;
}

} // namespace

int Gains(const Invocation& inv, const CliEnvironment& env, std::ostream& out, std::ostream& err) {
    if (inv.args.size() != 3)
        throw UsageError{"gains attend TYPE DEBUT FIN"};
    IntegerArgument(inv.args[0], "TYPE");
    const double from = DateArgument(inv.args[1], "DEBUT");
    const double to = DateArgument(inv.args[2], "FIN");
    auto session = Start(inv, env, err, err);
    if (!session)
        return 1;
    const std::int32_t type = GameArgument(inv.args[0], *session);
    Tmd& md = session->md();
    md.LoadGrids();
    const PeriodWinnings result = md.ComputePeriodWinnings(type, from, to, nullptr);
    for (const PeriodDetail& d : result.details) {
        const DrawInPeriod& draw = result.draws[d.draw];
        DetailRow(out, type, draw.reftirage, draw.date, draw.n_sem, draw.n_tir, result.Winner(d));
    }
    for (std::size_t matched = 0; matched < result.tally.size(); ++matched)
        for (std::size_t second = 0; second < result.tally[matched].size(); ++second)
            if (const CategoryTally& cell = result.tally[matched][second]; cell.count > 0)
                Row(out, {"resume", std::to_string(matched), std::to_string(second),
                          std::to_string(cell.count), Amount(cell.amount)});
    Row(out, {"total", Amount(result.total)});
    const PeriodBalance balance = md.ComputePeriodBalance(type, result);
    Row(out, {"mises", Amount(balance.stake)});
    Row(out, {"solde", Amount(balance.balance)});
    Row(out, {"sans-prix", std::to_string(balance.drawsWithoutPrice)});
    return 0;
}

} // namespace quintaro::cli
