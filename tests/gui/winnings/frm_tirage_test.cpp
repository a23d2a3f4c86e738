#include "core/settings/view_choices.h"
#include "gui/app/frm_maitre.h"
#include "gui/ui/colour_values.h"
#include "gui/ui/ox_dbgrid.h"
#include "gui/ui/ox_sort_proxy.h"
#include "gui/ui/regional_format.h"
#include "gui/winnings/frm_tirage.h"
#include "support/french_locale.h"
#include "support/modal_answer.h"
#include "support/settings_colours.h"
#include "support/store_fixture.h"
#include "support/temp_dir.h"

#include <QComboBox>
#include <QHeaderView>
#include <QLabel>
#include <QPlainTextEdit>
#include <QSignalSpy>
#include <QTableWidget>
#include <QTest>
#include <gtest/gtest.h>

namespace quintaro {
namespace {

using test::StoreDraw;
using test::StoreGrid;

// The 13 amounts of a draw: rank 6 (three numbers and the complementary ball) and rank 7
// (three numbers) of Loto.
std::vector<double> LotoAmounts(double rank6, double rank7) {
    std::vector<double> amounts(13, 0.0);
    amounts[5] = rank6;
    amounts[6] = rank7;
    return amounts;
}

class FrmTirageTest : public ::testing::Test {
protected:
    FrmTirageTest() : settings(config / "settings.reg") {
        QLocale::setDefault(QLocale(QLocale::French, QLocale::France));
        test::WriteInstallation(app.path());
    }
    ~FrmTirageTest() override { QLocale::setDefault(RegionalLocale()); }

    void Start() {
        maitre = std::make_unique<TfrmMaitre>(InstallationIn(app.path(), work.path()), settings);
        maitre->CreateViews();
        tirage = static_cast<TfrmTirage*>(maitre->View(6));
    }
    Tmd& md() { return *maitre->App().md; }
    // The view's activation, and what it does one second later.
    void Load() {
        md().LoadPrizeAmounts();
        tirage->FormActivate();
        tirage->Timer1Timer();
    }
    // What the display does once the selection has rested for 100 ms.
    void Evaluate() { tirage->Display().timerDonneeTimer(); }
    void Select(int row) {
        tirage->dbgTirage->SetCurrentRow(row);
        Evaluate();
    }
    void ChooseGame(int index) {
        tirage->cbxType->setCurrentIndex(index);
        emit tirage->cbxType->activated(index);
    }
    QString Cell(int row, int column) {
        const QTableWidgetItem* item = tirage->StringGrid1->item(row, column);
        return item ? item->text() : QString();
    }
    QColor CellColour(int row, int column) {
        QTableWidget* grid = tirage->StringGrid1;
        const QImage image = grid->viewport()->grab().toImage();
        return image.pixelColor(grid->columnViewportPosition(column) + 1,
                                grid->rowViewportPosition(row) + 12);
    }
    QString Heading(TOxDbgrid* grid, int column) {
        return grid->model()->headerData(column, Qt::Horizontal).toString();
    }
    QString ListCell(int row, int column) {
        return tirage->dbgTirage->SortedRows()->index(row, column).data().toString();
    }
    QString Memo() { return tirage->Memo1->toPlainText(); }

