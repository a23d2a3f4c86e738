#include "gui/stats/frm_statistique.h"

#include "core/app/startup.h"
#include "core/settings/view_choices.h"
#include "core/stats/stat_bars.h"
#include "core/stats/stat_lists.h"
#include "gui/stats/stat_charts.h"
#include "gui/stats/stat_list_model.h"
#include "gui/ui/dialogs.h"
#include "gui/ui/ox_dbgrid.h"
#include "gui/ui/ox_sort_proxy.h"
#include "gui/ui/view_host.h"

#include <QComboBox>
#include <QEvent>
#include <QLabel>
#include <QToolButton>
#include <algorithm>

namespace quintaro {

namespace {

constexpr int kTimer1Interval = 1000; // ms
// The design's layout: the main list on the left, the second set's and the Joker digits'
// lists beside it, one above the other; the charts on the right.
constexpr int kLeft = 8;
constexpr int kGridTop = 40;
constexpr int kMainWidth = 393;
constexpr int kGap = 7;
constexpr int kSideWidth = 385;
constexpr int kSideHeight = 289;
constexpr int kLabel1Top = 24;
constexpr int kLabel2Top = 328;
constexpr int kJokerTop = 344;
constexpr int kChartsTop = 8;
constexpr int kChartsMinWidth = 360; // below, the charts take the side lists' place
// The lists' sorted heading until the settings' colours are applied: cream.
const QColor kCream(255, 251, 240);

} // namespace

TfrmStatistique::TfrmStatistique(ViewHost& host)
    : ViewWindow(host, QStringLiteral("Statistique"), 3000) {
    QWidget* page = widget();
    QFont font(QStringLiteral("Tahoma"));
    font.setPixelSize(11); // 8 points at 96 dpi
    page->setFont(font);

    cbxtype = new QComboBox(page);
    cbxtype->setGeometry(kLeft, 8, 145, 21);
    cmdListes = new QToolButton(page);
    cmdGraphiques = new QToolButton(page);
    int switchLeft = cbxtype->geometry().right() + 1 + kLeft;
    for (QToolButton* button : {cmdListes, cmdGraphiques}) {
        button->setCheckable(true);
        button->setAutoExclusive(true);
        button->setText(button == cmdListes ? QStringLiteral("Listes")
                                            : QStringLiteral("Graphiques"));
        button->adjustSize();
        button->setGeometry(switchLeft, 8, button->width() + 8, 21);
        switchLeft += button->width();
    }
    cmdListes->setChecked(true);

    Label1 = new QLabel(page);
    Label2 = new QLabel(page);
    dbgridstat = new TOxDbgrid(page);
    dbgetoile = new TOxDbgrid(page);
    dbgJocker = new TOxDbgrid(page);
    lists_[kMain].grid = dbgridstat;
    lists_[kSecond] = {dbgetoile, nullptr, Label1};
    lists_[kJoker] = {dbgJocker, nullptr, Label2};
    for (StatList& list : lists_) {
        list.rows = new StatListModel(this);
        list.grid->SetRowSource(list.rows);
        list.grid->SetCanOrderClickOnTitle(true);
        list.grid->SetColorTitreTrie(kCream);
        list.grid->installEventFilter(this);
        connect(list.grid, &TOxDbgrid::currentRecordChanged, this, [this, grid = list.grid] {
            if (grid == ChartedList())
                MarkCurrentValue();
        });
    }
    // A desktop font wider than the design's widens the lists rather than hide their last
    // columns.
    mainWidth_ = std::max(kMainWidth, dbgridstat->FittingWidth());
    sideWidth_ = std::max(kSideWidth, dbgetoile->FittingWidth());
    const int sideLeft = kLeft + mainWidth_ + kGap;
    Label1->move(sideLeft, kLabel1Top);
    Label2->move(sideLeft, kLabel2Top);
    dbgetoile->setGeometry(sideLeft, kGridTop, sideWidth_, kSideHeight);
    dbgJocker->setGeometry(sideLeft, kJokerTop, sideWidth_, kSideHeight);

    charts = new StatCharts(page);
    connect(charts, &StatCharts::valueClicked, this, &TfrmStatistique::BarClicked);

    Timer1.setSingleShot(true);
    Timer1.setInterval(kTimer1Interval);
    connect(&Timer1, &QTimer::timeout, this, &TfrmStatistique::Timer1Timer);
    connect(this, &QMdiSubWindow::aboutToActivate, this, &TfrmStatistique::FormActivate);
    // The user's choice only: the program's own selections run the change themselves.
    connect(cbxtype, &QComboBox::activated, this, &TfrmStatistique::cbxtypeChange);
    connect(cmdListes, &QToolButton::toggled, this, &TfrmStatistique::Layout);
    page->installEventFilter(this);
    Layout();
}

TOxDbgrid* TfrmStatistique::ChartedList() const {
    return lists_[static_cast<std::size_t>(charted_)].grid;
}

void TfrmStatistique::FormActivate() {
    Label2->setText(QString::fromUtf8(kJokerListCaption));
    Label2->adjustSize();
    List(kJoker).labelShown = true;
    Timer1.start();
    // The Joker list keeps the colours it was created with.
    for (TOxDbgrid* grid : {dbgridstat, dbgetoile})
        ApplySettingsColours(*grid, host.Current());
    Layout();
}

void TfrmStatistique::Timer1Timer() {
    Timer1.stop();
    // After a failed start-up there is nothing to show, and the program is closing.
    if (!host.StartupSucceeded())
        return;
    if (cbxtype->count() == 0) {
        for (const TlistFiche& source : host.App().catalogue.SourceCatalogue)
            cbxtype->addItem(QString::fromStdString(source.lib));
        cbxtype->setCurrentIndex(0);
        const RestoredChoice choice = ReadViewChoice(host.Settings(), kStatKey, false);
        // A choice that names no entry keeps the first.
        if (choice.typeTirage && *choice.typeTirage >= 0 && *choice.typeTirage < cbxtype->count())
            cbxtype->setCurrentIndex(*choice.typeTirage);
    }
    cbxtypeChange();
}

void TfrmStatistique::cbxtypeChange() {
    const int type = cbxtype->currentIndex();
    ReadLists(type);
    ShowSideLists(type);
    Layout();
    ShowCharts();
}

void TfrmStatistique::ReadLists(int type) {
    // Reading the same game again keeps each list on its row; another game starts at the top.
    const OxTableModel::Cursor cursor =
        type == readType_ ? OxTableModel::Cursor::Keep : OxTableModel::Cursor::First;
    try {
        Statistics& statistics = host.App().md->Stats();
        const std::array<std::int32_t, 3> series = {type, SecondSeries(type), JokerSeries(type)};
        for (std::size_t i = 0; i < lists_.size(); ++i) {
            StatList& list = lists_[i];
            list.series = series[i];
            list.draws = statistics.DrawCount(list.series);
            list.rows->SetRows(statistics.Rows(list.series), cursor);
        }
        readType_ = type;
    } catch (const std::exception& e) {
        ShowStandardError(e.what());
    }
}

void TfrmStatistique::ShowSideLists(int type) {
    const std::optional<StatSideLists> side = StatSideListsOf(type);
    if (!side)
        return;
    StatList& second = List(kSecond);
    second.shown = second.labelShown = side->second != SecondSetKind::None;
    if (second.shown) {
        Label1->setText(QString::fromStdString(SecondListCaption(side->second)));
        Label1->adjustSize();
    }
    StatList& joker = List(kJoker);
    joker.shown = joker.labelShown = side->joker;
    if (joker.shown) {
        Label2->setText(QString::fromUtf8(kJokerListCaption));
        Label2->adjustSize();
    }
    // A list the game hides has no charts: the main list's come back.
    if (!List(charted_).shown)
        charted_ = kMain;
}

void TfrmStatistique::ChartList(int list) {
    if (list == charted_)
        return;
    charted_ = list;
    ShowCharts();
}

void TfrmStatistique::ShowCharts() {
    const StatList& list = List(charted_);
    const std::vector<StatRow>& rows = list.rows->Rows();
    charts->Show(FrequencyBars(list.series, rows, list.draws), GapBars(list.series, rows));
    MarkCurrentValue();
}

void TfrmStatistique::MarkCurrentValue() {
    const StatList& list = List(charted_);
    const int record = list.grid->CurrentRecord();
    charts->MarkValue(record >= 0 ? std::optional(list.rows->RowAt(record).boule) : std::nullopt);
}

void TfrmStatistique::BarClicked(std::int32_t value) {
    const StatList& list = List(charted_);
    const int record = list.rows->RecordOf(value);
    if (record < 0)
        return;
    list.grid->SetCurrentRow(
        list.grid->SortedRows()->mapFromSource(list.rows->index(record, 0)).row());
}

void TfrmStatistique::WriteSettings() {
    // A selector never filled holds no choice of this run: the stored one stays.
    if (cbxtype->count() > 0)
        WriteViewChoice(host.Settings(), kStatKey, cbxtype->currentIndex());
}

bool TfrmStatistique::Narrow() const {
    const int chartsLeft = kLeft + mainWidth_ + kGap + sideWidth_ + kGap;
    return widget()->width() - chartsLeft - kLeft < kChartsMinWidth;
}

bool TfrmStatistique::eventFilter(QObject* watched, QEvent* event) {
    if (watched == widget() && event->type() == QEvent::Resize)
        Layout();
    if (event->type() == QEvent::FocusIn)
        for (std::size_t i = 0; i < lists_.size(); ++i)
            if (watched == lists_[i].grid)
                ChartList(static_cast<int>(i));
    return ViewWindow::eventFilter(watched, event);
}

void TfrmStatistique::Layout() {
    // The main list reaches the bottom; the side lists keep their size; the charts take the
    // rest of the window, or in a narrow window the side lists' place when chosen.
    const QSize client = widget()->size();
    dbgridstat->setGeometry(kLeft, kGridTop, mainWidth_, std::max(0, client.height() - kGridTop));
    const bool narrow = Narrow();
    cmdListes->setVisible(narrow);
    cmdGraphiques->setVisible(narrow);
    const bool listsOnShow = !narrow || cmdListes->isChecked();
    for (StatList* side : {&List(kSecond), &List(kJoker)}) {
        side->grid->setVisible(side->shown && listsOnShow);
        side->label->setVisible(side->labelShown && listsOnShow);
    }
    const int sideLeft = kLeft + mainWidth_ + kGap;
    const int chartsLeft = narrow ? sideLeft : sideLeft + sideWidth_ + kGap;
    charts->setGeometry(chartsLeft, kChartsTop, std::max(0, client.width() - chartsLeft - kLeft),
                        std::max(0, client.height() - kChartsTop));
    charts->setVisible(!narrow || cmdGraphiques->isChecked());
}

} // namespace quintaro
