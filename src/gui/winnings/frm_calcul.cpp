#include "gui/winnings/frm_calcul.h"

#include "core/app/startup.h"
#include "core/settings/view_choices.h"
#include "gui/ui/dialogs.h"
#include "gui/ui/regional_format.h"
#include "gui/ui/view_host.h"
#include "gui/winnings/period_detail_delegate.h"
#include "gui/winnings/winning_cells.h"

#include <QComboBox>
#include <QCoreApplication>
#include <QDateEdit>
#include <QEvent>
#include <QFormLayout>
#include <QGroupBox>
#include <QHeaderView>
#include <QLabel>
#include <QProgressBar>
#include <QTabWidget>
#include <QTableWidget>
#include <QToolButton>
#include <QVBoxLayout>

namespace quintaro {

namespace {

// The margin the progress bar and the pages keep to the window's right and bottom edges.
constexpr int kEdge = 8;

QString CellText(const PeriodCell& cell) {
    switch (cell.kind) {
    case PeriodCell::Kind::Euros:
        return CurrencyText(cell.value);
    case PeriodCell::Kind::Francs:
        return FrancsText(cell.value);
    case PeriodCell::Kind::Date:
        return ShortDateText(cell.value);
    case PeriodCell::Kind::Text:
        break;
    }
    return QString::fromStdString(cell.text);
}

QString CellsText(const std::vector<PeriodCell>& cells) {
    QString text;
    for (const PeriodCell& cell : cells)
        text += CellText(cell);
    return text;
}

void SetCell(QTableWidget& table, int row, int column, const PeriodCell& cell) {
    table.setItem(row, column, new QTableWidgetItem(CellText(cell)));
}

void SetRow(QTableWidget& table, int row, const PeriodRow& cells) {
    for (std::size_t c = 0; c < cells.size(); ++c)
        SetCell(table, row, static_cast<int>(c), cells[c]);
}

// A text grid with one heading row, no heading column, and its rows of one line.
QTableWidget* TextGrid(QWidget* parent) {
    auto* table = new QTableWidget(parent);
    table->setEditTriggers(QAbstractItemView::NoEditTriggers);
    table->setSelectionMode(QAbstractItemView::NoSelection);
    table->setWordWrap(false);
    table->verticalHeader()->hide();
    table->verticalHeader()->setMinimumSectionSize(1);
    table->verticalHeader()->setDefaultSectionSize(kPeriodRowHeight);
    table->horizontalHeader()->setMinimumSectionSize(1);
    table->horizontalHeader()->setDefaultSectionSize(kPeriodColumnWidth);
    table->horizontalHeader()->setDefaultAlignment(Qt::AlignLeft | Qt::AlignVCenter);
    table->horizontalHeader()->setHighlightSections(false);
    return table;
}

// Empties a table down to one empty row and lays out its columns.
void Prepare(QTableWidget& table, const std::vector<PeriodColumn>& columns) {
    table.clearContents();
    table.setRowCount(1);
    table.setColumnCount(static_cast<int>(columns.size()));
    for (std::size_t c = 0; c < columns.size(); ++c) {
        const int column = static_cast<int>(c);
        table.setHorizontalHeaderItem(
            column, new QTableWidgetItem(QString::fromStdString(columns[c].heading)));
        table.setColumnWidth(column, columns[c].width);
    }
}

QDateEdit* DatePicker(QWidget* parent, const QDate& date) {
    auto* picker = new QDateEdit(date, parent);
    picker->setCalendarPopup(true);
    return picker;
}

// A control at its design place, or further right when its label, in this desktop's font, is
// wider than the design's; the label is centred on the control's height.
void PlaceBeside(QLabel* label, QWidget* control, int labelLeft, int left, int top, int width,
                 int height) {
    label->adjustSize();
    left = std::max(left, labelLeft + label->width() + 4);
    control->setGeometry(left, top, width, height);
    label->move(labelLeft, top + (height - label->height()) / 2);
}

} // namespace

TfrmCalcul::TfrmCalcul(ViewHost& host) : ViewWindow(host, QStringLiteral("frmCalcul"), 0) {
    QWidget* page = widget();
    QFont font(QStringLiteral("Tahoma"));
    font.setPixelSize(11);
    page->setFont(font);
    page->installEventFilter(this);

    Label3 = new QLabel(QStringLiteral("Type de tirage :"), page);
    CbxType = new QComboBox(page);
    // The catalogue's games, none chosen yet.
    for (const TlistFiche& source : host.App().catalogue.SourceCatalogue)
        CbxType->addItem(QString::fromStdString(source.lib));
    CbxType->setCurrentIndex(-1);
    Label1 = new QLabel(QStringLiteral("Date de depart :"), page);
    const QDate today = QDate::currentDate();
    dateDepart = DatePicker(page, QDate(today.year(), 1, 1));
    Label2 = new QLabel(QStringLiteral("Date de fin :"), page);
    dateFin = DatePicker(page, today);
    // The game list and the start picker share their left edge.
    Label1->adjustSize();
    Label3->adjustSize();
    const int column = std::max(Label1->width(), Label3->width()) + 8 + 4;
    // The list is wide enough for its longest game in this desktop's font.
    PlaceBeside(Label3, CbxType, 8, column, 16, std::max(105, CbxType->sizeHint().width()), 21);
    PlaceBeside(Label1, dateDepart, 8, column, 40, 105, 21);
    PlaceBeside(Label2, dateFin, std::max(232, dateDepart->geometry().right() + 31), 296, 40, 105,
                21);

    cmdCalculer = new QToolButton(page);
    cmdCalculer->setIcon(QIcon(QStringLiteral(":/icons/calculer.svg")));
    cmdCalculer->setIconSize(QSize(40, 40));
    cmdCalculer->setToolTip(QStringLiteral("Lancer le calcul"));
    cmdCalculer->setGeometry(std::max(408, dateFin->geometry().right() + 8), 8, 60, 60);
    cmdCalculer->setEnabled(false);

    barCalcul = new QProgressBar(page);
    barCalcul->setTextVisible(false);
    barCalcul->setGeometry(8, 72, 681, 17);
    barCalcul->hide();

    PageControl = new QTabWidget(page);
    PageControl->setGeometry(8, 96, 681, 473);
    tbsGeneral = new QWidget;
    tbsDetails = new QWidget;
    PageControl->addTab(tbsGeneral, QStringLiteral("Résumé"));
    PageControl->addTab(tbsDetails, QStringLiteral("Détails"));
    PageControl->setCurrentWidget(tbsDetails);

    grilleResume = TextGrid(tbsGeneral);
    grbBilan = new QGroupBox(QStringLiteral("Mises et solde"), tbsGeneral);
    balanceLines_ = new QFormLayout(grbBilan);
    grbBilan->hide();
    auto* summaryPage = new QVBoxLayout(tbsGeneral);
    summaryPage->addWidget(grilleResume);
    summaryPage->addWidget(grbBilan);
    summaryPage->addStretch(1);

    grilleDetail = TextGrid(tbsDetails);
    detailDelegate_ = new PeriodDetailDelegate(grilleDetail);
    grilleDetail->setItemDelegate(detailDelegate_);
    auto* detailPage = new QVBoxLayout(tbsDetails);
    detailPage->addWidget(grilleDetail);
    for (QVBoxLayout* layout : {summaryPage, detailPage})
        layout->setContentsMargins(0, 0, 0, 0);

    connect(CbxType, &QComboBox::currentIndexChanged, this, &TfrmCalcul::CbxTypeChange);
    connect(dateDepart, &QDateEdit::dateChanged, this, &TfrmCalcul::dateDepartChange);
    connect(cmdCalculer, &QToolButton::clicked, this, &TfrmCalcul::cmdCalculerClick);
    dateDepartChange();

    ReadSettings();
    PrepareDetailGrid();
    PrepareSummaryGrid();
}

void TfrmCalcul::ReadSettings() {
    const RestoredChoice choice = ReadViewChoice(host.Settings(), kCalculKey, true);
    // The game list's change runs the game change; an index outside the list chooses none.
    if (choice.typeTirage)
        CbxType->setCurrentIndex(*choice.typeTirage < CbxType->count() ? *choice.typeTirage : -1);
    if (choice.dateDepart)
        dateDepart->setDate(CalendarQDate(*choice.dateDepart));
    if (choice.dateFin)
        dateFin->setDate(CalendarQDate(*choice.dateFin));
}

void TfrmCalcul::WriteSettings() {
    WriteViewChoice(host.Settings(), kCalculKey, CbxType->currentIndex(),
                    PeriodDates{DayCountOf(dateDepart->date()), DayCountOf(dateFin->date())});
}

void TfrmCalcul::CbxTypeChange() {
    cmdCalculer->setEnabled(CbxType->currentIndex() >= 0 && !computing_);
    PrepareDetailGrid();
    PrepareSummaryGrid();
}

void TfrmCalcul::dateDepartChange() {
    // An end before the new start moves up to it.
    dateFin->setMinimumDate(dateDepart->date());
}

void TfrmCalcul::PrepareDetailGrid() {
    const std::vector<PeriodColumn> columns = DetailColumns(CbxType->currentIndex());
    std::vector<PeriodColumnKind> kinds;
    for (const PeriodColumn& column : columns)
        kinds.push_back(column.kind);
    detailDelegate_->SetColumns(std::move(kinds));
    Prepare(*grilleDetail, columns);
}

void TfrmCalcul::PrepareSummaryGrid() {
    Prepare(*grilleResume, SummaryColumns(CbxType->currentIndex()));
    ShowBalance({});
    FitSummaryHeight();
}

QColor TfrmCalcul::DetailBackground(int column) const {
    return ShadeColour(detailDelegate_->Shade(column), grilleDetail->palette());
}

void TfrmCalcul::cmdCalculerClick() {
    const std::int32_t type = CbxType->currentIndex();
    if (computing_ || type < 0 || !host.StartupSucceeded())
        return;
    // The window lets its messages through between draws: nothing may start another
    // computation or change the game meanwhile.
    struct Running {
        TfrmCalcul& view;
        explicit Running(TfrmCalcul& v) : view(v) { Set(true); }
        ~Running() { Set(false); }
        void Set(bool on) {
            view.computing_ = on;
            view.CbxType->setEnabled(!on);
            view.cmdCalculer->setEnabled(!on && view.CbxType->currentIndex() >= 0);
        }
    } running(*this);

    barCalcul->setValue(0);
    barCalcul->show();
    PageControl->hide();
    PrepareDetailGrid();
    PrepareSummaryGrid();
    try {
        Tmd& md = *host.App().md;
        // The grids as stored now, whatever view last loaded them.
        md.LoadGrids();
        const PeriodWinnings winnings = md.ComputePeriodWinnings(
            type, DayCountOf(dateDepart->date()), DayCountOf(dateFin->date()),
            [this](std::size_t position, std::size_t last) {
                // One draw shows an empty bar rather than a busy one.
                barCalcul->setMaximum(std::max(static_cast<int>(last), 1));
                barCalcul->setValue(static_cast<int>(position));
                QCoreApplication::processEvents();
            });
        ShowResult(type, winnings, md.ComputePeriodBalance(type, winnings));
        barCalcul->hide();
        PageControl->show();
    } catch (const std::exception& e) {
        // The bar stays and the pages stay hidden until a computation completes.
        ShowStandardError(e.what());
    }
}

void TfrmCalcul::ShowResult(std::int32_t type, const PeriodWinnings& winnings,
                            const PeriodBalance& balance) {
    // One row per winning grid, and the last row for the total.
    grilleDetail->setRowCount(static_cast<int>(winnings.details.size()) + 1);
    for (std::size_t i = 0; i < winnings.details.size(); ++i) {
        const PeriodDetail& d = winnings.details[i];
        SetRow(*grilleDetail, static_cast<int>(i),
               DetailRow(type, winnings.draws[d.draw], winnings.Winner(d)));
    }
    if (const int prize = DetailPrizeColumn(type); prize >= 0)
        SetCell(*grilleDetail, grilleDetail->rowCount() - 1, prize,
                {PeriodCell::Kind::Euros, {}, winnings.total});

    const std::vector<PeriodRow> rows = SummaryRows(winnings);
    grilleResume->setRowCount(static_cast<int>(rows.size()));
    for (std::size_t r = 0; r < rows.size(); ++r)
        SetRow(*grilleResume, static_cast<int>(r), rows[r]);
    ShowBalance(BalanceLines(balance));
    FitSummaryHeight();
}

void TfrmCalcul::ShowBalance(const std::vector<BalanceLine>& lines) {
    while (balanceLines_->rowCount() > 0)
        balanceLines_->removeRow(0);
    for (const BalanceLine& line : lines) {
        auto* value = new QLabel(CellsText(line.value));
        value->setTextInteractionFlags(Qt::TextSelectableByMouse);
        balanceLines_->addRow(QString::fromStdString(line.label) + QStringLiteral(" :"), value);
    }
    grbBilan->setVisible(!lines.empty());
}

void TfrmCalcul::FitSummaryHeight() {
    // The summary takes the height of its rows, so that the balance follows right below them.
    const int height = 2 * grilleResume->frameWidth() +
                       grilleResume->horizontalHeader()->sizeHint().height() +
                       grilleResume->rowCount() * kPeriodRowHeight;
    grilleResume->setMaximumHeight(height);
}

bool TfrmCalcul::eventFilter(QObject* watched, QEvent* event) {
    if (watched == widget() && event->type() == QEvent::Resize) {
        // The bar follows the window's width, the pages its width and height.
        const QSize size = widget()->size();
        barCalcul->setGeometry(8, 72, std::max(size.width() - 8 - kEdge, 0), 17);
        PageControl->setGeometry(8, 96, std::max(size.width() - 8 - kEdge, 0),
                                 std::max(size.height() - 96 - kEdge, 0));
    }
    return ViewWindow::eventFilter(watched, event);
}

} // namespace quintaro
