#include "gui/app/frm_configuration.h"

#include "gui/app/frm_maitre.h"
#include "gui/ui/colour_panel.h"
#include "gui/ui/colour_values.h"
#include "gui/ui/dialogs.h"

#include <QButtonGroup>
#include <QCheckBox>
#include <QColorDialog>
#include <QGroupBox>
#include <QRadioButton>

namespace quintaro {

namespace {

QCheckBox* CheckBox(QWidget* parent, const QString& caption, int x, int y, int w, int h) {
    auto* box = new QCheckBox(caption, parent);
    // This desktop's font may be wider than the one the layout was drawn for.
    box->setGeometry(x, y, std::max(w, box->sizeHint().width()), h);
    return box;
}

} // namespace

TfrmConfiguration::TfrmConfiguration(TfrmMaitre& maitre)
    : ViewWindow(maitre, QStringLiteral("Configuration"), 0), maitre_(maitre),
      chooser_([this](const QColor& initial) -> std::optional<QColor> {
          const QColor chosen = QColorDialog::getColor(initial, this);
          return chosen.isValid() ? std::optional<QColor>(chosen) : std::nullopt;
      }) {
    resize(553, 452);
    QWidget* page = widget();
    const ConfigurationValues initial;

    cbxMenuAuto = CheckBox(page, QStringLiteral("Affichage Menu automatique"), 8, 4, 265, 17);
    cbxSauveBoulle =
        CheckBox(page, QStringLiteral("Sauvegarde des grilles perso dans le profil windows"), 8, 32,
                 313, 17);
    cbxSauveBoulle->setChecked(initial.sauveBoule);

    rgMiseaJour = new QGroupBox(QStringLiteral("Mode de mise à jour"), page);
    rgMiseaJour->setGeometry(8, 56, 185, 57);
    rgMiseaJourItems = new QButtonGroup(this);
    const QString items[] = {QStringLiteral("Internet"), QStringLiteral("Fichiers")};
    for (int i = 0; i < 2; ++i) {
        auto* item = new QRadioButton(items[i], rgMiseaJour);
        item->setGeometry(8, 18 + 18 * i, 160, 17);
        rgMiseaJourItems->addButton(item, i);
    }

    grbCouleurs = new QGroupBox(QStringLiteral("Couleurs"), page);
    grbCouleurs->setGeometry(8, 120, 185, 169);
    auto panel = [this](const QString& caption, ColourValue value, int x, int y, int w) {
        auto* p = new ColourPanel(caption, value, grbCouleurs);
        p->setGeometry(x, y, w, 25);
        connect(p, &ColourPanel::clicked, this, [this, p] { pnlLigne1Click(p); });
        return p;
    };
    pnlTitre = panel(QStringLiteral("Titre"), initial.couleurtitre, 8, 32, 81);
    pnlTitreTrie = panel(QStringLiteral("Titre Trié"), initial.couleurtitretrie, 96, 32, 81);
    pnlLigne1 = panel(QStringLiteral("Ligne 1"), initial.couleurligne1, 8, 64, 169);
    pnlLigne2 = panel(QStringLiteral("Ligne 2"), initial.couleurligne2, 8, 96, 169);
    pnlselection =
        panel(QStringLiteral("Ligne sélectionnée"), initial.couleurselection, 8, 128, 169);
    pnlselection->SetCaptionColour(Qt::white);

    // A change made by the program runs the same handlers as the user's.
    connect(cbxMenuAuto, &QCheckBox::toggled, this, &TfrmConfiguration::cbxMenuAutoClick);
    connect(cbxSauveBoulle, &QCheckBox::toggled, this, &TfrmConfiguration::cbxSauveBoulleClick);
    connect(rgMiseaJourItems, &QButtonGroup::idClicked, this, &TfrmConfiguration::rgMiseaJourClick);
    connect(rgMiseaJourItems, &QButtonGroup::idToggled, this, [this](int item, bool on) {
        if (on)
            rgMiseaJourClick(item);
    });
    ReadSettings();
}

void TfrmConfiguration::ReadSettings() {
    const ConfigurationRead read = ReadConfiguration(maitre_.Settings());
    const ConfigurationValues& v = read.values;
    cbxSauveBoulle->setChecked(v.sauveBoule);
    cbxMenuAuto->setChecked(v.menuAuto);
    if (QAbstractButton* item = rgMiseaJourItems->button(v.modemajItem))
        item->setChecked(true);
    pnlLigne1->SetValue(v.couleurligne1);
    pnlLigne2->SetValue(v.couleurligne2);
    pnlselection->SetValue(v.couleurselection);
    pnlTitre->SetValue(v.couleurtitre);
    pnlTitreTrie->SetValue(v.couleurtitretrie);
    if (read.failure) {
        // The rest of the values, and the hand-over, are skipped.
        ShowStandardError(*read.failure);
        return;
    }
    maitre_.Current().sauveBoule = cbxSauveBoulle->isChecked();
    cbxMenuAutoClick();
    pnlLigne1Click(nullptr);
}

ConfigurationValues TfrmConfiguration::Values() const {
    ConfigurationValues v;
    v.sauveBoule = cbxSauveBoulle->isChecked();
    v.menuAuto = cbxMenuAuto->isChecked();
    v.modemajItem = rgMiseaJourItems->checkedId();
    v.couleurligne1 = pnlLigne1->Value();
    v.couleurligne2 = pnlLigne2->Value();
    v.couleurselection = pnlselection->Value();
    v.couleurtitre = pnlTitre->Value();
    v.couleurtitretrie = pnlTitreTrie->Value();
    return v;
}

void TfrmConfiguration::WriteSettings() {
    WriteConfiguration(maitre_.Settings(), Values());
}

void TfrmConfiguration::cbxMenuAutoClick() {
    maitre_.SetMenuAuto(cbxMenuAuto->isChecked());
    if (maitre_.MenuOpen())
        maitre_.MenuTimer().start();
    else
        maitre_.MenuTimer().stop();
}

void TfrmConfiguration::cbxSauveBoulleClick() {
    maitre_.Current().sauveBoule = cbxSauveBoulle->isChecked();
    if (!cbxSauveBoulle->isChecked() || !maitre_.StartupSucceeded())
        return;
    // The mirror takes the grids of the database, also when no view has loaded them yet.
    Tmd& md = *maitre_.App().md;
    md.LoadGrids();
    md.SaveGridsToSettings();
}

void TfrmConfiguration::rgMiseaJourClick(int item) {
    maitre_.Current().modemaj = ModeOfItem(item);
}

void TfrmConfiguration::pnlLigne1Click(ColourPanel* sender) {
    if (sender) {
        if (auto chosen = chooser_(ToQColor(sender->Value(), sender->palette())))
            sender->SetValue(FromQColor(*chosen));
    }
    CurrentSettings& current = maitre_.Current();
    current.couleurligne1 = pnlLigne1->Value();
    current.couleurligne2 = pnlLigne2->Value();
    current.couleurtitre = pnlTitre->Value();
    current.couleurtitretrie = pnlTitreTrie->Value();
    current.couleurselection = pnlselection->Value();
}

} // namespace quintaro
