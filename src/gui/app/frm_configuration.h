#pragma once

#include "core/settings/configuration_settings.h"
#include "gui/ui/view_window.h"

#include <QColor>
#include <functional>
#include <optional>

class QButtonGroup;
class QCheckBox;
class QGroupBox;

namespace quintaro {

class ColourPanel;
class TfrmMaitre;

// The settings view: the automatic menu, the grid backup, the update mode and the five
// colours of the data grids. It reads the settings at its creation and hands them to the main
// window, and writes them back at the end of the run. It drives the main window's side menu.
class TfrmConfiguration : public ViewWindow {
    Q_OBJECT
public:
    using ColourChooser = std::function<std::optional<QColor>(const QColor& initial)>;

    explicit TfrmConfiguration(TfrmMaitre& maitre);

    void WriteSettings() override;
    ConfigurationValues Values() const;
    // The colour dialog; tests put their own choice in its place.
    void SetColourChooser(ColourChooser chooser) { chooser_ = std::move(chooser); }

    void cbxMenuAutoClick();
    void cbxSauveBoulleClick();
    void rgMiseaJourClick(int item);
    // With a panel: lets the user choose its colour. Then the five colours go to the main window.
    void pnlLigne1Click(ColourPanel* sender);

    QCheckBox* cbxMenuAuto;
    QCheckBox* cbxSauveBoulle;
    QGroupBox* rgMiseaJour;
    QButtonGroup* rgMiseaJourItems;
    QGroupBox* grbCouleurs;
    ColourPanel* pnlTitre;
    ColourPanel* pnlTitreTrie;
    ColourPanel* pnlLigne1;
    ColourPanel* pnlLigne2;
    ColourPanel* pnlselection;

private:
    void ReadSettings();
    TfrmMaitre& maitre_;
    ColourChooser chooser_;
};

} // namespace quintaro
