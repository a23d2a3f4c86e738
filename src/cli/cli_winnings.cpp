// The companion's winnings commands: over a period, and for one draw.
#include "core/base/quintaro_error.h"
#include "cli/cli_session.h"
#include "core/base/day_count.h"
#include "core/winnings/draw_summary.h"
#include "core/winnings/period_winnings.h"

#include <ostream>

namespace quintaro::cli {

namespace {

std::string Cells(const GridSet& numbers, const GridSet& marks) {
    std::string cells;
    for (std::size_t i = 0; i < numbers.size(); ++i)
        if (numbers[i])
            cells += (cells.empty() ? "" : " ") + std::to_string(CellCode(numbers[i], marks[i]));
    return cells.empty() ? "-" : cells;
}

void DetailRow(std::ostream& out, std::int32_t type, std::int32_t reftirage, double date,
               std::int32_t n_sem, std::int32_t n_tir, const WinningGrid& w) {
    Row(out, {"detail", std::to_string(reftirage), FormatDayCount(date), std::to_string(n_sem),
              std::to_string(n_tir), Cells(w.mainNumbers, w.mainMarks),
              HasSecondSet(type) ? Cells(w.secondNumbers, w.secondMarks) : "-",
              std::to_string(w.matched), std::to_string(SecondIndex(type, w)), Amount(w.prize)});
}

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
    const PeriodWinnings result = ComputePeriodWinnings(md, type, from, to, nullptr);
    for (const PeriodDetail& d : result.details) {
        const DrawInPeriod& draw = result.draws[d.draw];
        DetailRow(out, type, draw.reftirage, draw.date, draw.n_sem, draw.n_tir, d.grid);
    }
    for (std::size_t matched = 0; matched < result.tally.size(); ++matched)
        for (std::size_t second = 0; second < result.tally[matched].size(); ++second)
            if (const CategoryTally& cell = result.tally[matched][second]; cell.count > 0)
                Row(out, {"resume", std::to_string(matched), std::to_string(second),
                          std::to_string(cell.count), Amount(cell.amount)});
    Row(out, {"total", Amount(result.total)});
    return 0;
}

int Tirage(const Invocation& inv, const CliEnvironment& env, std::ostream& out, std::ostream& err) {
    if (inv.args.size() != 1)
        throw UsageError{"tirage attend REF"};
    const std::int32_t ref = IntegerArgument(inv.args[0], "REF");
    auto session = Start(inv, env, err, err);
    if (!session)
        return 1;
    Tmd& md = session->md();
    auto q = md.Connection().Prepare(
        "select type, date, n_sem, n_tir from listetirage where reftirage = :ref");
    q.Set("ref", std::int64_t{ref});
    if (!q.Next())
        throw QuintaroError("Le tirage " + inv.args[0] + " n'existe pas");
    const auto type = static_cast<std::int32_t>(q.Int(0));
    const double date = q.Double(1);
    const auto n_sem = static_cast<std::int32_t>(q.Int(2));
    const auto n_tir = static_cast<std::int32_t>(q.Int(3));
    md.LoadGrids();
    const TgrilleGagnante winners = md.MatchGridsForDraw(ref, type);
    for (const WinningGrid& w : winners)
        DetailRow(out, type, ref, date, n_sem, n_tir, w);
    Row(out, {"ligne", DrawWinningsSummary(winners, ',', ' ')});
    return 0;
}

} // namespace quintaro::cli
