#pragma once

#include "gui/ui/view_window.h"

#include <QTimer>
#include <array>
#include <cstdint>

class QComboBox;
class QLabel;
class QToolButton;

namespace quintaro {

class StatCharts;
class StatListModel;
class TOxDbgrid;

// "Statistique": for one game, how often each of its numbers, of its second set and of the
// Joker digits came out, when last and how many draws ago, each in a sortable list; beside
// them the charts of the list that has the focus.
class TfrmStatistique : public ViewWindow {
    Q_OBJECT
public:
    explicit TfrmStatistique(ViewHost& host);

    void WriteSettings() override;
    // Each time the view becomes the active child.
    void FormActivate();
    // One second after the activation: the lists read again.
    void Timer1Timer();
    // The user's choice of a game.
    void cbxtypeChange();

    // The list the charts show: the one that last had the focus.
    TOxDbgrid* ChartedList() const;
    // True when the window is too narrow for the charts beside the lists, which then share
    // their place, one or the other on show.
    bool Narrow() const;

    QComboBox* cbxtype;
    TOxDbgrid* dbgridstat;
    QLabel* Label1;
    TOxDbgrid* dbgetoile;
    QLabel* Label2;
    TOxDbgrid* dbgJocker;
    QTimer Timer1;
    StatCharts* charts;
    // The narrow window's choice between the side lists and the charts.
    QToolButton* cmdListes;
    QToolButton* cmdGraphiques;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    // A list, the rows it shows, whether the game shows it, and what the charts need.
    struct StatList {
        TOxDbgrid* grid = nullptr;
        StatListModel* rows = nullptr;
        QLabel* label = nullptr; // its caption; none for the main list
        bool shown = true;
        bool labelShown = true;
        std::int32_t series = 0;
        std::int64_t draws = 0;
    };
    enum { kMain, kSecond, kJoker };

    StatList& List(int list) { return lists_[static_cast<std::size_t>(list)]; }
    void ReadLists(int type);
    void ShowSideLists(int type);
    void ChartList(int list);
    void ShowCharts();
    void MarkCurrentValue();
    void BarClicked(std::int32_t value);
    void Layout();

    std::array<StatList, 3> lists_;
    int charted_ = kMain;
    int readType_ = -1; // the game whose rows the lists hold
    int mainWidth_ = 0; // the lists' widths on this desktop's font
    int sideWidth_ = 0;
};

} // namespace quintaro
