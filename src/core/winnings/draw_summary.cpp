#include "core/winnings/draw_summary.h"

#include "core/base/currency.h"
#include "core/base/text_util.h"
#include "core/store/games.h"

namespace quintaro {

namespace {

// Number slots shown per set: ten for Loto and Super Loto, nine of each set for the others.
int ShownSlots(int type) {
    return HasSecondSet(type) ? 9 : 10;
}

void NumberCells(const GridSet& numbers, const GridSet& marks, int count,
                 std::vector<std::string>& cells) {
    for (std::size_t slot = 0; slot < static_cast<std::size_t>(count); ++slot)
        cells.push_back(numbers[slot] ? std::to_string(CellCode(numbers[slot], marks[slot])) : "");
}

} // namespace

WinningGridsTable PrepareWinningGridColumns(int type) {
    WinningGridsTable table;
    const int shown = ShownSlots(type);
    for (int k = 1; k <= shown; ++k)
        table.headings.push_back("B" + std::to_string(k));
    table.mainColumns = shown;
    if (HasSecondSet(type)) {
        for (int k = 1; k <= shown; ++k)
            table.headings.push_back("E" + std::to_string(k));
        table.headings.insert(table.headings.end(), {"nbB", "nbE", "Gains €"});
    } else {
        table.headings.insert(table.headings.end(), {"nbB", "C", "Gains €"});
    }
    table.numberColumns = HasSecondSet(type) ? 2 * shown : shown;
    table.widths.assign(table.headings.size(), kWinningGridDefaultWidth);
    table.widths.back() = kWinningGridPrizeWidth;
    table.rows.assign(1, std::vector<std::string>(table.headings.size()));
    return table;
}

WinningGridsTable WinningGridsTableOf(int type, const TgrilleGagnante& winners,
                                      const AmountWriter& currency) {
    WinningGridsTable table = PrepareWinningGridColumns(type);
    if (winners.empty())
        return table;
    table.rows.clear();
    const int shown = ShownSlots(type);
    for (const WinningGrid& w : winners) {
        std::vector<std::string> cells;
        cells.reserve(table.headings.size());
        NumberCells(w.mainNumbers, w.mainMarks, shown, cells);
        if (HasSecondSet(type)) {
            NumberCells(w.secondNumbers, w.secondMarks, shown, cells);
            cells.push_back(std::to_string(w.matched));
            cells.push_back(std::to_string(w.secondMatched));
        } else {
            cells.push_back(std::to_string(w.matched));
            cells.push_back(w.complementary ? "X" : "");
        }
        cells.push_back(currency(w.prize));
        table.rows.push_back(std::move(cells));
    }
    return table;
}

CellLook WinningCellLook(const WinningGridsTable& table, int row, int column) {
    const auto c = static_cast<std::size_t>(column);
    if (row == 0)
        return {CellShade::Heading, table.headings[c]};
    const std::string& text = table.rows[static_cast<std::size_t>(row - 1)][c];
    if (column >= table.numberColumns)
        return {CellShade::Other, text};
    return NumberCellLook(
        column < table.mainColumns ? CellShade::MainColumn : CellShade::SecondColumn, text);
}

CellLook NumberCellLook(CellShade column, const std::string& text) {
    CellLook look{column, text};
    if (const std::optional<std::int32_t> code = TryParseInt32(text)) {
        if (*code > 200)
            look.shade = CellShade::SecondDrawn;
        else if (*code > 100)
            look.shade = CellShade::MainDrawn;
    }
    // A code of three digits shows its last two as a number: 117 is 17, 207 is 7.
    if (text.size() > 2)
        look.text = std::to_string(TryParseInt32(text.substr(1, 2)).value_or(0));
    return look;
}

std::string DrawWinningsSummary(const TgrilleGagnante& winners, const AmountWriter& amount) {
    double total = 0.0;
    for (const WinningGrid& w : winners)
        total += w.prize;
    if (total == 0.0)
        return "Aucunes grilles gagnantes pour ce tirage";
    return "Vous avez " + std::to_string(winners.size()) + " grilles gagnantes pour un total de " +
           amount(total) + "€ { " + amount(ToFrancs(total)) + "F }";
}

} // namespace quintaro
