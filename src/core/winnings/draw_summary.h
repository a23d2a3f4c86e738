#pragma once

#include "core/store/draw_records.h"
#include "core/winnings/matching.h"

#include <functional>
#include <string>
#include <vector>

namespace quintaro {

// How the caller writes an amount in the user's regional format; the core knows no locale.
using AmountWriter = std::function<std::string(double)>;

// What the draws view shows of the draw selected in its list: the draw's prize ranks and the
// player's grids that won.
struct DrawEvaluation {
    std::vector<PrizeRankRow> prizeRanks;
    TgrilleGagnante currentWinningGrids;
};

inline constexpr int kWinningGridDefaultWidth = 22; // pixels
inline constexpr int kWinningGridPrizeWidth = 100;

// The table of the winning grids of a draw below its heading row: Loto and Super Loto grids
// in 13 columns (ten numbers, "nbB", "C", "Gains €"), the two-set games in 21 (nine numbers,
// nine of the second set, "nbB", "nbE", "Gains €"). Number cells hold cell codes.
struct WinningGridsTable {
    std::vector<std::string> headings;          // one per column
    std::vector<int> widths;                    // pixels, one per column
    int mainColumns = 0;                        // the main numbers: columns 0 .. mainColumns - 1
    int numberColumns = 0;                      // then the second set up to numberColumns - 1
    std::vector<std::vector<std::string>> rows; // one per winning grid, or one empty row
};

// The columns of the table for a draw type, with one empty row.
WinningGridsTable PrepareWinningGridColumns(int type);
// The table filled from the winning grids of a draw, the prizes written by `currency`.
WinningGridsTable WinningGridsTableOf(int type, const TgrilleGagnante& winners,
                                      const AmountWriter& currency);

// How a cell of the table is drawn: its background and the text it shows.
enum class CellShade {
    Heading,      // the heading row
    MainColumn,   // a main number not drawn, or an empty cell of those columns
    SecondColumn, // a second-set number not drawn
    Other,        // the counts and the prize
    MainDrawn,    // a drawn main number
    SecondDrawn,  // a drawn complementary ball, star or chance number
};
struct CellLook {
    CellShade shade;
    std::string text;
};
// Row 0 is the heading row, row r > 0 is rows[r - 1]. A number cell shows its number without
// the hit mark: 117 shows 17 on the drawn colour, 207 shows 7.
CellLook WinningCellLook(const WinningGridsTable& table, int row, int column);
// A number cell of a column of the given shade whose text is a cell code (number + 100 × hit
// mark): the drawn shade above 100 and 200, and the number without its mark.
CellLook NumberCellLook(CellShade column, const std::string& text);

// The summary line of the winnings of one draw: "Vous avez 2 grilles gagnantes pour un total
// de 15,50€ { 101,67F }", or "Aucunes grilles gagnantes pour ce tirage" when the total is 0.
// Both amounts are written by `amount`.
std::string DrawWinningsSummary(const TgrilleGagnante& winners, const AmountWriter& amount);

} // namespace quintaro
