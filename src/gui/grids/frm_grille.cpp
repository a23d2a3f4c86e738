#include "gui/grids/frm_grille.h"

#include "core/app/startup.h"
#include "core/grids/grid_file.h"
#include "core/grids/grid_texts.h"
#include "core/settings/configuration_settings.h"
#include "core/settings/view_choices.h"
#include "gui/grids/grid_button_faces.h"
#include "gui/ui/dialogs.h"
#include "gui/ui/ox_check_button.h"
#include "gui/ui/ox_panel.h"
#include "gui/ui/picture_button.h"
#include "gui/ui/view_host.h"

#include <QComboBox>
#include <QEvent>
#include <QFileDialog>
#include <QHeaderView>
#include <QScrollArea>
#include <QTableWidget>
#include <QToolButton>

// The editor's pictures are linked into a static library: register them explicitly.
static void RegisterGridResources() {
    static const bool registered = [] {
        Q_INIT_RESOURCE(grids);
        return true;
    }();
    (void)registered;
}

namespace quintaro {

namespace {

constexpr int kListTop = 8;
constexpr int kBottomMargin = 8;
constexpr int kSecondPerRow = 3;
constexpr QSize kDesignSize(748, 595);

QRect NumberButtonGeometry(int n) {
    return {8 + 24 * ((n - 1) / 10), 8 + 32 * ((n - 1) % 10), 22, 30};
}
QRect SecondButtonGeometry(int k) {
    return {8 + 40 * ((k - 1) % kSecondPerRow), 8 + 40 * ((k - 1) / kSecondPerRow), 33, 33};
}

// The buttons of both panels form one group where any number may be down and all may be up.
TOxCheckButton* ToggleButton(QWidget* parent, const QRect& geometry) {
    auto* button = new TOxCheckButton(parent);
    button->setGeometry(geometry);
    button->SetFlat(true);
    button->SetGroupIndex(1);
    button->SetAllowMultidown(true);
    button->SetAllowAllUp(true);
    button->setCursor(Qt::PointingHandCursor);
    return button;
}

std::filesystem::path PathOf(const QString& file) {
    return std::filesystem::path(file.toStdString());
}

} // namespace

TfrmGrille::TfrmGrille(ViewHost& host) : ViewWindow(host, QStringLiteral("Mes grilles"), 1000) {
    RegisterGridResources();
    // Below its design size the view scrolls rather than hide its controls.
    auto* scroll = new QScrollArea;
    scroll->setFrameShape(QFrame::NoFrame);
    scroll->setWidgetResizable(true);
    page_ = new QWidget;
    page_->setMinimumSize(kDesignSize);
    scroll->setWidget(page_);
    // The sub-window only detaches the page it had: it is ours to delete.
    delete widget();
    setWidget(scroll);
    QFont font(QStringLiteral("Tahoma"));
    font.setPixelSize(11);
    page_->setFont(font);
    page_->installEventFilter(this);

    cbxType = new QComboBox(page_);
    cbxType->setGeometry(8, 8, 121, 21);
    auto button = [this](const char* icon, const char* caption, int left, int top, int width) {
        return PictureButton(page_, QStringLiteral(":/grids/") + QLatin1String(icon),
                             QString::fromUtf8(caption), QRect(left, top, width, 65));
    };
    cmdAjouter = button("ajouter.svg", "Ajouter une grille", 8, 88, 121);
    cmdSupprimer = button("supprimer.svg", "Supprimer une grille", 8, 160, 121);
    cmdSauver = button("enregistrer.svg", "Enregistrer la grille", 8, 232, 121);
    cmdAnnuler = button("annuler.svg", "Annuler les modifications", 8, 304, 121);
    cmdSauve = button("exporter.svg", "Exporter vers fichier", 8, 400, 121);
    cmdCharge = button("importer.svg", "Importer depuis fichier", 8, 472, 121);
    cmdEffacer = button("effacer.svg", "Effacer la grille", 608, 8, 129);
    for (QToolButton* b : {cmdAjouter, cmdSupprimer, cmdSauver, cmdAnnuler})
        b->setEnabled(false);

    strgGrille = new QTableWidget(page_);
    strgGrille->setGeometry(136, kListTop, 465, 579);
    strgGrille->verticalHeader()->hide();
    strgGrille->verticalHeader()->setSectionResizeMode(QHeaderView::Fixed);
    strgGrille->verticalHeader()->setDefaultSectionSize(15);
    strgGrille->horizontalHeader()->setSectionResizeMode(QHeaderView::Fixed);
    strgGrille->horizontalHeader()->setMinimumSectionSize(20);
    strgGrille->horizontalHeader()->setDefaultSectionSize(20);
    strgGrille->horizontalHeader()->setHighlightSections(false);
    strgGrille->setShowGrid(true);
    strgGrille->setSelectionBehavior(QAbstractItemView::SelectRows);
    strgGrille->setSelectionMode(QAbstractItemView::SingleSelection);
    strgGrille->setEditTriggers(QAbstractItemView::NoEditTriggers);
    strgGrille->setWordWrap(false);
    // Two digits fit a column of 20 pixels without the room the style keeps around them.
    strgGrille->setTextElideMode(Qt::ElideNone);
    strgGrille->setStyleSheet(QStringLiteral("QTableView::item { padding: 0px; }"));
    strgGrille->horizontalHeader()->setTextElideMode(Qt::ElideNone);

    grille = new TOxPanel(page_);
    grille->setGeometry(608, 76, 132, 333);
    for (int n = 1; n <= kNumberButtons; ++n) {
        TOxCheckButton* b = ToggleButton(grille, NumberButtonGeometry(n));
        b->SetGlyph(ButtonFaces(n, FaceKind::Number, 20, devicePixelRatioF(), font), 4);
        numberButtons[static_cast<std::size_t>(n - 1)] = b;
        connect(b, &TOxCheckButton::clicked, this, [this, b] { NumberClick(b); });
    }
    numberButtons[kNumberButtons - 1]->hide();
    etoiles = new TOxPanel(page_);
    etoiles->setGeometry(608, 416, 132, 169);
    for (int k = 1; k <= kSecondButtons; ++k) {
        TOxCheckButton* b = ToggleButton(etoiles, SecondButtonGeometry(k));
        secondButtons[static_cast<std::size_t>(k - 1)] = b;
        connect(b, &TOxCheckButton::clicked, this, [this, b] { SecondClick(b); });
    }
    etoiles->hide();

    timerGrille.setSingleShot(true);
    timerGrille.setInterval(500);
    connect(&timerGrille, &QTimer::timeout, this, &TfrmGrille::strgGrilleClick);

    connect(cbxType, &QComboBox::activated, this, &TfrmGrille::cbxTypeChange);
    connect(strgGrille, &QTableWidget::currentCellChanged, this,
            [this](int row, int, int previous) {
                if (row != previous)
                    strgGrilleClick();
            });
    connect(strgGrille, &QTableWidget::cellClicked, this, &TfrmGrille::strgGrilleClick);
    connect(cmdAjouter, &QToolButton::clicked, this, &TfrmGrille::cmdAjouterClick);
    connect(cmdSupprimer, &QToolButton::clicked, this, &TfrmGrille::cmdSupprimerClick);
    connect(cmdSauver, &QToolButton::clicked, this, &TfrmGrille::cmdSauverClick);
    connect(cmdAnnuler, &QToolButton::clicked, this, &TfrmGrille::cmdAnnulerClick);
    connect(cmdEffacer, &QToolButton::clicked, this, &TfrmGrille::cmdEffacerClick);
    connect(cmdSauve, &QToolButton::clicked, this, &TfrmGrille::cmdSauveClick);
    connect(cmdCharge, &QToolButton::clicked, this, &TfrmGrille::cmdChargeClick);

    // After a failed start-up there are no grids to show, and the program is closing.
    if (!host.StartupSucceeded()) {
        page_->setEnabled(false);
        return;
    }
    connect(this, &QMdiSubWindow::aboutToActivate, this, [this] { timerGrille.start(); });
    const Catalogue& catalogue = host.App().catalogue;
    for (std::size_t i = 0; i < catalogue.SourceCatalogue.size() && IsGameType(static_cast<int>(i));
         ++i)
        cbxType->addItem(QString::fromStdString(catalogue.SourceCatalogue[i].lib));
    // Without a game remembered, the editor opens on Loto with its grids, so that a grid is
    // never added under a number its game already uses.
    const RestoredChoice choice = ReadViewChoice(host.Settings(), kGrilleKey, false);
    const int type =
        choice.complete && *choice.typeTirage >= 0 && *choice.typeTirage < cbxType->count()
            ? *choice.typeTirage
            : 0;
    cbxType->setCurrentIndex(type);
    cbxTypeChange(type);
}

Tmd& TfrmGrille::Md() {
    return *host.App().md;
}

void TfrmGrille::WriteSettings() {
    if (host.StartupSucceeded() && cbxType->currentIndex() >= 0)
        WriteViewChoice(host.Settings(), kGrilleKey, cbxType->currentIndex());
}

bool TfrmGrille::eventFilter(QObject* watched, QEvent* event) {
    // The list follows the bottom edge.
    if (watched == page_ && event->type() == QEvent::Resize)
        strgGrille->resize(strgGrille->width(), page_->height() - kListTop - kBottomMargin);
    return ViewWindow::eventFilter(watched, event);
}

int TfrmGrille::SelectedRow() const {
    return strgGrille->currentRow() + 1;
}

void TfrmGrille::SetSelectedRow(int row) {
    const QSignalBlocker block(strgGrille);
    row = std::clamp(row, 1, strgGrille->rowCount());
    strgGrille->setCurrentCell(row - 1, 0);
}

void TfrmGrille::cbxTypeChange(int index) {
    if (!IsGameType(index))
        return;
    type_ = index;
    selection_ = GridSelection(type_);
    const GameFacts& game = Game(type_);
    numberButtons[kNumberButtons - 1]->setVisible(game.mainMax >= kNumberButtons);
    etoiles->setVisible(HasSecondSet(type_));
    const int rows = (game.secondMax + kSecondPerRow - 1) / kSecondPerRow;
    etoiles->resize(etoiles->width(), 9 + 40 * rows);
    const FaceKind kind = HasChanceNumbers(type_) ? FaceKind::Chance : FaceKind::Star;
    for (int k = 1; k <= kSecondButtons; ++k) {
        TOxCheckButton* b = secondButtons[static_cast<std::size_t>(k - 1)];
        b->setVisible(k <= game.secondMax);
        b->SetGlyph(ButtonFaces(k, kind, 31, devicePixelRatioF(), page_->font()), 4);
    }
    filled_ = false;
    FillList();
    SetSelectedRow(1);
    strgGrilleClick();
}

void TfrmGrille::FillList() {
    if (filled_)
        return;
    grids_ = Md().FetchGrids();
    const GridList& list = CurrentGrids();
    const std::vector<std::string> headings = GridColumns(type_);
    const QSignalBlocker block(strgGrille);
    strgGrille->clear();
    strgGrille->setColumnCount(static_cast<int>(headings.size()));
    QStringList labels;
    for (const std::string& heading : headings)
        labels << QString::fromStdString(heading);
    strgGrille->setHorizontalHeaderLabels(labels);
    // Columns of 20 pixels, wider where this desktop's font needs it for a heading.
    const QFontMetrics metrics(strgGrille->horizontalHeader()->font());
    for (int c = 0; c < labels.size(); ++c)
        strgGrille->setColumnWidth(c, std::max(20, metrics.horizontalAdvance(labels[c]) + 6));
    strgGrille->setRowCount(std::max<int>(1, static_cast<int>(list.size())));
    ReleaseAll();
    selection_.Clear();
    for (QToolButton* b : {cmdAjouter, cmdSauver, cmdSupprimer, cmdAnnuler})
        b->setEnabled(false);
    for (std::size_t r = 0; r < list.size(); ++r) {
        const std::vector<std::string> cells = GridRowCells(type_, list[r]);
        for (std::size_t c = 0; c < cells.size(); ++c) {
            if (cells[c].empty())
                continue;
            auto* item = new QTableWidgetItem(QString::fromStdString(cells[c]));
            item->setTextAlignment(Qt::AlignCenter);
            strgGrille->setItem(static_cast<int>(r), static_cast<int>(c), item);
        }
    }
    filled_ = true;
}

void TfrmGrille::ReleaseAll() {
    for (TOxCheckButton* b : numberButtons)
        b->SetDown(false);
    for (TOxCheckButton* b : secondButtons)
        b->SetDown(false);
}

void TfrmGrille::strgGrilleClick() {
    const int r = SelectedRow();
    const GridList& list = CurrentGrids();
    cmdSupprimer->setEnabled(r >= 1 && !list.empty());
    for (QToolButton* b : {cmdAjouter, cmdSauver, cmdAnnuler})
        b->setEnabled(false);
    ReleaseAll();
    selection_.Clear();
    if (r < 1 || r > static_cast<int>(list.size()))
        return;
    // A stored grid is shown as it is, without the limits; only values that have a button.
    const Grid& grid = list[static_cast<std::size_t>(r - 1)];
    int numbers = 0, seconds = 0;
    for (std::uint8_t v : grid.main)
        if (v >= 1 && v <= Game(type_).mainMax) {
            numberButtons[v - 1u]->SetDown(true);
            ++numbers;
        }
    for (std::uint8_t v : grid.second)
        if (v >= 1 && v <= Game(type_).secondMax) {
            secondButtons[v - 1u]->SetDown(true);
            ++seconds;
        }
    selection_.Show(numbers, seconds);
}

void TfrmGrille::ApplyEnablingRule() {
    cmdAjouter->setEnabled(selection_.CanAdd());
    cmdSauver->setEnabled(cmdAjouter->isEnabled() && !CurrentGrids().empty());
}

void TfrmGrille::NumberClick(TOxCheckButton* button) {
    ButtonClick(button, &GridSelection::PressNumber, &GridSelection::ReleaseNumber);
}

void TfrmGrille::SecondClick(TOxCheckButton* button) {
    ButtonClick(button, &GridSelection::PressSecond, &GridSelection::ReleaseSecond);
}

void TfrmGrille::ButtonClick(TOxCheckButton* button,
                             std::optional<std::string> (GridSelection::*press)(),
                             void (GridSelection::*release)()) {
    if (!button->Down()) {
        (selection_.*release)();
    } else if (auto refused = (selection_.*press)()) {
        ShowMessage(host.DialogParent(), *refused);
        button->SetDown(false);
    }
    ApplyEnablingRule();
    cmdAnnuler->setEnabled(true);
    setWindowTitle(QString::fromStdString(selection_.Title()));
}

Grid TfrmGrille::PressedGrid() const {
    std::vector<int> numbers, seconds;
    for (int n = 1; n <= kNumberButtons; ++n)
        if (numberButtons[static_cast<std::size_t>(n - 1)]->Down())
            numbers.push_back(n);
    for (int k = 1; k <= kSecondButtons; ++k)
        if (secondButtons[static_cast<std::size_t>(k - 1)]->Down())
            seconds.push_back(k);
    return MakeGrid(numbers, seconds);
}

bool TfrmGrille::Change(const std::function<int()>& change) {
    try {
        const int row = change();
        filled_ = false;
        FillList();
        SetSelectedRow(row);
        strgGrilleClick();
        if (host.Current().sauveBoule)
            Md().SaveGridsToSettings();
        return true;
    } catch (const std::exception& e) {
        ShowStandardError(e.what());
        return false;
    }
}

void TfrmGrille::cmdAjouterClick() {
    const Grid grid = PressedGrid();
    if (!AskYesNo(host.DialogParent(), AddQuestion(grid)))
        return;
    Change([&] { return Md().PlayerGrids().AddGrid(type_, grid); });
}

void TfrmGrille::cmdSauverClick() {
    const int r = SelectedRow();
    if (r < 1 || r > static_cast<int>(CurrentGrids().size()))
        return;
    const Grid grid = PressedGrid();
    if (!AskYesNo(host.DialogParent(),
                  ModifyQuestion(CurrentGrids()[static_cast<std::size_t>(r - 1)], grid)))
        return;
    Change([&] {
        Md().PlayerGrids().ReplaceGrid(type_, r, grid);
        return r;
    });
}

void TfrmGrille::cmdSupprimerClick() {
    const int r = SelectedRow();
    if (r < 1 || r > static_cast<int>(CurrentGrids().size()))
        return;
    if (!AskYesNo(host.DialogParent(),
                  DeleteQuestion(CurrentGrids()[static_cast<std::size_t>(r - 1)])))
        return;
    Change([&] {
        Md().PlayerGrids().DeleteGrid(type_, r);
        return r;
    });
}

void TfrmGrille::cmdEffacerClick() {
    ReleaseAll();
    selection_.Clear();
    ApplyEnablingRule();
    cmdAnnuler->setEnabled(true);
}

void TfrmGrille::cmdAnnulerClick() {
    strgGrilleClick();
}

std::unique_ptr<QFileDialog> TfrmGrille::GridFileDialog(QWidget* parent, bool save) {
    auto dialog = std::make_unique<QFileDialog>(parent, QString(), QString(),
                                                QStringLiteral("Données Quintaro (*.vavuze)"));
    dialog->setDefaultSuffix(QString::fromLatin1(kGridFileExtension));
    if (save) {
        dialog->setAcceptMode(QFileDialog::AcceptSave);
        dialog->selectFile(QStringLiteral("Données_quintaro"));
    } else {
        dialog->setFileMode(QFileDialog::ExistingFile);
        dialog->selectFile(QStringLiteral("données_quintaro"));
    }
    return dialog;
}

std::optional<std::filesystem::path> TfrmGrille::ChooseFile(bool save) {
    if (chooser_)
        return chooser_(save);
    const std::unique_ptr<QFileDialog> dialog = GridFileDialog(host.DialogParent(), save);
    if (dialog->exec() != QDialog::Accepted || dialog->selectedFiles().isEmpty())
        return std::nullopt;
    return PathOf(dialog->selectedFiles().first());
}

void TfrmGrille::cmdSauveClick() {
    const auto file = ChooseFile(true);
    if (!file)
        return;
    try {
        WriteGridFile(*file, grids_);
    } catch (const std::exception& e) {
        ShowErrorDialog(host.DialogParent(), e.what());
        return;
    }
    ShowMessage(host.DialogParent(), ExportedMessage(*file));
}

void TfrmGrille::cmdChargeClick() {
    if (!AskOkCancel(host.DialogParent(), kImportQuestion))
        return;
    const auto file = ChooseFile(false);
    if (!file)
        return;
    const GridFileRead read = ReadGridFile(*file);
    switch (read.outcome) {
    case GridFileRead::Outcome::NotQuintaro:
        ShowErrorDialog(host.DialogParent(), NotQuintaroMessage(*file));
        return;
    case GridFileRead::Outcome::Corrupt:
        ShowErrorDialog(host.DialogParent(), CorruptMessage(*file));
        return;
    case GridFileRead::Outcome::Read:
        break;
    }
    const bool imported = Change([&] {
        Md().PlayerGrids().ReplaceGrids(read.lists);
        return 1;
    });
    if (imported)
        ShowMessage(host.DialogParent(), kGridsImported);
}

} // namespace quintaro
