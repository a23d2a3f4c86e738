#include "gui/winnings/frm_tirage.h"

#include "core/app/startup.h"
#include "core/settings/view_choices.h"
#include "gui/ui/dialogs.h"
#include "gui/ui/ox_dbgrid.h"
#include "gui/ui/view_host.h"
#include "gui/winnings/winning_grids_drawing.h"

#include <QComboBox>
#include <QEvent>
#include <QHeaderView>
#include <QLabel>
#include <QPlainTextEdit>
#include <QTableWidget>
#include <algorithm>
#include <utility>

namespace quintaro {

namespace {

constexpr int kTimer1Interval = 1000; // ms
// The design's layout: the draw list on the left, the prize ranks, the summary and the
// winning grids beside it.
constexpr int kLeft = 8;
constexpr int kGridTop = 40;
constexpr int kTirageWidth = 393;
constexpr int kGap = 7;
constexpr int kGainWidth = 385;
constexpr int kGainHeight = 305;
constexpr int kMemoTop = 352;
constexpr int kStringGridTop = 376;

QFont Tahoma() {
    QFont font(QStringLiteral("Tahoma"));
    font.setPixelSize(11); // 8 points at 96 dpi
    return font;
}

TOxDbgrid* DataGrid(QWidget* parent, OxTableModel* rows) {
    auto* grid = new TOxDbgrid(parent);
    if (rows)
        grid->SetRowSource(rows);
    return grid;
}

} // namespace

TfrmTirage::TfrmTirage(ViewHost& host) : ViewWindow(host, QStringLiteral("Tirages"), 2000) {
    QWidget* page = widget();
    page->setFont(Tahoma());
    page->installEventFilter(this);
    if (Tmd* md = host.App().md.get())
        display_ = new DrawWinningsDisplay(*md, this);

    Label1 = new QLabel(QStringLiteral("Type de tirage à afficher"), page);
    Label1->move(8, 0);
    Label1->adjustSize();
    cbxType = new QComboBox(page);
    cbxType->setGeometry(8, 16, 129, 21);
    Label2 = new QLabel(page);
    Label2->move(144, 24);

    dbgTirage = DataGrid(page, display_ ? &display_->DrawList() : nullptr);
    dbgTirage->SetCanOrderClickOnTitle(true);
    QPalette black = dbgTirage->palette();
    black.setColor(QPalette::Text, Qt::black);
    dbgTirage->setPalette(black);
    dbgGain = DataGrid(page, display_ ? &display_->PrizeRanks() : nullptr);
    // A desktop font wider than the design's widens the lists rather than hide their last
    // columns.
    tirageWidth_ = std::max(kTirageWidth, dbgTirage->FittingWidth());
    gainWidth_ = std::max(kGainWidth, dbgGain->FittingWidth());

    Memo1 = new QPlainTextEdit(QStringLiteral("Aucun tirage gagnant"), page);
    Memo1->setReadOnly(true);
    Memo1->setFrameShape(QFrame::NoFrame);
    QFont courier(QStringLiteral("Courier New"));
    courier.setStyleHint(QFont::TypeWriter);
    courier.setPixelSize(11);
    Memo1->setFont(courier);
    QPalette face = Memo1->palette();
    face.setColor(QPalette::Base, face.color(QPalette::Button));
    Memo1->setPalette(face);

    // Over the lower part of the memo, whose first line shows above it.
    StringGrid1 = new QTableWidget(1, 13, page);
    StringGrid1->verticalHeader()->hide();
    StringGrid1->verticalHeader()->setMinimumSectionSize(1);
    StringGrid1->verticalHeader()->setDefaultSectionSize(15);
    StringGrid1->verticalHeader()->setSectionResizeMode(QHeaderView::Fixed);
    StringGrid1->setEditTriggers(QAbstractItemView::NoEditTriggers);
    StringGrid1->setSelectionMode(QAbstractItemView::NoSelection);
    StringGrid1->setShowGrid(true);
    if (display_)
        DrawWinningGridCells(*StringGrid1, *display_);
    StringGrid1->horizontalHeader()->setDefaultSectionSize(22);
    StringGrid1->horizontalHeader()->setFixedHeight(15);

    Timer1.setSingleShot(true);
    Timer1.setInterval(kTimer1Interval);
    connect(&Timer1, &QTimer::timeout, this, &TfrmTirage::Timer1Timer);
    connect(this, &QMdiSubWindow::aboutToActivate, this, &TfrmTirage::FormActivate);
    // The user's choice only: the program's own selections run the change themselves.
    connect(cbxType, &QComboBox::activated, this, &TfrmTirage::cbxTypeChange);
    connect(dbgTirage, &TOxDbgrid::currentRecordChanged, this, &TfrmTirage::CurrentDrawChanged);
    Layout();
}

void TfrmTirage::FormActivate() {
    Timer1.start();
    if (display_) {
        display_->summaryMemo = Memo1;
        display_->winningGridsTable = StringGrid1;
        display_->WriteLotoHeadings();
    }
    for (TOxDbgrid* grid : {dbgTirage, dbgGain})
        ApplySettingsColours(*grid, host.Current());
}

void TfrmTirage::Timer1Timer() {
    Timer1.stop();
    // After a failed start-up there is nothing to show, and the program is closing.
    if (!host.StartupSucceeded())
        return;
    try {
        host.App().md->LoadGrids();
        display_->OpenOrRefreshDrawList();
        if (cbxType->count() == 0) {
            const Catalogue& catalogue = host.App().catalogue;
            for (const TlistFiche& source : catalogue.SourceCatalogue)
                cbxType->addItem(QString::fromStdString(source.lib));
            cbxType->addItem(QStringLiteral("Tous"));
            cbxType->setCurrentIndex(catalogue.CatalogueCount);
            RestoreGameChoice();
        }
        if (pendingDraw_)
            SelectDraw(*std::exchange(pendingDraw_, std::nullopt));
        ShowDrawCount();
        CurrentDrawChanged(dbgTirage->CurrentRecord());
    } catch (const std::exception& e) {
        ShowStandardError(e.what());
    }
}

void TfrmTirage::ShowDraw(std::int32_t reference) {
    pendingDraw_ = reference;
    Timer1Timer();
}

void TfrmTirage::SelectDraw(std::int32_t reference) {
    if (display_->RecordOf(reference) < 0) {
        const std::optional<DrawHeader> draw = host.App().md->Draws().FindDraw(reference);
        if (!draw || draw->type < 0 || draw->type >= host.App().catalogue.CatalogueCount)
            return;
        cbxType->setCurrentIndex(draw->type);
        cbxTypeChange();
    }
    dbgTirage->SetCurrentRecord(display_->RecordOf(reference));
}

void TfrmTirage::RestoreGameChoice() {
    const RestoredChoice choice = ReadViewChoice(host.Settings(), kTirageKey, false);
    // A choice that names no entry leaves every draw on show.
    if (!choice.typeTirage || *choice.typeTirage < 0 || *choice.typeTirage >= cbxType->count())
        return;
    cbxType->setCurrentIndex(*choice.typeTirage);
    if (choice.complete)
        cbxTypeChange();
}

void TfrmTirage::cbxTypeChange() {
    try {
        display_->FilterDrawList(cbxType->currentIndex());
        ShowDrawCount();
    } catch (const std::exception& e) {
        ShowStandardError(e.what());
    }
}

void TfrmTirage::ShowDrawCount() {
    Label2->setText(QStringLiteral("Il y a %1 tirages").arg(display_->DrawList().rowCount()));
    Label2->adjustSize();
}

void TfrmTirage::CurrentDrawChanged(int record) {
    if (display_)
        display_->AfterScroll(record >= 0 ? &display_->DrawList().RowAt(record) : nullptr);
}

void TfrmTirage::WriteSettings() {
    // A selector never filled holds no choice of this run: the stored one stays.
    if (cbxType->count() > 0)
        WriteViewChoice(host.Settings(), kTirageKey, cbxType->currentIndex());
}

bool TfrmTirage::eventFilter(QObject* watched, QEvent* event) {
    if (watched == widget() && event->type() == QEvent::Resize)
        Layout();
    return ViewWindow::eventFilter(watched, event);
}

void TfrmTirage::Layout() {
    // The draw list reaches the bottom; the summary and the winning grids the bottom and the
    // right edge; the prize ranks keep their size where the window has room for it.
    const QSize client = widget()->size();
    const int right = kLeft + tirageWidth_ + kGap;
    const int rightWidth = std::max(0, client.width() - right);
    dbgTirage->setGeometry(kLeft, kGridTop, tirageWidth_, std::max(0, client.height() - kGridTop));
    // A window too narrow for the prize ranks gives them the room left, with a scroll bar.
    dbgGain->setGeometry(right, kGridTop, std::min(gainWidth_, rightWidth), kGainHeight);
    Memo1->setGeometry(right, kMemoTop, rightWidth, std::max(0, client.height() - kMemoTop));
    StringGrid1->setGeometry(right, kStringGridTop, rightWidth,
                             std::max(0, client.height() - kStringGridTop));
}

} // namespace quintaro
