#pragma once

#include "core/winnings/period_balance.h"
#include "core/winnings/period_winnings.h"

#include <cstdint>
#include <string>
#include <vector>

namespace quintaro {

// The two tables of the winnings over a period, and the balance below the summary, as plain
// data: the view formats amounts and dates in the user's regional format.

inline constexpr int kPeriodColumnWidth = 22; // every column not given another width
inline constexpr int kPeriodRowHeight = 15;

// What a detail column holds, which sets its background.
enum class PeriodColumnKind {
    MainNumber,   // a slot of the grid's numbers
    SecondNumber, // a slot of its stars or chance numbers
    Count,        // hits counted
    Prize,
    Draw, // the draw's date, numbers and balls
};

struct PeriodColumn {
    std::string heading;
    int width = kPeriodColumnWidth;
    PeriodColumnKind kind = PeriodColumnKind::Count;
};

struct PeriodCell {
    enum class Kind { Text, Euros, Francs, Date };
    Kind kind = Kind::Text;
    std::string text;   // Text
    double value = 0.0; // an amount in its currency, or a day count
    bool operator==(const PeriodCell&) const = default;
};
using PeriodRow = std::vector<PeriodCell>;

// The detail table of a game: 23 columns for Loto and Super Loto, 31 for Euromillion, New
// Loto and New Super Loto, 34 for New Euromillion; other types have 31 columns without
// headings.
std::vector<PeriodColumn> DetailColumns(std::int32_t type);
// Its "Gains €" column; -1 for a type without a layout.
int DetailPrizeColumn(std::int32_t type);
// A winning grid of a draw: the cell codes of its slots, its counts, its prize and the draw.
PeriodRow DetailRow(std::int32_t type, const DrawInPeriod& draw, const WinningGrid& grid);

std::vector<PeriodColumn> SummaryColumns(std::int32_t type);
// A row for each category with a winning grid, in (matched, second) order, then the total.
std::vector<PeriodRow> SummaryRows(const PeriodWinnings& winnings);

// A line of the balance: its label and its value, told in parts.
struct BalanceLine {
    std::string label;
    std::vector<PeriodCell> value;
};
std::vector<BalanceLine> BalanceLines(const PeriodBalance& balance);

} // namespace quintaro
