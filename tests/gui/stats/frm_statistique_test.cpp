#include "core/settings/view_choices.h"
#include "gui/app/frm_maitre.h"
#include "gui/stats/frm_statistique.h"
#include "gui/stats/stat_charts.h"
#include "gui/ui/colour_values.h"
#include "gui/ui/ox_dbgrid.h"
#include "gui/ui/ox_sort_proxy.h"
#include "support/french_regional_format.h"
#include "support/modal_answer.h"
#include "support/settings_colours.h"
#include "support/store_fixture.h"
#include "support/temp_dir.h"

#include <QComboBox>
#include <QHeaderView>
#include <QLabel>
#include <QSignalSpy>
#include <QTest>
#include <QToolButton>
#include <gtest/gtest.h>

namespace quintaro {
namespace {

using test::StoreDraw;

class FrmStatistiqueTest : public ::testing::Test {
protected:
    FrmStatistiqueTest() : settings(config / "settings.reg") {
        test::WriteInstallation(app.path());
    }

    void Start() {
        maitre = std::make_unique<TfrmMaitre>(InstallationIn(app.path(), work.path()), settings);
        maitre->CreateViews();
        stat = static_cast<TfrmStatistique*>(maitre->View(4));
    }
    Tmd& md() { return *maitre->App().md; }
    // The statistics of the stored draws, the view's activation and what it does one second
    // later.
    void Load() {
        md().ComputeStatistics();
        stat->FormActivate();
        stat->Timer1Timer();
    }
    // The main window on the screen with the view in front.
    void ShowView(QSize size = {1280, 1024}) {
        maitre->resize(size);
        maitre->show();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(maitre.get()));
        maitre->BringToFront(stat);
        QCoreApplication::processEvents();
    }
    void ChooseGame(int index) {
        stat->cbxtype->setCurrentIndex(index);
        emit stat->cbxtype->activated(index);
    }
    std::string Cell(TOxDbgrid* grid, int row, int column) {
        return grid->SortedRows()->index(row, column).data().toString().toStdString();
    }
    // A column's cells, separated by "|".
    std::string Column(TOxDbgrid* grid, int column) {
        std::string cells;
        for (int row = 0; row < grid->SortedRows()->rowCount(); ++row)
            cells += (row ? "|" : "") + Cell(grid, row, column);
        return cells;
    }
    // A row's cells, separated by "|".
    std::string Row(TOxDbgrid* grid, int row) {
        std::string cells;
        for (int column = 0; column < 6; ++column)
            cells += (column ? "|" : "") + Cell(grid, row, column);
        return cells;
    }
    void ClickHeading(TOxDbgrid* grid, int column) {
        QHeaderView* header = grid->horizontalHeader();
        QTest::mouseClick(header->viewport(), Qt::LeftButton, {},
                          QPoint(header->sectionViewportPosition(column) + 5, 5));
    }
    // A click on a list, which gives it the focus.
    void ClickList(TOxDbgrid* grid) {
        QTest::mouseClick(grid->viewport(), Qt::LeftButton, {},
                          QPoint(grid->columnViewportPosition(0) + 5, 5));
    }

