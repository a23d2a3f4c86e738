#pragma once

#include "core/winnings/period_balance.h"
#include "core/winnings/period_tables.h"
#include "gui/ui/view_window.h"

class QComboBox;
class QDateEdit;
class QFormLayout;
class QGroupBox;
class QLabel;
class QProgressBar;
class QTabWidget;
class QTableWidget;
class QToolButton;

namespace quintaro {

class PeriodDetailDelegate;

// The winnings of a game's grids over a period: each winning grid of each draw ("Détails"),
// the sums by category with the total in euros and francs ("Résumé"), and below them what the
// grids cost and the balance.
class TfrmCalcul : public ViewWindow {
    Q_OBJECT
public:
    explicit TfrmCalcul(ViewHost& host);

    void WriteSettings() override;

    // The computation over the chosen game and dates. While it runs, the button and the game
    // list are disabled and another click does nothing.
    void cmdCalculerClick();
    void CbxTypeChange();
    void dateDepartChange();
    // Empty the tables and lay them out for the selected game.
    void PrepareDetailGrid();
    void PrepareSummaryGrid();
    bool Computing() const { return computing_; }
    QColor DetailBackground(int column) const;

    QLabel* Label1;
    QLabel* Label2;
    QLabel* Label3;
    QComboBox* CbxType;
    QDateEdit* dateDepart;
    QDateEdit* dateFin;
    QToolButton* cmdCalculer;
    QProgressBar* barCalcul;
    QTabWidget* PageControl;
    QWidget* tbsGeneral;
    QWidget* tbsDetails;
    QTableWidget* grilleResume;
    QTableWidget* grilleDetail;
    QGroupBox* grbBilan; // the stake and balance, below the summary

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void ReadSettings();
    void ShowResult(std::int32_t type, const PeriodWinnings& winnings,
                    const PeriodBalance& balance);
    void ShowBalance(const std::vector<BalanceLine>& lines);
    void FitSummaryHeight();

    PeriodDetailDelegate* detailDelegate_;
    QFormLayout* balanceLines_;
    bool computing_ = false;
};

} // namespace quintaro
