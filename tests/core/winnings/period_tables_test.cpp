#include "core/base/currency.h"
#include "core/winnings/period_tables.h"

#include <gtest/gtest.h>

namespace quintaro {
namespace {

std::string Headings(const std::vector<PeriodColumn>& columns) {
    std::string text;
    for (const PeriodColumn& c : columns)
        text += (text.empty() ? "" : " ") + c.heading;
    return text;
}

// The column ranges of each game, as the detail table's drawing tells them apart.
PeriodColumnKind ExpectedKind(std::int32_t type, int c) {
    const int secondFrom = type == 5 ? 10 : 9;
    const int secondTo = type == 2 ? 17 : type == 5 ? 20 : 18;
    const int drawFrom = type <= 1 ? 13 : type == 2 ? 21 : type == 5 ? 24 : 22;
    const int prize = drawFrom - 1;
    if (c <= 8 || (c == 9 && (type <= 1 || type == 5)))
        return PeriodColumnKind::MainNumber;
    if (type >= 2 && c >= secondFrom && c <= secondTo)
        return PeriodColumnKind::SecondNumber;
    if (c >= drawFrom)
        return PeriodColumnKind::Draw;
    return c == prize ? PeriodColumnKind::Prize : PeriodColumnKind::Count;
}

TEST(PeriodTablesTest, EachGameHasItsDetailColumns) {
    const struct {
        std::int32_t type;
        std::size_t count;
        int prize;
        const char* headings;
    } cases[] = {
        {0, 23, 12,
         "B1 B2 B3 B4 B5 B6 B7 B8 B9 B10 nbB C Gains € date N° Tir B1 B2 B3 B4 B5 B6 BC"},
        {1, 23, 12,
         "B1 B2 B3 B4 B5 B6 B7 B8 B9 B10 nbB C Gains € date N° Tir B1 B2 B3 B4 B5 B6 BC"},
        {2, 31, 20,
         "B1 B2 B3 B4 B5 B6 B7 B8 B9 E1 E2 E3 E4 E5 E6 E7 E8 E9 nbB nbE Gains € date N° Tir "
         "B1 B2 B3 B4 B5 E1 E2"},
        {3, 31, 21,
         "B1 B2 B3 B4 B5 B6 B7 B8 B9 C1 C2 C3 C4 C5 C6 C7 C8 C9 C10 nbB nbC Gains € date N° Tir "
         "B1 B2 B3 B4 B5 Ch"},
        {4, 31, 21,
         "B1 B2 B3 B4 B5 B6 B7 B8 B9 C1 C2 C3 C4 C5 C6 C7 C8 C9 C10 nbB nbC Gains € date N° Tir "
         "B1 B2 B3 B4 B5 Ch"},
        {5, 34, 23,
         "B1 B2 B3 B4 B5 B6 B7 B8 B9 B10 E1 E2 E3 E4 E5 E6 E7 E8 E9 E10 E11 nbB nbE Gains € date "
         "N° Tir B1 B2 B3 B4 B5 E1 E2"},
    };
    for (const auto& c : cases) {
        const std::vector<PeriodColumn> columns = DetailColumns(c.type);
        ASSERT_EQ(columns.size(), c.count) << "type " << c.type;
        EXPECT_EQ(Headings(columns), c.headings) << "type " << c.type;
        EXPECT_EQ(DetailPrizeColumn(c.type), c.prize);
        for (std::size_t i = 0; i < columns.size(); ++i) {
            const int column = static_cast<int>(i);
            EXPECT_EQ(columns[i].kind, ExpectedKind(c.type, column))
                << "type " << c.type << " column " << column;
            const int width = column == c.prize ? 100 : column == c.prize + 1 ? 70 : 22;
            EXPECT_EQ(columns[i].width, width) << "type " << c.type << " column " << column;
        }
    }
    // A catalogue entry beyond the six games, or no game: 31 columns without headings.
    for (std::int32_t type : {-1, 6}) {
        const std::vector<PeriodColumn> columns = DetailColumns(type);
        EXPECT_EQ(columns.size(), 31u);
        for (const PeriodColumn& c : columns)
            EXPECT_EQ(c.heading, "");
        EXPECT_EQ(DetailPrizeColumn(type), -1);
    }
}

TEST(PeriodTablesTest, TheSummaryHeadsTheSecondIndexByGame) {
    EXPECT_EQ(Headings(SummaryColumns(0)), "NbT NbB C Gains € Gains F");
    EXPECT_EQ(Headings(SummaryColumns(1)), "NbT NbB C Gains € Gains F");
    for (std::int32_t type : {-1, 2, 3, 4, 5})
        EXPECT_EQ(Headings(SummaryColumns(type)), "NbT NbB NbE Gains € Gains F");
    std::vector<int> widths;
    for (const PeriodColumn& c : SummaryColumns(0))
        widths.push_back(c.width);
    EXPECT_EQ(widths, (std::vector<int>{30, 22, 22, 100, 100}));
}

PeriodCell T(const char* text) {
    return {PeriodCell::Kind::Text, text, 0.0};
}

TEST(PeriodTablesTest, ADetailRowHoldsTheGridsCodesItsCountsAndTheDraw) {
    const DrawInPeriod draw{7, 45000, 2, 21, 1, 2, 3, 40, 41, 42, 4};
    WinningGrid loto;
    loto.mainNumbers = {1, 2, 3, 4, 5, 6};
    loto.mainMarks = {1, 1, 1, 2, 0, 0};
    loto.matched = 3;
    loto.complementary = true;
    loto.prize = 10.5;
    const PeriodRow row = DetailRow(0, draw, loto);
    const PeriodRow expected = {T("101"),
                                T("102"),
                                T("103"),
                                T("204"),
                                T("5"),
                                T("6"),
                                T(""),
                                T(""),
                                T(""),
                                T(""),
                                T("3"),
                                T("X"),
                                {PeriodCell::Kind::Euros, {}, 10.5},
                                {PeriodCell::Kind::Date, {}, 45000},
                                T("21"),
                                T("2"),
                                T("1"),
                                T("2"),
                                T("3"),
                                T("40"),
                                T("41"),
                                T("42"),
                                T("4")};
    EXPECT_EQ(row, expected);

    // New Loto: the chance number alone, and no column for the seventh ball.
    const DrawInPeriod newLoto{8, 45001, 1, 22, 1, 2, 3, 4, 5, 7, 0};
    WinningGrid chance;
    chance.mainNumbers = {20, 21, 22, 23, 24};
    chance.secondNumbers = {7, 9};
    chance.secondMarks = {2, 0};
    chance.secondMatched = 1;
    const PeriodRow chanceRow = DetailRow(3, newLoto, chance);
    ASSERT_EQ(chanceRow.size(), 31u);
    EXPECT_EQ(chanceRow[0], T("20"));
    EXPECT_EQ(chanceRow[9], T("207"));
    EXPECT_EQ(chanceRow[10], T("9"));
    EXPECT_EQ(chanceRow[19], T("0"));
    EXPECT_EQ(chanceRow[20], T("1"));
    EXPECT_EQ(chanceRow[30], T("7"));
}

TEST(PeriodTablesTest, SummaryRowsFollowTheCategoriesThenTheTotal) {
    PeriodWinnings w;
    EXPECT_EQ(SummaryRows(w), (std::vector<PeriodRow>{{T(""),
                                                       T(""),
                                                       T(""),
                                                       {PeriodCell::Kind::Euros, {}, 0.0},
                                                       {PeriodCell::Kind::Francs, {}, 0.0}}}));
    w.tally[3][1] = {1, 20.0};
    w.tally[3][0] = {2, 10.0};
    w.tally[0][1] = {1, 2.2}; // a chance number alone
    w.total = 32.2;
    const std::vector<PeriodRow> rows = SummaryRows(w);
    ASSERT_EQ(rows.size(), 4u);
    EXPECT_EQ(rows[0], (PeriodRow{T("1"),
                                  T("0"),
                                  T("1"),
                                  {PeriodCell::Kind::Euros, {}, 2.2},
                                  {PeriodCell::Kind::Francs, {}, ToFrancs(2.2)}}));
    EXPECT_EQ((PeriodRow{rows[1].begin(), rows[1].begin() + 3}),
              (PeriodRow{T("2"), T("3"), T("0")}));
    EXPECT_EQ((PeriodRow{rows[2].begin(), rows[2].begin() + 3}),
              (PeriodRow{T("1"), T("3"), T("1")}));
    EXPECT_EQ(rows[3][3].value, 32.2);
    EXPECT_EQ(rows[3][4].value, ToFrancs(32.2));
}

std::string LineText(const BalanceLine& line) {
    std::string text = line.label + " :";
    for (const PeriodCell& cell : line.value)
        text += cell.kind == PeriodCell::Kind::Text ? cell.text
                                                    : " [" + std::to_string(cell.value) + "]";
    return text;
}

TEST(PeriodTablesTest, TheBalanceTellsStakeWinningsAndWhatWasCounted) {
    PeriodBalance b;
    b.stake = 58.0;
    b.winnings = 55.0;
    b.balance = -3.0;
    b.draws = 4;
    b.grids = 2;
    b.simpleBets = 29;
    b.drawsWithoutPrice = 1;
    b.longestRunWithoutWin = {3, 45003, 45008};
    std::vector<std::string> lines;
    for (const BalanceLine& line : BalanceLines(b))
        lines.push_back(LineText(line));
    EXPECT_EQ(
        lines,
        (std::vector<std::string>{
            "Mises : [58.000000]", "Gains : [55.000000]", "Solde : [-3.000000]",
            "Tirages comptés :4", "Grilles comptées :2, 29 combinaisons simples par tirage",
            "Tirages sans prix connu :1, sans mise comptée",
            "Plus longue série sans gain :3 tirages, du  [45003.000000] au  [45008.000000]"}));

    b.simpleBets = 1;
    b.drawsWithoutPrice = 0;
    b.longestRunWithoutWin = {1, 45003, 45003};
    const std::vector<BalanceLine> one = BalanceLines(b);
    EXPECT_EQ(LineText(one[4]), "Grilles comptées :2, 1 combinaison simple par tirage");
    EXPECT_EQ(LineText(one[5]), "Tirages sans prix connu :0");
    EXPECT_EQ(LineText(one[6]), "Plus longue série sans gain :1 tirage, le  [45003.000000]");
    b.longestRunWithoutWin = {};
    EXPECT_EQ(LineText(BalanceLines(b)[6]), "Plus longue série sans gain :0 tirage");
}

} // namespace
} // namespace quintaro
