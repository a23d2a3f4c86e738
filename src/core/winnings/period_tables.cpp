#include "core/winnings/period_tables.h"

#include "core/base/currency.h"

#include <array>
#include <optional>

namespace quintaro {

namespace {

// How a game's detail table is laid out: the grid's slots, its counts and the draw's balls.
struct Layout {
    int mainSlots;
    int secondSlots;
    const char* secondLetter; // the second-set slots are headed by it and their number
    const char* secondCount;
    int numberBalls;                     // the draw's balls headed "B1" .. "Bn"
    std::vector<const char*> otherBalls; // the headings of its last balls
};

std::optional<Layout> LayoutOf(std::int32_t type) {
    switch (type) {
    case 0:
    case 1:
        return Layout{10, 0, "", "C", 6, {"BC"}};
    case 2:
        return Layout{9, 9, "E", "nbE", 5, {"E1", "E2"}};
    case 3:
    case 4:
        return Layout{9, 10, "C", "nbC", 5, {"Ch"}};
    case 5:
        return Layout{10, 11, "E", "nbE", 5, {"E1", "E2"}};
    default:
        return std::nullopt;
    }
}

// Columns whose heading is a letter and the slot's number from 1.
void AddSlots(std::vector<PeriodColumn>& columns, const char* letter, int count,
              PeriodColumnKind kind) {
    for (int i = 1; i <= count; ++i)
        columns.push_back({letter + std::to_string(i), kPeriodColumnWidth, kind});
}

PeriodCell Text(std::string text) {
    return {PeriodCell::Kind::Text, std::move(text), 0.0};
}
PeriodCell Number(std::int64_t value) {
    return Text(std::to_string(value));
}
PeriodCell Euros(double value) {
    return {PeriodCell::Kind::Euros, {}, value};
}
PeriodCell Francs(double euros) {
    return {PeriodCell::Kind::Francs, {}, ToFrancs(euros)};
}
PeriodCell Date(double day) {
    return {PeriodCell::Kind::Date, {}, day};
}

void AddSlotCells(PeriodRow& row, const GridSet& numbers, const GridSet& marks, int count) {
    for (std::size_t i = 0; i < static_cast<std::size_t>(count); ++i)
        row.push_back(numbers[i] ? Number(CellCode(numbers[i], marks[i])) : Text({}));
}

// "1 tirage", "2 tirages"; French keeps the singular for 0.
std::string CountOf(std::int64_t n, const std::string& singular, const std::string& plural) {
    return std::to_string(n) + " " + (n > 1 ? plural : singular);
}

} // namespace

std::vector<PeriodColumn> DetailColumns(std::int32_t type) {
    const std::optional<Layout> layout = LayoutOf(type);
    if (!layout)
        return std::vector<PeriodColumn>(31);
    std::vector<PeriodColumn> columns;
    AddSlots(columns, "B", layout->mainSlots, PeriodColumnKind::MainNumber);
    AddSlots(columns, layout->secondLetter, layout->secondSlots, PeriodColumnKind::SecondNumber);
    columns.push_back({"nbB", kPeriodColumnWidth, PeriodColumnKind::Count});
    columns.push_back({layout->secondCount, kPeriodColumnWidth, PeriodColumnKind::Count});
    columns.push_back({"Gains €", 100, PeriodColumnKind::Prize});
    columns.push_back({"date", 70, PeriodColumnKind::Draw});
    columns.push_back({"N°", kPeriodColumnWidth, PeriodColumnKind::Draw});
    columns.push_back({"Tir", kPeriodColumnWidth, PeriodColumnKind::Draw});
    AddSlots(columns, "B", layout->numberBalls, PeriodColumnKind::Draw);
    for (const char* heading : layout->otherBalls)
        columns.push_back({heading, kPeriodColumnWidth, PeriodColumnKind::Draw});
    return columns;
}

int DetailPrizeColumn(std::int32_t type) {
    const std::optional<Layout> layout = LayoutOf(type);
    return layout ? layout->mainSlots + layout->secondSlots + 2 : -1;
}

PeriodRow DetailRow(std::int32_t type, const DrawInPeriod& draw, const WinningGrid& grid) {
    const std::optional<Layout> layout = LayoutOf(type);
    if (!layout)
        return {};
    PeriodRow row;
    AddSlotCells(row, grid.mainNumbers, grid.mainMarks, layout->mainSlots);
    AddSlotCells(row, grid.secondNumbers, grid.secondMarks, layout->secondSlots);
    row.push_back(Number(grid.matched));
    row.push_back(HasSecondSet(type) ? Number(grid.secondMatched)
                                     : Text(grid.complementary ? "X" : ""));
    row.push_back(Euros(grid.prize));
    row.push_back(Date(draw.date));
    row.push_back(Number(draw.n_sem));
    row.push_back(Number(draw.n_tir));
    // Ball 7 of New Loto and New Super Loto, always 0, has no column.
    const std::array<std::uint8_t, 7> balls = {draw.b1, draw.b2, draw.b3, draw.b4,
                                               draw.b5, draw.b6, draw.b7};
    const std::size_t shown =
        static_cast<std::size_t>(layout->numberBalls) + layout->otherBalls.size();
    for (std::size_t k = 0; k < shown; ++k)
        row.push_back(Number(balls[k]));
    return row;
}

std::vector<PeriodColumn> SummaryColumns(std::int32_t type) {
    return {{"NbT", 30, PeriodColumnKind::Count},
            {"NbB", kPeriodColumnWidth, PeriodColumnKind::Count},
            {type == 0 || type == 1 ? "C" : "NbE", kPeriodColumnWidth, PeriodColumnKind::Count},
            {"Gains €", 100, PeriodColumnKind::Prize},
            {"Gains F", 100, PeriodColumnKind::Prize}};
}

std::vector<PeriodRow> SummaryRows(const PeriodWinnings& winnings) {
    std::vector<PeriodRow> rows;
    for (std::size_t matched = 0; matched < winnings.tally.size(); ++matched)
        for (std::size_t second = 0; second < winnings.tally[matched].size(); ++second)
            if (const CategoryTally& cell = winnings.tally[matched][second]; cell.count > 0)
                rows.push_back({Number(cell.count), Number(static_cast<std::int64_t>(matched)),
                                Number(static_cast<std::int64_t>(second)), Euros(cell.amount),
                                Francs(cell.amount)});
    rows.push_back({Text({}), Text({}), Text({}), Euros(winnings.total), Francs(winnings.total)});
    return rows;
}

std::vector<BalanceLine> BalanceLines(const PeriodBalance& b) {
    std::vector<BalanceLine> lines = {
        {"Mises", {Euros(b.stake)}},
        {"Gains", {Euros(b.winnings)}},
        {"Solde", {Euros(b.balance)}},
        {"Tirages comptés", {Number(static_cast<std::int64_t>(b.draws))}},
        {"Grilles comptées",
         {Text(std::to_string(b.grids) + ", " +
               CountOf(b.simpleBets, "combinaison simple", "combinaisons simples") +
               " par tirage")}},
        {"Tirages sans prix connu",
         {Text(std::to_string(b.drawsWithoutPrice) +
               (b.drawsWithoutPrice > 0 ? ", sans mise comptée" : ""))}},
    };
    const DrawRun& run = b.longestRunWithoutWin;
    BalanceLine longest{
        "Plus longue série sans gain",
        {Text(CountOf(static_cast<std::int64_t>(run.length), "tirage", "tirages"))}};
    if (run.length == 1)
        longest.value.insert(longest.value.end(), {Text(", le "), Date(run.firstDate)});
    else if (run.length > 1)
        longest.value.insert(longest.value.end(), {Text(", du "), Date(run.firstDate), Text(" au "),
                                                   Date(run.lastDate)});
    lines.push_back(std::move(longest));
    return lines;
}

} // namespace quintaro
