#pragma once

#include "core/grids/grid_rules.h"
#include "core/store/grid_store.h"
#include "gui/ui/view_window.h"

#include <QTimer>
#include <array>
#include <filesystem>
#include <functional>
#include <memory>
#include <optional>

class QComboBox;
class QFileDialog;
class QTableWidget;
class QToolButton;

namespace quintaro {

class Tmd;
class TOxCheckButton;
class TOxPanel;

// The grid editor "Mes grilles": the player's grids of one game in a list, a grid composed by
// pressing its numbers and its stars or chance numbers under the game's limits, and the
// grids added, modified, deleted, exported to a file and imported from one.
class TfrmGrille : public ViewWindow {
    Q_OBJECT
public:
    static constexpr int kNumberButtons = 50;
    static constexpr int kSecondButtons = 12;

    // Chooses the file to export to (save) or to import from; nullopt when cancelled.
    using FileChooser = std::function<std::optional<std::filesystem::path>(bool save)>;

    explicit TfrmGrille(ViewHost& host);

    void WriteSettings() override;

    int CurrentType() const { return type_; }
    const GridSelection& Selection() const { return selection_; }
    // The grid list's row selected, from 1; 0 when none.
    int SelectedRow() const;

    // The file dialogs of the export (save) and the import; tests choose their files in their
    // place.
    static std::unique_ptr<QFileDialog> GridFileDialog(QWidget* parent, bool save);
    void SetFileChooser(FileChooser chooser) { chooser_ = std::move(chooser); }

    // The user's operations.
    void cbxTypeChange(int index);
    void NumberClick(TOxCheckButton* button);
    void SecondClick(TOxCheckButton* button);
    void strgGrilleClick();
    void cmdAjouterClick();
    void cmdSauverClick();
    void cmdSupprimerClick();
    void cmdEffacerClick();
    void cmdAnnulerClick();
    void cmdSauveClick();
    void cmdChargeClick();

    QComboBox* cbxType;
    QToolButton* cmdAjouter;
    QToolButton* cmdSupprimer;
    QToolButton* cmdSauver;
    QToolButton* cmdAnnuler;
    QToolButton* cmdSauve;
    QToolButton* cmdCharge;
    QToolButton* cmdEffacer;
    QTableWidget* strgGrille;
    TOxPanel* grille;
    TOxPanel* etoiles;
    std::array<TOxCheckButton*, kNumberButtons> numberButtons{};
    std::array<TOxCheckButton*, kSecondButtons> secondButtons{};
    QTimer timerGrille;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    Tmd& Md();
    // Fills the list with the grids of the current type, once until the fill flag is cleared.
    void FillList();
    void SetSelectedRow(int row);
    void ReleaseAll();
    // Add and modify follow the selection.
    void ApplyEnablingRule();
    // A number or second-set button pressed or released: counted, or refused and released;
    // then cancel comes back and the title shows the counts.
    void ButtonClick(TOxCheckButton* button, std::optional<std::string> (GridSelection::*press)(),
                     void (GridSelection::*release)());
    Grid PressedGrid() const;
    const GridList& CurrentGrids() const { return grids_[static_cast<std::size_t>(type_)]; }
    // Runs a change of the stored grids, which gives the row to select after it; then the list
    // is filled anew and the grids are copied to the profile when the setting asks for it. A
    // failure, rolled back by the store, is reported and false.
    bool Change(const std::function<int()>& change);
    std::optional<std::filesystem::path> ChooseFile(bool save);

    QWidget* page_;
    int type_ = 0;
    GridSelection selection_;
    std::array<GridList, kGameTypeCount> grids_;
    bool filled_ = false;
    FileChooser chooser_;
};

} // namespace quintaro
