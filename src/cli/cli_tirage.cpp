// The companion's winnings of one draw.
#include "cli/cli_session.h"
#include "core/base/currency.h"
#include "core/base/quintaro_error.h"
#include "core/winnings/draw_summary.h"

#include <ostream>

namespace quintaro::cli {

int Tirage(const Invocation& inv, const CliEnvironment& env, std::ostream& out, std::ostream& err) {
    if (inv.args.size() != 1)
        throw UsageError{"tirage attend REF"};
    const std::int32_t ref = IntegerArgument(inv.args[0], "REF");
    auto session = Start(inv, env, err, err);
    if (!session)
        return 1;
    Tmd& md = session->md();
    const std::optional<DrawHeader> draw = md.Draws().FindDraw(ref);
    if (!draw)
        throw QuintaroError("Le tirage " + inv.args[0] + " n'existe pas");
    md.LoadGrids();
    // What the draws view shows of the draw, the summary line in the French format.
    const TgrilleGagnante& winners = md.EvaluateDraw(ref, draw->type).currentWinningGrids;
    for (const WinningGrid& w : winners)
        DetailRow(out, draw->type, ref, draw->date, draw->n_sem, draw->n_tir, w);
    Row(out, {"ligne", DrawWinningsSummary(winners, [](double amount) {
                  return FormatGroupedAmount(amount, ',', ' ');
              })});
    return 0;
}

} // namespace quintaro::cli