    test::FrenchRegionalFormat french;
    test::TempDir app, work, config;
    SettingsStore settings;
    std::unique_ptr<TfrmMaitre> maitre;
    TfrmStatistique* stat = nullptr;
};

TEST_F(FrmStatistiqueTest, AGameWithoutDrawsShowsEveryValueAtZeroAndAFlatChart) {
    Start();
    EXPECT_EQ(stat->windowTitle(), "Statistique");
    EXPECT_EQ(stat->HelpContext(), 3000);
    Load();
    QStringList items;
    for (int i = 0; i < stat->cbxtype->count(); ++i)
        items << stat->cbxtype->itemText(i);
    EXPECT_EQ(items, (QStringList{"Loto", "Super Loto", "Euromillion", "New Loto", "New Super Loto",
                                  "New Euromillion"}));
    EXPECT_EQ(stat->cbxtype->currentIndex(), 0);

    const QStringList headings = {"Boule", "NB Sortie", "% sortie", "Date dernier sortie",
                                  "Tir",   "Ecart"};
    for (int column = 0; column < headings.size(); ++column)
        EXPECT_EQ(stat->dbgridstat->model()->headerData(column, Qt::Horizontal).toString(),
                  headings[column]);
    ASSERT_EQ(stat->dbgridstat->SortedRows()->rowCount(), 49);
    for (int row = 0; row < 49; ++row)
        EXPECT_EQ(Row(stat->dbgridstat, row), std::to_string(row + 1) + "|0|0,00|29/12/1899|0|-1");

    EXPECT_EQ(stat->charts->BarCount(StatCharts::Frequency), 49);
    EXPECT_EQ(stat->charts->BarCount(StatCharts::Gaps), 49);
    EXPECT_EQ(stat->charts->BarHeight(StatCharts::Gaps, 0), 0.0);
    EXPECT_EQ(stat->charts->ExpectedLevel(), 0.0);
}

TEST_F(FrmStatistiqueTest, EachGameShowsItsListsWithTheirCaptions) {
    Start();
    Load();
    struct Case {
        int type;
        int mainRows;
        const char* second; // the caption of the second set's list; empty: hidden
        int secondRows;
        bool joker;
    };
    const Case cases[] = {
        {0, 49, "", 0, true},
        {1, 49, "", 0, false}, // Super Loto: the main list alone
        {2, 50, "Statistique Etoile", 9, false},
        {3, 49, "Statistique N° Chance", 10, true},
        {4, 49, "Statistique N° Chance", 10, true},
        {5, 50, "Statistique Etoile", 12, true},
    };
    for (const Case& c : cases) {
        ChooseGame(c.type);
        const bool second = !QString(c.second).isEmpty();
        EXPECT_EQ(stat->dbgridstat->SortedRows()->rowCount(), c.mainRows) << c.type;
        EXPECT_FALSE(stat->dbgridstat->isHidden());
        EXPECT_EQ(!stat->dbgetoile->isHidden(), second) << c.type;
        EXPECT_EQ(!stat->Label1->isHidden(), second) << c.type;
        if (second) {
            EXPECT_EQ(stat->Label1->text(), c.second);
        }
        EXPECT_EQ(stat->dbgetoile->SortedRows()->rowCount(), c.secondRows) << c.type;
        EXPECT_EQ(!stat->dbgJocker->isHidden(), c.joker) << c.type;
        EXPECT_EQ(!stat->Label2->isHidden(), c.joker) << c.type;
        if (c.joker) {
            EXPECT_EQ(stat->Label2->text(), "Statistique Joker");
        }
        // The Joker list holds the ten digits.
        EXPECT_EQ(Column(stat->dbgJocker, 0), "0|1|2|3|4|5|6|7|8|9");
    }

    // The activation shows the Joker caption; a second later the game hides it again.
    ChooseGame(1);
    stat->FormActivate();
    EXPECT_FALSE(stat->Label2->isHidden());
    EXPECT_EQ(stat->Label2->text(), "Statistique Joker");
    stat->Timer1Timer();
    EXPECT_TRUE(stat->Label2->isHidden());
}

TEST_F(FrmStatistiqueTest, ASeventhShowsWithTwoDecimalsTheLastDrawAndItsGap) {
    Start();
    for (int k = 0; k < 7; ++k)
        StoreDraw(md(), 0, 45000 + k, {1, 2, 3, 4, 5, 6, k == 2 ? 40 : 7}, {}, k == 2 ? 2 : 1);
    Load();
    // 1 draw in 7: 14.2857...
    EXPECT_EQ(Row(stat->dbgridstat, 39), "40|1|14,29|17/03/2023|2|4");
    EXPECT_EQ(Row(stat->dbgridstat, 6), "7|6|85,71|21/03/2023|1|0");
    EXPECT_EQ(Row(stat->dbgridstat, 0), "1|7|100,00|21/03/2023|1|0");
}

TEST_F(FrmStatistiqueTest, AFirstClickOnNbSortiePutsTheMostFrequentFirst) {
    Start();
    StoreDraw(md(), 0, 45000, {1, 2, 3, 4, 5, 6, 7});
    StoreDraw(md(), 0, 45001, {11, 12, 13, 14, 15, 16, 17});
    StoreDraw(md(), 0, 45002, {21, 12, 23, 24, 25, 26, 27});
    StoreDraw(md(), 0, 45003, {31, 12, 33, 34, 35, 36, 13});
    Load();
    ShowView();
    ClickHeading(stat->dbgridstat, 1);
    EXPECT_EQ(stat->dbgridstat->OrderBy(), "nbsortie");
    EXPECT_EQ(stat->dbgridstat->DirectionOrderBy(), TOxDbgrid::obDown);
    EXPECT_EQ(Column(stat->dbgridstat, 0).substr(0, 6), "12|13|");
    ClickHeading(stat->dbgridstat, 1);
    EXPECT_EQ(stat->dbgridstat->DirectionOrderBy(), TOxDbgrid::obUp);
    EXPECT_EQ(Cell(stat->dbgridstat, 0, 1), "0");
    EXPECT_EQ(Cell(stat->dbgridstat, 48, 0), "12");

    // The date sorts by its day count, never drawn first.
    ClickHeading(stat->dbgridstat, 3);
    ClickHeading(stat->dbgridstat, 3);
    EXPECT_EQ(Cell(stat->dbgridstat, 0, 3), "29/12/1899");
    EXPECT_EQ(Cell(stat->dbgridstat, 48, 3), "18/03/2023");
    // Each list sorts on its own.
    EXPECT_EQ(Column(stat->dbgJocker, 0), "0|1|2|3|4|5|6|7|8|9");
}

TEST_F(FrmStatistiqueTest, TheChartsFollowTheGameAndTheListWithTheFocus) {
    Start();
    for (int k = 0; k < 9; ++k)
        StoreDraw(md(), 2, 45000 + k, {1, 2, 3, 4, 5, 8, 9});
    md().AddJoker("1234567", 0);
    Load();
    ShowView();
    ChooseGame(2);
    EXPECT_EQ(stat->ChartedList(), stat->dbgridstat);
    EXPECT_EQ(stat->charts->BarCount(StatCharts::Frequency), 50);
    EXPECT_DOUBLE_EQ(*stat->charts->ExpectedLevel(), 9.0 * 5 / 50);

    ClickList(stat->dbgetoile);
    EXPECT_EQ(stat->ChartedList(), stat->dbgetoile);
    EXPECT_EQ(stat->charts->Title(StatCharts::Frequency), "Sorties des étoiles");
    ASSERT_EQ(stat->charts->BarCount(StatCharts::Frequency), 9);
    EXPECT_EQ(stat->charts->BarHeight(StatCharts::Frequency, 7), 9.0);
    EXPECT_DOUBLE_EQ(*stat->charts->ExpectedLevel(), 9.0 * 2 / 9);

    // New Euromillion's stars: the list keeps the focus and the charts follow the game.
    ChooseGame(5);
    EXPECT_EQ(stat->charts->BarCount(StatCharts::Frequency), 12);
    EXPECT_EQ(*stat->charts->ExpectedLevel(), 0.0);
    ClickList(stat->dbgJocker);
    EXPECT_EQ(stat->charts->Title(StatCharts::Frequency), "Sorties des chiffres du Joker");
    EXPECT_EQ(stat->charts->BarCount(StatCharts::Frequency), 10);

    // Super Loto hides the Joker list: the main list's charts come back.
    ChooseGame(1);
    EXPECT_EQ(stat->ChartedList(), stat->dbgridstat);
    EXPECT_EQ(stat->charts->Title(StatCharts::Frequency), "Sorties des numéros");
    // Euromillion's Joker: only the draws with a Joker number count.
    ChooseGame(2);
    ClickList(stat->dbgJocker);
    EXPECT_EQ(stat->ChartedList(), stat->dbgridstat); // hidden: no focus
}

TEST_F(FrmStatistiqueTest, AClickOnABarSelectsItsRowWhateverTheOrder) {
    Start();
    StoreDraw(md(), 0, 45000, {1, 2, 3, 4, 5, 6, 17});
    StoreDraw(md(), 0, 45001, {11, 12, 13, 14, 15, 16, 17});
    Load();
    ShowView();
    ClickHeading(stat->dbgridstat, 1);
    StatCharts* charts = stat->charts;
    QTest::mouseClick(charts->ChartWidget(StatCharts::Frequency), Qt::LeftButton, {},
                      charts->PointAt(StatCharts::Frequency, 16, 1.0));
    EXPECT_EQ(stat->dbgridstat->CurrentRow(), 0); // 17 came out most
    EXPECT_EQ(Cell(stat->dbgridstat, 0, 0), "17");
    QTest::mouseClick(charts->ChartWidget(StatCharts::Gaps), Qt::LeftButton, {},
                      charts->PointAt(StatCharts::Gaps, 39, 0.5));
    EXPECT_EQ(Cell(stat->dbgridstat, stat->dbgridstat->CurrentRow(), 0), "40");
}

TEST_F(FrmStatistiqueTest, TheListsFillOneSecondAfterEachActivationOnTheSameRows) {
    Start();
    StoreDraw(md(), 0, 45000, {1, 2, 3, 4, 5, 6, 7});
    md().ComputeStatistics();
    ShowView();
    EXPECT_TRUE(stat->Timer1.isActive());
    EXPECT_TRUE(stat->Timer1.isSingleShot());
    EXPECT_EQ(stat->Timer1.interval(), 1000);
    EXPECT_EQ(stat->cbxtype->count(), 0);
    QSignalSpy fired(&stat->Timer1, &QTimer::timeout);
    ASSERT_TRUE(fired.wait(5000));
    EXPECT_EQ(stat->dbgridstat->SortedRows()->rowCount(), 49);
    EXPECT_FALSE(stat->Timer1.isActive());

    // Coming back reads the lists again, on the same row; another game starts at the top.
    stat->dbgridstat->SetCurrentRow(10);
    StoreDraw(md(), 0, 45001, {11, 12, 13, 14, 15, 16, 17});
    md().ComputeStatistics();
    stat->FormActivate();
    EXPECT_TRUE(stat->Timer1.isActive());
    stat->Timer1Timer();
    EXPECT_EQ(stat->dbgridstat->CurrentRow(), 10);
    EXPECT_EQ(Cell(stat->dbgridstat, 10, 1), "1");
    ChooseGame(3);
    EXPECT_EQ(stat->dbgridstat->CurrentRow(), 0);
}

TEST_F(FrmStatistiqueTest, TheMainAndSecondListsTakeTheSettingsColoursTheJokerListItsOwn) {
    Start();
    const QPalette& p = stat->dbgJocker->palette();
    const QColor cream(255, 251, 240);
    for (TOxDbgrid* grid : {stat->dbgridstat, stat->dbgetoile, stat->dbgJocker}) {
        EXPECT_TRUE(grid->CanOrderClickOnTitle());
        EXPECT_EQ(grid->Cellstyle(), TOxDbgrid::csNone);
        EXPECT_EQ(grid->ColorTitreTrie(), cream);
    }
    test::SetDistinctColours(maitre->Current());
    stat->FormActivate();
    for (TOxDbgrid* grid : {stat->dbgridstat, stat->dbgetoile})
        test::ExpectDistinctColours(*grid);
    TOxDbgrid* joker = stat->dbgJocker;
    EXPECT_EQ(joker->Alt1Color(), ToQColor(SystemColourValue(kInactiveCaptionText), p));
    EXPECT_EQ(joker->AltColor(), ToQColor(SystemColourValue(k3DLight), p));
    EXPECT_EQ(joker->HighLightColor(), ToQColor(SystemColourValue(k3DDarkShadow), p));
    EXPECT_EQ(joker->FixedColor(), ToQColor(SystemColourValue(kButtonFace), p));
    EXPECT_EQ(joker->ColorTitreTrie(), cream);
}

TEST_F(FrmStatistiqueTest, TheMainListReachesTheBottomAndTheChartsShareANarrowWindow) {
    Start();
    Load();
    ShowView();
    const QSize side = stat->dbgetoile->size();
    EXPECT_GE(side.width(), 385);
    EXPECT_EQ(side.height(), 289);
    for (const QSize size : {QSize(1280, 1024), QSize(1000, 700), QSize(840, 560)}) {
        maitre->resize(size);
        QCoreApplication::processEvents();
        const QSize client = stat->widget()->size();
        EXPECT_EQ(stat->dbgridstat->y(), 40);
        EXPECT_EQ(stat->dbgridstat->geometry().bottom(), client.height() - 1);
        EXPECT_EQ(stat->dbgetoile->size(), side);
        EXPECT_EQ(stat->dbgJocker->size(), side);
        EXPECT_EQ(stat->dbgJocker->y(), 344);
        EXPECT_LE(stat->charts->geometry().right(), client.width() - 1);
        EXPECT_EQ(stat->charts->geometry().bottom(), client.height() - 1);
    }

    // The smallest window: the side lists, or the charts in their place.
    ASSERT_TRUE(stat->Narrow());
    EXPECT_FALSE(stat->cmdListes->isHidden());
    EXPECT_TRUE(stat->charts->isHidden());
    EXPECT_FALSE(stat->dbgJocker->isHidden());
    QTest::mouseClick(stat->cmdGraphiques, Qt::LeftButton);
    EXPECT_FALSE(stat->charts->isHidden());
    EXPECT_EQ(stat->charts->x(), stat->dbgJocker->x());
    EXPECT_GE(stat->charts->width(), 300) << stat->widget()->width();
    EXPECT_TRUE(stat->dbgJocker->isHidden());
    EXPECT_TRUE(stat->Label2->isHidden());
    EXPECT_FALSE(stat->dbgridstat->isHidden());
    QTest::mouseClick(stat->cmdListes, Qt::LeftButton);
    EXPECT_TRUE(stat->charts->isHidden());
    EXPECT_FALSE(stat->dbgJocker->isHidden());

    // A wide window shows both, the charts right of the side lists.
    maitre->resize(1280, 1024);
    QCoreApplication::processEvents();
    EXPECT_FALSE(stat->Narrow());
    EXPECT_TRUE(stat->cmdListes->isHidden());
    EXPECT_FALSE(stat->charts->isHidden());
    EXPECT_FALSE(stat->dbgJocker->isHidden());
    EXPECT_GT(stat->charts->x(), stat->dbgJocker->geometry().right());
}

TEST_F(FrmStatistiqueTest, TheChosenGameIsRestoredAndSavedAgain) {
    settings.WriteInteger(kStatKey, "TypeTirage", 3);
    Start();
    // A run that ends before the view's first timer keeps the stored choice.
    stat->WriteSettings();
    EXPECT_EQ(settings.ReadInteger(kStatKey, "TypeTirage"), 3);
    Load();
    EXPECT_EQ(stat->cbxtype->currentIndex(), 3);
    EXPECT_EQ(stat->Label1->text(), "Statistique N° Chance");
    EXPECT_EQ(stat->dbgetoile->SortedRows()->rowCount(), 10);
    ChooseGame(5);
    stat->WriteSettings();
    EXPECT_EQ(settings.ReadInteger(kStatKey, "TypeTirage"), 5);
}

TEST_F(FrmStatistiqueTest, AStoredChoiceThatNamesNoGameKeepsTheFirst) {
    settings.WriteInteger(kStatKey, "TypeTirage", 9);
    Start();
    Load();
    EXPECT_EQ(stat->cbxtype->currentIndex(), 0);
    EXPECT_EQ(stat->dbgridstat->SortedRows()->rowCount(), 49);
}

TEST_F(FrmStatistiqueTest, AFailingReadReachesTheGeneralErrorReport) {
    Start();
    md().Connection().Execute("drop table stat");
    QString shown;
    test::AnswerNextModal([&](QWidget* box) {
        shown = box->windowTitle();
        box->close();
    });
    stat->FormActivate();
    stat->Timer1Timer();
    EXPECT_EQ(shown, "Quintaro");
    EXPECT_EQ(stat->dbgridstat->SortedRows()->rowCount(), 0);
}

} // namespace
} // namespace quintaro
