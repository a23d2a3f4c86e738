#pragma once

#include "gui/ui/view_window.h"
#include "gui/winnings/draw_winnings_display.h"

#include <QTimer>
#include <cstdint>
#include <optional>

class QComboBox;
class QLabel;
class QPlainTextEdit;
class QTableWidget;

namespace quintaro {

class TOxDbgrid;

// "Tirages": the stored draws of one game or of all, the prize ranks of the selected draw
// and, below them, which of the player's grids won, with the total of the draw.
class TfrmTirage : public ViewWindow {
    Q_OBJECT
public:
    explicit TfrmTirage(ViewHost& host);

    void WriteSettings() override;
    // Each time the view becomes the active child.
    void FormActivate();
    // One second after the activation: the grids and the draw list read again.
    void Timer1Timer();
    // The user's choice of a game.
    void cbxTypeChange();
    // The draw list read again at once with a stored draw current; when the game shown is
    // another, the draw's game is shown.
    void ShowDraw(std::int32_t reference);

    DrawWinningsDisplay& Display() { return *display_; }

    QLabel* Label1;
    QComboBox* cbxType;
    QLabel* Label2;
    TOxDbgrid* dbgTirage;
    TOxDbgrid* dbgGain;
    QPlainTextEdit* Memo1;
    QTableWidget* StringGrid1;
    QTimer Timer1;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void ShowDrawCount();
    void RestoreGameChoice();
    void CurrentDrawChanged(int record);
    void SelectDraw(std::int32_t reference);
    void Layout();

    DrawWinningsDisplay* display_ = nullptr;
    std::optional<std::int32_t> pendingDraw_; // made current by the next reading of the list
    int tirageWidth_ = 0;                     // the lists' widths on this desktop's font
    int gainWidth_ = 0;
};

} // namespace quintaro
