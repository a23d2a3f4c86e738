#include "core/winnings/draw_summary.h"

#include "core/base/currency.h"

namespace quintaro {

std::string DrawWinningsSummary(const TgrilleGagnante& winners, char decimalSeparator,
                                char groupSeparator) {
    double total = 0.0;
    for (const WinningGrid& w : winners)
        total += w.prize;
    if (total == 0.0)
        return "Aucunes grilles gagnantes pour ce tirage";
    return "Vous avez " + std::to_string(winners.size()) + " grilles gagnantes pour un total de " +
           FormatGroupedAmount(total, decimalSeparator, groupSeparator) + "€ { " +
           FormatGroupedAmount(ToFrancs(total), decimalSeparator, groupSeparator) + "F }";
}

} // namespace quintaro
