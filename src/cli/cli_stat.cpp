// The companion's statistics listing.
#include "cli/cli_session.h"
#include "core/base/day_count.h"
#include "core/base/text_util.h"

#include <ostream>

namespace quintaro::cli {

int Stat(const Invocation& inv, const CliEnvironment& env, std::ostream& out, std::ostream& err) {
    if (inv.args.size() != 1)
        throw UsageError{"stat attend TYPE"};
    const std::int32_t type = IntegerArgument(inv.args[0], "TYPE");
    auto session = Start(inv, env, err, err);
    if (!session)
        return 1;
    std::vector<std::int32_t> series = {type};
    if (HasSecondSet(type))
        series.push_back(SecondSeries(type));
    series.push_back(JokerSeries(type));
    for (std::int32_t s : series)
        for (const StatRow& row : session->md().Stats().Rows(s))
            Row(out,
                {"stat", std::to_string(s), std::to_string(row.boule), std::to_string(row.nbSortie),
                 FormatFixed(row.pourcentage, 4), FormatDayCount(row.date), std::to_string(row.tir),
                 std::to_string(row.ecart)});
    return 0;
}

} // namespace quintaro::cli