    test::TempDir app, work, config;
    SettingsStore settings;
    std::unique_ptr<TfrmMaitre> maitre;
    TfrmTirage* tirage = nullptr;
};

TEST_F(FrmTirageTest, TheLotoExampleRowWithItsCodesAndColours) {
    Start();
    StoreGrid(md(), 1, 0, {1, 2, 3, 4, 5, 6});
    StoreGrid(md(), 2, 0, {7, 8, 9, 10, 11, 12});
    StoreDraw(md(), 0, 45000, {1, 2, 3, 40, 41, 42, 4}, LotoAmounts(12.5, 0));
    Load();
    EXPECT_EQ(tirage->windowTitle(), "Tirages");
    EXPECT_EQ(tirage->HelpContext(), 2000);
    EXPECT_EQ(tirage->Memo1->toPlainText(), "Aucun tirage gagnant");

    Evaluate();
    QTableWidget* grid = tirage->StringGrid1;
    ASSERT_EQ(grid->columnCount(), 13);
    ASSERT_EQ(grid->rowCount(), 1);
    const QStringList cells = {"101", "102", "103", "204", "5", "6", "", "", "", "", "3", "X"};
    for (int column = 0; column < cells.size(); ++column)
        EXPECT_EQ(Cell(0, column), cells[column]) << column;
    EXPECT_TRUE(Cell(0, 12).startsWith("12,50")) << Cell(0, 12).toStdString();
    EXPECT_EQ(grid->horizontalHeaderItem(12)->text(), "Gains €");
    EXPECT_EQ(grid->columnWidth(12), 100);

    const QPalette& p = grid->palette();
    EXPECT_EQ(CellColour(0, 0), QColor(0, 128, 0));
    EXPECT_EQ(CellColour(0, 2), QColor(0, 128, 0));
    EXPECT_EQ(CellColour(0, 3), QColor(255, 0, 0));
    EXPECT_EQ(CellColour(0, 4).rgb(), ToQColor(SystemColourValue(k3DLight), p).rgb());
    EXPECT_EQ(CellColour(0, 9).rgb(), ToQColor(SystemColourValue(k3DLight), p).rgb());
    EXPECT_EQ(CellColour(0, 10), QColor(128, 128, 128));

    EXPECT_EQ(Memo(), "Vous avez 1 grilles gagnantes pour un total de 12,50€ { 81,99F }");
    EXPECT_EQ(tirage->Display().PrizeRanks().rowCount(), 13);
    EXPECT_EQ(Heading(tirage->dbgTirage, 9), "B6");
    EXPECT_EQ(Heading(tirage->dbgTirage, 10), "BC");
}

TEST_F(FrmTirageTest, EachGameHasItsBallHeadingsAndItsTableLayout) {
    Start();
    StoreGrid(md(), 1, 0, {1, 2, 3, 4, 5, 6});
    StoreGrid(md(), 1, 2, {1, 2, 3, 4, 5}, {8, 9});
    StoreDraw(md(), 0, 45000, {1, 2, 3, 40, 41, 42, 4}, LotoAmounts(1, 1));
    StoreDraw(md(), 2, 45001, {1, 2, 3, 20, 21, 8, 9});
    StoreDraw(md(), 4, 45002, {1, 2, 3, 4, 5, 6, 0});
    Load();

    Select(1);
    EXPECT_EQ(Heading(tirage->dbgTirage, 9), "E1");
    EXPECT_EQ(Heading(tirage->dbgTirage, 10), "E2");
    QTableWidget* grid = tirage->StringGrid1;
    EXPECT_EQ(grid->columnCount(), 21);
    EXPECT_EQ(grid->horizontalHeaderItem(9)->text(), "E1");
    EXPECT_EQ(grid->columnWidth(20), 100);
    EXPECT_NE(grid->columnWidth(12), 100);
    EXPECT_EQ(Cell(0, 9), "208");
    EXPECT_EQ(CellColour(0, 9), QColor(255, 0, 0));
    EXPECT_EQ(CellColour(0, 11).rgb(),
              ToQColor(SystemColourValue(kInactiveCaptionText), grid->palette()).rgb());
    EXPECT_EQ(Memo(), "Aucunes grilles gagnantes pour ce tirage"); // no amounts stored
    // Coming back to the view leaves the table of the draw on show as it is.
    tirage->FormActivate();
    EXPECT_EQ(grid->horizontalHeaderItem(9)->text(), "E1");
    EXPECT_NE(grid->columnWidth(12), 100);

    Select(2);
    EXPECT_EQ(Heading(tirage->dbgTirage, 9), "Ch");
    EXPECT_EQ(Heading(tirage->dbgTirage, 10), "  ");
    EXPECT_EQ(ListCell(2, 10), "");

    Select(0);
    EXPECT_EQ(grid->columnCount(), 13);
    EXPECT_EQ(grid->columnWidth(12), 100);
    EXPECT_EQ(Heading(tirage->dbgTirage, 9), "B6");
}

TEST_F(FrmTirageTest, TwoWinningGridsTotalInTheFrenchFormat) {
    // A French desktop: the C library's separators are French too.
    const test::FrenchLocale french;
    Start();
    StoreGrid(md(), 1, 0, {1, 2, 3, 10, 11, 12});
    StoreGrid(md(), 2, 0, {1, 2, 3, 4, 11, 12});
    StoreDraw(md(), 0, 45000, {1, 2, 3, 40, 41, 42, 4}, LotoAmounts(5.5, 10));
    Load();
    Evaluate();
    EXPECT_EQ(tirage->StringGrid1->rowCount(), 2);
    EXPECT_EQ(Memo(), "Vous avez 2 grilles gagnantes pour un total de 15,50€ { 101,67F }");
    EXPECT_TRUE(Cell(0, 12).startsWith("10,00") && Cell(0, 12).endsWith("€"));
    EXPECT_TRUE(Cell(1, 12).startsWith("5,50"));
}

TEST_F(FrmTirageTest, MovingQuicklyEvaluatesOnlyTheDrawTheSelectionRestsOn) {
    Start();
    std::vector<std::int32_t> refs;
    for (int k = 0; k < 12; ++k)
        refs.push_back(StoreDraw(md(), 0, 45000 + k, {1, 2, 3, 4, 5, 6, 7}));
    Load();
    Evaluate();
    QSignalSpy evaluated(&tirage->Display(), &DrawWinningsDisplay::evaluated);
    for (int row = 1; row <= 10; ++row)
        tirage->dbgTirage->SetCurrentRow(row);
    ASSERT_TRUE(evaluated.wait(5000));
    EXPECT_EQ(evaluated.count(), 1);
    EXPECT_EQ(evaluated.at(0).at(0).toInt(), refs[10]);
    EXPECT_FALSE(tirage->Display().TimerDonnee().isActive());
}

TEST_F(FrmTirageTest, TousListsEveryGameAndAGameWithoutDrawsShowsNone) {
    Start();
    StoreGrid(md(), 1, 0, {1, 2, 3, 4, 5, 6});
    StoreDraw(md(), 0, 45000, {1, 2, 3, 40, 41, 42, 4}, LotoAmounts(12.5, 0));
    StoreDraw(md(), 2, 45001, {1, 2, 3, 20, 21, 8, 9});
    Load();
    QStringList items;
    for (int i = 0; i < tirage->cbxType->count(); ++i)
        items << tirage->cbxType->itemText(i);
    EXPECT_EQ(items, (QStringList{"Loto", "Super Loto", "Euromillion", "New Loto", "New Super Loto",
                                  "New Euromillion", "Tous"}));
    EXPECT_EQ(tirage->cbxType->currentText(), "Tous");
    EXPECT_EQ(tirage->Label2->text(), "Il y a 2 tirages");
    EXPECT_EQ(ListCell(0, 0), "Loto");
    EXPECT_EQ(ListCell(1, 0), "Euromillion");
    Evaluate();
    EXPECT_EQ(tirage->StringGrid1->rowCount(), 1);

    ChooseGame(1);
    EXPECT_EQ(tirage->Label2->text(), "Il y a 0 tirages");
    Evaluate();
    EXPECT_EQ(Memo(), "Aucunes grilles gagnantes pour ce tirage");
    EXPECT_EQ(tirage->StringGrid1->rowCount(), 1);
    for (int column = 0; column < 13; ++column)
        EXPECT_EQ(Cell(0, column), "");
    EXPECT_EQ(tirage->Display().PrizeRanks().rowCount(), 0);

    ChooseGame(2);
    EXPECT_EQ(tirage->Label2->text(), "Il y a 1 tirages");
    ChooseGame(6);
    EXPECT_EQ(tirage->Label2->text(), "Il y a 2 tirages");
}

TEST_F(FrmTirageTest, ShowDrawReadsTheListAgainOnTheDrawAndItsGame) {
    Start();
    StoreGrid(md(), 1, 0, {1, 2, 3, 4, 5, 6});
    StoreDraw(md(), 0, 45000, {1, 2, 3, 40, 41, 42, 4}, LotoAmounts(12.5, 0));
    StoreDraw(md(), 0, 45003, {7, 8, 9, 40, 41, 42, 4});
    Load();
    ChooseGame(0);
    tirage->dbgTirage->SetOrderBy("cldate", TOxDbgrid::obDown);

    // A draw stored since the list was read, of a game the list does not show.
    const auto euromillion = StoreDraw(md(), 2, 45001, {1, 2, 3, 20, 21, 8, 9});
    tirage->ShowDraw(euromillion);
    EXPECT_EQ(tirage->cbxType->currentIndex(), 2);
    EXPECT_EQ(tirage->Label2->text(), "Il y a 1 tirages");
    EXPECT_EQ(tirage->Display().DrawList().RowAt(tirage->dbgTirage->CurrentRecord()).reftirage,
              euromillion);

    // A draw of the list, sorted: the current row is the draw's, wherever the order puts it.
    ChooseGame(6);
    tirage->ShowDraw(1);
    EXPECT_EQ(tirage->cbxType->currentIndex(), 6);
    EXPECT_EQ(tirage->dbgTirage->CurrentRow(), 2);
    EXPECT_EQ(tirage->Display().DrawList().RowAt(tirage->dbgTirage->CurrentRecord()).reftirage, 1);
    Evaluate();
    EXPECT_EQ(Memo(), "Vous avez 1 grilles gagnantes pour un total de 12,50€ { 81,99F }");

    // A draw that is no longer stored leaves the list as it is.
    tirage->ShowDraw(99);
    EXPECT_EQ(tirage->cbxType->currentIndex(), 6);
    EXPECT_EQ(tirage->dbgTirage->CurrentRow(), 2);
}

TEST_F(FrmTirageTest, AHeadingClickSortsTheDrawsByDate) {
    Start();
    StoreDraw(md(), 0, 45065, {1, 2, 3, 4, 5, 6, 7}); // 19/05/2023
    StoreDraw(md(), 0, 45079, {1, 2, 3, 4, 5, 6, 7}); // 02/06/2023
    StoreDraw(md(), 0, 44927, {1, 2, 3, 4, 5, 6, 7}); // 01/01/2023
    Load();
    QHeaderView* header = tirage->dbgTirage->horizontalHeader();
    const QPoint date(header->sectionViewportPosition(1) + 5, 5);
    QTest::mouseClick(header->viewport(), Qt::LeftButton, {}, date);
    EXPECT_EQ(tirage->dbgTirage->OrderBy(), "cldate");
    EXPECT_EQ(ListCell(0, 1), "02/06/2023");
    EXPECT_EQ(ListCell(2, 1), "01/01/2023");
    QTest::mouseClick(header->viewport(), Qt::LeftButton, {}, date);
    EXPECT_EQ(ListCell(0, 1), "01/01/2023");

    // Coming back to the view keeps the order.
    StoreDraw(md(), 0, 44900, {1, 2, 3, 4, 5, 6, 7});
    tirage->FormActivate();
    tirage->Timer1Timer();
    EXPECT_EQ(ListCell(0, 1), ShortDateText(44900));
}

TEST_F(FrmTirageTest, ComingBackReloadsTheGridsAndTheDrawsOnTheSameDraw) {
    Start();
    StoreDraw(md(), 0, 45000, {1, 2, 3, 40, 41, 42, 4}, LotoAmounts(12.5, 0));
    const auto second = StoreDraw(md(), 0, 45003, {1, 2, 3, 40, 41, 42, 4}, LotoAmounts(12.5, 0));
    Load();
    Select(1);
    EXPECT_EQ(Memo(), "Aucunes grilles gagnantes pour ce tirage");

    StoreGrid(md(), 1, 0, {1, 2, 3, 4, 5, 6});
    StoreDraw(md(), 0, 45006, {1, 2, 3, 4, 5, 6, 7});
    tirage->FormActivate();
    EXPECT_TRUE(tirage->Timer1.isActive());
    tirage->Timer1Timer();
    EXPECT_EQ(tirage->Label2->text(), "Il y a 3 tirages");
    EXPECT_EQ(tirage->Display().DrawList().RowAt(tirage->dbgTirage->CurrentRecord()).reftirage,
              second);
    Evaluate();
    EXPECT_EQ(Memo(), "Vous avez 1 grilles gagnantes pour un total de 12,50€ { 81,99F }");
}

TEST_F(FrmTirageTest, BroughtBackToTheFrontTheViewReloadsOneSecondLater) {
    Start();
    Load();
    maitre->show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(maitre.get()));
    maitre->BringToFront(maitre->View(1));
    tirage->Timer1.stop();
    maitre->BringToFront(tirage);
    EXPECT_TRUE(tirage->Timer1.isActive());
    EXPECT_EQ(tirage->Timer1.interval(), 1000);
}

TEST_F(FrmTirageTest, TheSavedGameIsRestoredAndSavedAgain) {
    settings.WriteInteger(kTirageKey, "TypeTirage", 2);
    Start();
    StoreDraw(md(), 0, 45000, {1, 2, 3, 40, 41, 42, 4});
    StoreDraw(md(), 2, 45001, {1, 2, 3, 20, 21, 8, 9});
    Load();
    EXPECT_EQ(tirage->cbxType->currentIndex(), 2);
    EXPECT_EQ(tirage->Label2->text(), "Il y a 1 tirages");
    EXPECT_EQ(ListCell(0, 0), "Euromillion");

    ChooseGame(6);
    tirage->WriteSettings();
    EXPECT_EQ(settings.ReadInteger(kTirageKey, "TypeTirage"), 6);
}

TEST_F(FrmTirageTest, AChoiceNeverShownIsNeitherLostNorShownEmpty) {
    // A run that ends before the view's first timer keeps the stored choice.
    settings.WriteInteger(kTirageKey, "TypeTirage", 3);
    Start();
    tirage->WriteSettings();
    EXPECT_EQ(settings.ReadInteger(kTirageKey, "TypeTirage"), 3);

    // A stored choice that names no entry shows every draw.
    settings.WriteInteger(kTirageKey, "TypeTirage", -1);
    StoreDraw(md(), 0, 45000, {1, 2, 3, 40, 41, 42, 4});
    Load();
    EXPECT_EQ(tirage->cbxType->currentText(), "Tous");
    EXPECT_EQ(tirage->Label2->text(), "Il y a 1 tirages");
}

TEST_F(FrmTirageTest, ActivationAppliesTheFiveColoursOfTheSettings) {
    Start();
    test::SetDistinctColours(maitre->Current());
    tirage->FormActivate();
    for (TOxDbgrid* grid : {tirage->dbgTirage, tirage->dbgGain})
        test::ExpectDistinctColours(*grid);
    EXPECT_TRUE(tirage->dbgTirage->CanOrderClickOnTitle());
    EXPECT_FALSE(tirage->dbgGain->CanOrderClickOnTitle());
}

TEST_F(FrmTirageTest, ResizingStretchesTheListDownAndTheWinningsDownAndRight) {
    Start();
    maitre->show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(maitre.get()));
    QSize gain;
    for (const QSize size : {QSize(1280, 1024), QSize(1000, 600), QSize(840, 560)}) {
        maitre->resize(size);
        QCoreApplication::processEvents();
        const QSize client = tirage->widget()->size();
        EXPECT_EQ(tirage->dbgTirage->geometry().bottom(), client.height() - 1);
        for (QWidget* w :
             {static_cast<QWidget*>(tirage->StringGrid1), static_cast<QWidget*>(tirage->Memo1)}) {
            EXPECT_EQ(w->geometry().right(), client.width() - 1);
            EXPECT_EQ(w->geometry().bottom(), client.height() - 1);
        }
        // The prize ranks keep their size where the window has room for them, else take the
        // room left, and stay within the window.
        if (gain.isEmpty())
            gain = tirage->dbgGain->size();
        const int room = client.width() - tirage->dbgGain->x();
        EXPECT_EQ(tirage->dbgGain->size(), QSize(std::min(gain.width(), room), gain.height()))
            << size.width();
        EXPECT_LT(tirage->dbgGain->geometry().right(), client.width());
    }
    EXPECT_EQ(tirage->StringGrid1->y(), 376);
    EXPECT_EQ(tirage->Memo1->y(), 352);
    EXPECT_EQ(tirage->StringGrid1->x(), tirage->dbgGain->x());
}

TEST_F(FrmTirageTest, AFailedEvaluationShowsItsErrorAndNothingOfTheDrawBefore) {
    Start();
    StoreGrid(md(), 1, 0, {1, 2, 3, 4, 5, 6});
    StoreDraw(md(), 0, 45000, {1, 2, 3, 40, 41, 42, 4}, LotoAmounts(12.5, 0));
    StoreDraw(md(), 0, 45003, {1, 2, 3, 40, 41, 42, 4}, LotoAmounts(12.5, 0));
    Load();
    Evaluate();
    ASSERT_EQ(tirage->StringGrid1->rowCount(), 1);
    ASSERT_FALSE(Cell(0, 0).isEmpty());

    md().Connection().Execute("drop table listeboules");
    QString shown;
    test::AnswerNextModal([&](QWidget* box) {
        shown = box->windowTitle();
        box->close();
    });
    Select(1);
    EXPECT_EQ(shown, "Quintaro");
    EXPECT_EQ(Cell(0, 0), "");
    EXPECT_EQ(Memo(), "Aucunes grilles gagnantes pour ce tirage");
}

} // namespace
} // namespace quintaro
