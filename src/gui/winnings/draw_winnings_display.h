#pragma once

#include "core/winnings/draw_summary.h"
#include "gui/ui/draw_models.h"

#include <QObject>
#include <QTimer>
#include <optional>

class QPlainTextEdit;
class QTableWidget;

namespace quintaro {

class Tmd;

// What the data store does for the draws view on the desktop: the draw list and the
// prize-rank list as the view's grids show them, the one-shot timer that evaluates the current
// draw once the selection has rested for 100 ms, and the two display targets it fills, the
// summary pane and the winning-grids table.
class DrawWinningsDisplay : public QObject {
    Q_OBJECT
public:
    explicit DrawWinningsDisplay(Tmd& md, QObject* parent = nullptr);

    DrawListModel& DrawList() { return drawList_; }
    PrizeRankModel& PrizeRanks() { return prizeRanks_; }
    bool DrawListOpen() const { return drawListOpen_; }
    // Opens the draw list on every draw; once open, runs its last query again, keeping the
    // current draw. Failures reach the caller.
    void OpenOrRefreshDrawList();
    // The draws of one game, or of all from the index of "Tous" (the catalogue's count) on.
    void FilterDrawList(std::int32_t index);
    // The row of the draw list that holds a draw; -1 when the list does not show it.
    int RecordOf(std::int32_t reference) const;

    // The after-scroll step, each time the current draw changes (nullptr: the list is empty):
    // the ball headings of its game, and the evaluation 100 ms later.
    void AfterScroll(const DrawListRow* current);
    QTimer& TimerDonnee() { return timerDonnee_; }
    void timerDonneeTimer();

    // The display targets, set by the view.
    QPlainTextEdit* summaryMemo = nullptr;
    QTableWidget* winningGridsTable = nullptr;
    // The table's columns, headings and widths for a draw type, its rows emptied.
    void PrepareWinningGridColumns(std::int32_t type);
    // The Loto headings in row 0 of a table that still has its 13 columns.
    void WriteLotoHeadings();
    // Fills the table from the current winning grids and writes the summary line into memo.
    void ShowDrawWinnings(QPlainTextEdit* memo, std::int32_t type);
    // What the table shows, for its drawing.
    const WinningGridsTable& ShownTable() const { return shown_; }

signals:
    // A draw was evaluated (reference 0: none).
    void evaluated(std::int32_t reference);

private:
    void Show(WinningGridsTable table);
    void ShowHeadings();

    Tmd& md_;
    DrawListModel drawList_;
    PrizeRankModel prizeRanks_;
    QTimer timerDonnee_;
    bool drawListOpen_ = false;
    std::optional<std::int32_t> filter_; // the game of the last FilterDrawList
    std::int32_t currentReference_ = 0;
    std::int32_t currentType_ = 0;
    WinningGridsTable shown_;
};

} // namespace quintaro
