#include "gui/winnings/draw_winnings_display.h"

#include "core/datastore/tmd.h"
#include "gui/ui/dialogs.h"
#include "gui/ui/regional_format.h"

#include <QPlainTextEdit>
#include <QTableWidget>

namespace quintaro {

namespace {

constexpr int kTimerDonneeInterval = 100; // ms
constexpr int kHeadingMargin = 4;         // the text's 2 pixels on each side

std::string CurrencyCell(double amount) {
    return CurrencyText(amount).toStdString();
}

std::string SummaryAmount(double amount) {
    return AmountText(amount).toStdString();
}

} // namespace

DrawWinningsDisplay::DrawWinningsDisplay(Tmd& md, QObject* parent)
    : QObject(parent), md_(md), shown_(quintaro::PrepareWinningGridColumns(0)) {
    timerDonnee_.setSingleShot(true);
    timerDonnee_.setInterval(kTimerDonneeInterval);
    connect(&timerDonnee_, &QTimer::timeout, this, &DrawWinningsDisplay::timerDonneeTimer);
}

void DrawWinningsDisplay::OpenOrRefreshDrawList() {
    if (filter_)
        md_.FilterDrawList(*filter_);
    else
        md_.OpenDrawList();
    const auto cursor = drawListOpen_ ? OxTableModel::Cursor::Keep : OxTableModel::Cursor::First;
    drawListOpen_ = true;
    drawList_.SetRows(md_.DrawList(), cursor);
}

void DrawWinningsDisplay::FilterDrawList(std::int32_t index) {
    md_.FilterDrawList(index);
    filter_ = index;
    drawListOpen_ = true;
    drawList_.SetRows(md_.DrawList(), OxTableModel::Cursor::First);
}

int DrawWinningsDisplay::RecordOf(std::int32_t reference) const {
    const std::vector<DrawListRow>& rows = drawList_.Rows();
    for (std::size_t record = 0; record < rows.size(); ++record)
        if (rows[record].reftirage == reference)
            return static_cast<int>(record);
    return -1;
}

void DrawWinningsDisplay::AfterScroll(const DrawListRow* current) {
    timerDonnee_.stop();
    drawList_.SetBallHeadings(BallColumnHeadings(current ? current->libelle : std::string()));
    currentReference_ = current ? current->reftirage : 0;
    currentType_ = current ? current->type : 0;
    timerDonnee_.start();
}

void DrawWinningsDisplay::timerDonneeTimer() {
    timerDonnee_.stop();
    std::optional<std::string> failure;
    try {
        prizeRanks_.SetRows(md_.EvaluateDraw(currentReference_, currentType_).prizeRanks,
                            OxTableModel::Cursor::First);
    } catch (const std::exception& e) {
        // Nothing of the draw shown before stays beside this one.
        failure = e.what();
        prizeRanks_.SetRows({}, OxTableModel::Cursor::First);
    }
    ShowDrawWinnings(summaryMemo, currentType_);
    emit evaluated(currentReference_);
    if (failure)
        ShowStandardError(*failure);
}

void DrawWinningsDisplay::PrepareWinningGridColumns(std::int32_t type) {
    if (winningGridsTable)
        Show(quintaro::PrepareWinningGridColumns(type));
}

void DrawWinningsDisplay::WriteLotoHeadings() {
    if (!winningGridsTable || winningGridsTable->columnCount() != 13)
        return;
    const WinningGridsTable loto = quintaro::PrepareWinningGridColumns(0);
    shown_.headings = loto.headings;
    shown_.widths = loto.widths;
    ShowHeadings();
}

void DrawWinningsDisplay::ShowDrawWinnings(QPlainTextEdit* memo, std::int32_t type) {
    if (!memo || !winningGridsTable)
        return;
    memo->clear();
    const TgrilleGagnante& winners = md_.CurrentWinningGrids();
    Show(WinningGridsTableOf(type, winners, CurrencyCell));
    memo->appendPlainText(QString::fromStdString(DrawWinningsSummary(winners, SummaryAmount)));
}

void DrawWinningsDisplay::Show(WinningGridsTable table) {
    shown_ = std::move(table);
    QTableWidget& grid = *winningGridsTable;
    grid.clearContents();
    grid.setColumnCount(static_cast<int>(shown_.headings.size()));
    grid.setRowCount(static_cast<int>(shown_.rows.size()));
    ShowHeadings();
    for (std::size_t row = 0; row < shown_.rows.size(); ++row)
        for (std::size_t column = 0; column < shown_.rows[row].size(); ++column)
            if (!shown_.rows[row][column].empty())
                grid.setItem(
                    static_cast<int>(row), static_cast<int>(column),
                    new QTableWidgetItem(QString::fromStdString(shown_.rows[row][column])));
}

void DrawWinningsDisplay::ShowHeadings() {
    QTableWidget& grid = *winningGridsTable;
    const QFontMetrics metrics(grid.font());
    for (std::size_t column = 0; column < shown_.headings.size(); ++column) {
        const int c = static_cast<int>(column);
        const QString heading = QString::fromStdString(shown_.headings[column]);
        grid.setHorizontalHeaderItem(c, new QTableWidgetItem(heading));
        // A desktop font wider than the design's widens a column rather than cut its heading.
        grid.setColumnWidth(c, std::max(shown_.widths[column],
                                        metrics.horizontalAdvance(heading) + kHeadingMargin));
    }
}

} // namespace quintaro
