#pragma once

#include "core/winnings/matching.h"

#include <string>

namespace quintaro {

// The summary line of the winnings of one draw: "Vous avez 2 grilles gagnantes pour un total
// de 15,50€ { 101,67F }", or "Aucunes grilles gagnantes pour ce tirage" when the total is 0.
// Amounts take the given separators.
std::string DrawWinningsSummary(const TgrilleGagnante& winners, char decimalSeparator,
                                char groupSeparator);

} // namespace quintaro
