#include "core/settings/view_choices.h"
#include "gui/app/frm_maitre.h"
#include "gui/ui/regional_format.h"
#include "gui/winnings/frm_calcul.h"
#include "support/french_regional_format.h"
#include "support/modal_answer.h"
#include "support/store_fixture.h"
#include "support/temp_dir.h"

#include <QApplication>
#include <QComboBox>
#include <QDateEdit>
#include <QFormLayout>
#include <QGroupBox>
#include <QHeaderView>
#include <QLabel>
#include <QProgressBar>
#include <QTabWidget>
#include <QTableWidget>
#include <QTimer>
#include <QToolButton>
#include <cstring>

#include <gtest/gtest.h>

namespace quintaro {
namespace {

constexpr double kDay = 45000; // 15/03/2023

class FrmCalculTest : public ::testing::Test {
protected:
    FrmCalculTest() { test::WriteInstallation(app.path()); }

    void Start() {
        maitre = std::make_unique<TfrmMaitre>(InstallationIn(app.path(), work.path()), settings);
        maitre->CreateViews();
        view = static_cast<TfrmCalcul*>(maitre->View(5));
    }
    Tmd& Md() { return *maitre->App().md; }
    // Chooses a game and a period, and runs the computation.
    void Compute(int type, double from, double to) {
        Md().LoadPrizeAmounts();
        view->CbxType->setCurrentIndex(type);
        view->dateDepart->setDate(CalendarQDate(from));
        view->dateFin->setDate(CalendarQDate(to));
        view->cmdCalculer->click();
    }
    static QString Cell(const QTableWidget* table, int row, int column) {
        const QTableWidgetItem* item = table->item(row, column);
        return item ? item->text() : QString();
    }
    static QStringList Row(const QTableWidget* table, int row) {
        QStringList cells;
        for (int c = 0; c < table->columnCount(); ++c)
            cells << Cell(table, row, c);
        return cells;
    }
    static QStringList Headings(const QTableWidget* table) {
        QStringList headings;
        for (int c = 0; c < table->columnCount(); ++c)
            headings << table->horizontalHeaderItem(c)->text();
        return headings;
    }
    QStringList Balance() const {
        auto* form = static_cast<QFormLayout*>(view->grbBilan->layout());
        QStringList lines;
        for (int r = 0; r < form->rowCount(); ++r)
            lines
                << static_cast<QLabel*>(form->itemAt(r, QFormLayout::LabelRole)->widget())->text() +
                       " " +
                       static_cast<QLabel*>(form->itemAt(r, QFormLayout::FieldRole)->widget())
                           ->text();
        return lines;
    }

    test::FrenchRegionalFormat french;
    test::TempDir app, work, config;
    SettingsStore settings{config / "settings.reg"};
    std::unique_ptr<TfrmMaitre> maitre;
    TfrmCalcul* view = nullptr;
};

TEST_F(FrmCalculTest, StartsWithTheCataloguesGamesAndNoneChosen) {
    Start();
    ASSERT_EQ(view->CbxType->count(), 6);
    EXPECT_EQ(view->CbxType->itemText(5), "New Euromillion");
    EXPECT_EQ(view->CbxType->currentIndex(), -1);
    EXPECT_FALSE(view->cmdCalculer->isEnabled());
    EXPECT_EQ(view->cmdCalculer->toolTip(), "Lancer le calcul");
    EXPECT_EQ(view->PageControl->currentWidget(), view->tbsDetails);
    EXPECT_EQ(view->PageControl->tabText(0), "Résumé");
    EXPECT_FALSE(view->barCalcul->isVisibleTo(view));
    view->CbxType->setCurrentIndex(0);
    EXPECT_TRUE(view->cmdCalculer->isEnabled());
}

TEST_F(FrmCalculTest, SwitchingFromEuromillionToLotoEmptiesAndLaysOutBothTables) {
    Start();
    test::StoreGrid(Md(), 1, 2, {1, 2, 3, 4, 5}, {1, 2});
    std::vector<double> amounts(13, 0.0);
    amounts[0] = 100.0;
    test::StoreDraw(Md(), 2, kDay, {1, 2, 3, 4, 5, 1, 2}, amounts);
    Compute(2, kDay, kDay);
    ASSERT_EQ(view->grilleDetail->columnCount(), 31);
    EXPECT_EQ(view->grilleDetail->rowCount(), 2);
    EXPECT_EQ(view->grilleResume->rowCount(), 2);

    view->CbxType->setCurrentIndex(0);
    EXPECT_EQ(view->grilleDetail->columnCount(), 23);
    EXPECT_EQ(view->grilleDetail->rowCount(), 1);
    EXPECT_EQ(Row(view->grilleDetail, 0).join(""), "");
    EXPECT_EQ(view->grilleDetail->horizontalHeaderItem(13)->text(), "date");
    EXPECT_EQ(view->grilleDetail->columnWidth(13), 70);
    EXPECT_EQ(view->grilleDetail->columnWidth(12), 100);
    EXPECT_EQ(view->grilleDetail->columnWidth(14), 22);
    EXPECT_EQ(view->grilleDetail->verticalHeader()->defaultSectionSize(), 15);
    EXPECT_EQ(view->grilleResume->rowCount(), 1);
    EXPECT_EQ(Headings(view->grilleResume), (QStringList{"NbT", "NbB", "C", "Gains €", "Gains F"}));
    EXPECT_TRUE(view->grbBilan->isHidden());
}

TEST_F(FrmCalculTest, TheEndPickerNeverOffersADateBeforeTheStart) {
    Start();
    view->dateDepart->setDate(QDate(2023, 3, 1));
    view->dateFin->setDate(QDate(2023, 3, 10));
    EXPECT_EQ(view->dateFin->minimumDate(), QDate(2023, 3, 1));
    view->dateDepart->setDate(QDate(2023, 3, 15));
    EXPECT_EQ(view->dateFin->minimumDate(), QDate(2023, 3, 15));
    EXPECT_EQ(view->dateFin->date(), QDate(2023, 3, 15));
    view->dateFin->setDate(QDate(2023, 3, 1));
    EXPECT_EQ(view->dateFin->date(), QDate(2023, 3, 15));
}

TEST_F(FrmCalculTest, APeriodWithoutWinnersShowsTheZeroTotalAfterRunningThroughEveryDraw) {
    Start();
    test::StoreGrid(Md(), 1, 0, {1, 2, 3, 4, 5, 6});
    for (int k = 0; k < 3; ++k)
        test::StoreDraw(Md(), 0, kDay + k, {20, 21, 22, 23, 24, 25, 26});
    for (const double from : {kDay + 100, kDay}) {
        Compute(0, from, kDay + 200);
        ASSERT_EQ(view->grilleDetail->rowCount(), 1);
        EXPECT_EQ(Cell(view->grilleDetail, 0, 12), "0,00\u00a0€");
        EXPECT_EQ(Row(view->grilleDetail, 0).join(""), "0,00\u00a0€");
        ASSERT_EQ(view->grilleResume->rowCount(), 1);
        EXPECT_EQ(Row(view->grilleResume, 0), (QStringList{"", "", "", "0,00\u00a0€", "0,00F"}));
        EXPECT_FALSE(view->barCalcul->isVisibleTo(view));
        EXPECT_TRUE(view->PageControl->isVisibleTo(view));
    }
    EXPECT_EQ(view->barCalcul->maximum(), 2);
    EXPECT_EQ(view->barCalcul->value(), 2);
}

TEST_F(FrmCalculTest, EachWinningGridIsListedAndTheCategoriesSummedInOrder) {
    Start();
    std::vector<double> amounts(13, 0.0);
    amounts[5] = 20.0; // three numbers and the complementary ball
    amounts[6] = 5.0;  // three numbers
    test::StoreGrid(Md(), 1, 0, {1, 2, 3, 4, 5, 6});
    test::StoreGrid(Md(), 2, 0, {1, 2, 3, 10, 11, 12});
    // The same day's second draw is stored first: the table lists them by draw number.
    test::StoreDraw(Md(), 0, kDay, {1, 2, 3, 44, 45, 46, 47}, amounts, 2);
    test::StoreDraw(Md(), 0, kDay, {1, 2, 3, 40, 41, 42, 4}, amounts, 1);
    Compute(0, kDay, kDay);

    ASSERT_EQ(view->grilleDetail->rowCount(), 5);
    EXPECT_EQ(Row(view->grilleDetail, 0),
              (QStringList{"101", "102", "103", "204",          "5",          "6", "",  "",  "",
                           "",    "3",   "X",   "20,00\u00a0€", "15/03/2023", "1", "1", "1", "2",
                           "3",   "40",  "41",  "42",           "4"}));
    EXPECT_EQ(Cell(view->grilleDetail, 1, 11), "");
    EXPECT_EQ(Cell(view->grilleDetail, 1, 15), "1");
    EXPECT_EQ(Cell(view->grilleDetail, 2, 15), "2");
    EXPECT_EQ(Cell(view->grilleDetail, 2, 3), "4");
    EXPECT_EQ(Cell(view->grilleDetail, 4, 12), "35,00\u00a0€");
    ASSERT_EQ(view->grilleResume->rowCount(), 3);
    EXPECT_EQ(Row(view->grilleResume, 0), (QStringList{"3", "3", "0", "15,00\u00a0€", "98,39F"}));
    EXPECT_EQ(Row(view->grilleResume, 1), (QStringList{"1", "3", "1", "20,00\u00a0€", "131,19F"}));
    EXPECT_EQ(Row(view->grilleResume, 2), (QStringList{"", "", "", "35,00\u00a0€", "229,58F"}));

    // The drawn numbers on green, the complementary ball on red, the others on the numbers'
    // own background; counts gray, the draw green.
    maitre->resize(1024, 768);
    maitre->show();
    maitre->BringToFront(view);
    QApplication::processEvents();
    const QImage image = view->grilleDetail->viewport()->grab().toImage();
    auto background = [&](int row, int column) {
        const QRect cell =
            view->grilleDetail->visualRect(view->grilleDetail->model()->index(row, column));
        return image.pixel(cell.right() - 2, cell.bottom() - 1);
    };
    const QRgb green = qRgb(0, 128, 0), red = qRgb(255, 0, 0), gray = qRgb(128, 128, 128);
    EXPECT_EQ(background(0, 0), green);
    EXPECT_EQ(background(0, 3), red);
    EXPECT_EQ(background(0, 4), view->DetailBackground(4).rgb());
    EXPECT_EQ(background(0, 6), view->DetailBackground(6).rgb());
    EXPECT_NE(background(0, 4), gray);
    EXPECT_EQ(background(0, 10), gray);
    EXPECT_EQ(background(0, 12), gray);
    EXPECT_EQ(background(0, 13), green);
    EXPECT_EQ(background(0, 22), green);
}

TEST_F(FrmCalculTest, ANewLotoChanceNumberAloneCountsUnderNoNumberMatched) {
    Start();
    std::vector<double> amounts(13, 0.0);
    amounts[8] = 2.2; // since 2017 the chance number alone wins rank 9
    test::StoreGrid(Md(), 1, 3, {20, 21, 22, 23, 24}, {7});
    test::StoreDraw(Md(), 3, kDay, {1, 2, 3, 4, 5, 7, 0}, amounts);
    Compute(3, kDay, kDay);
    EXPECT_EQ(Headings(view->grilleResume)[2], "NbE");
    ASSERT_EQ(view->grilleResume->rowCount(), 2);
    EXPECT_EQ(Row(view->grilleResume, 0).mid(0, 4), (QStringList{"1", "0", "1", "2,20\u00a0€"}));
    EXPECT_EQ(Cell(view->grilleDetail, 0, 9), "207");
    EXPECT_EQ(Cell(view->grilleDetail, 0, 30), "7");
    EXPECT_EQ(view->grilleDetail->columnCount(), 31);
}

TEST_F(FrmCalculTest, TheBalanceFollowsTheSummary) {
    test::WriteFile(app / "quintaro.INI",
                    test::SixGameCatalogue() + "[prix]\nprix0=16/03/2023 2,20\n");
    Start();
    std::vector<double> amounts(13, 0.0);
    amounts[6] = 5.0;
    test::StoreGrid(Md(), 1, 0, {1, 2, 3, 4, 5, 6, 7, 8}); // 28 simple bets
    test::StoreDraw(Md(), 0, kDay, {40, 41, 42, 43, 44, 45, 46});
    test::StoreDraw(Md(), 0, kDay + 1, {40, 41, 42, 43, 44, 45, 46});
    test::StoreDraw(Md(), 0, kDay + 2, {1, 2, 3, 40, 41, 42, 43}, amounts);
    Compute(0, kDay, kDay + 2);
    EXPECT_FALSE(view->grbBilan->isHidden());
    EXPECT_EQ(Balance(), (QStringList{"Mises : 123,20\u00a0€", "Gains : 50,00\u00a0€",
                                      "Solde : -73,20\u00a0€", "Tirages comptés : 3",
                                      "Grilles comptées : 1, 28 combinaisons simples par tirage",
                                      "Tirages sans prix connu : 1, sans mise comptée",
                                      "Plus longue série sans gain : 2 tirages, du 15/03/2023 au "
                                      "16/03/2023"}));
}

TEST_F(FrmCalculTest, WhileItRunsTheButtonAndTheGameListAreDisabledAndAClickDoesNothing) {
    Start();
    test::StoreGrid(Md(), 1, 0, {1, 2, 3, 4, 5, 6});
    std::vector<double> amounts(13, 0.0);
    amounts[6] = 5.0;
    for (int k = 0; k < 4; ++k)
        test::StoreDraw(Md(), 0, kDay + k, {1, 2, 3, 40, 41, 42, 43}, amounts);
    // Any error box would mean a second computation started: it is closed and remembered.
    QStringList boxes;
    QTimer closer;
    QObject::connect(&closer, &QTimer::timeout, [&] {
        if (QWidget* box = QApplication::activeModalWidget()) {
            boxes << box->windowTitle();
            box->close();
        }
    });
    closer.start(10);
    bool buttonEnabled = true, listEnabled = true;
    QTimer::singleShot(0, view, [&] {
        buttonEnabled = view->cmdCalculer->isEnabled();
        listEnabled = view->CbxType->isEnabled();
        EXPECT_TRUE(view->Computing());
        view->cmdCalculerClick();
    });
    Compute(0, kDay, kDay + 10);
    EXPECT_FALSE(buttonEnabled);
    EXPECT_FALSE(listEnabled);
    EXPECT_TRUE(boxes.isEmpty());
    EXPECT_EQ(view->grilleDetail->rowCount(), 5);
    EXPECT_TRUE(view->cmdCalculer->isEnabled());
    EXPECT_TRUE(view->CbxType->isEnabled());
    EXPECT_FALSE(view->Computing());
}

TEST_F(FrmCalculTest, AFailureIsShownAndLeavesTheBarUntilAComputationCompletes) {
    Start();
    Md().Connection().Execute("alter table listetirage rename to ailleurs");
    QString shown;
    test::AnswerNextModal([&](QWidget* box) {
        shown = box->windowTitle();
        box->close();
    });
    Compute(0, kDay, kDay);
    EXPECT_EQ(shown, "Quintaro");
    EXPECT_FALSE(view->barCalcul->isHidden());
    EXPECT_TRUE(view->PageControl->isHidden());
    EXPECT_TRUE(view->cmdCalculer->isEnabled());
    EXPECT_TRUE(view->CbxType->isEnabled());

    Md().Connection().Execute("alter table ailleurs rename to listetirage");
    view->cmdCalculer->click();
    EXPECT_TRUE(view->barCalcul->isHidden());
    EXPECT_FALSE(view->PageControl->isHidden());
}

TEST_F(FrmCalculTest, TheGameAndDatesAreWrittenAndRestored) {
    Start();
    view->CbxType->setCurrentIndex(3);
    view->dateDepart->setDate(QDate(2020, 1, 1));
    view->dateFin->setDate(QDate(2021, 6, 30));
    view->WriteSettings();
    const RestoredChoice written = ReadViewChoice(settings, kCalculKey, true);
    EXPECT_EQ(written.typeTirage, 3);
    EXPECT_EQ(written.dateDepart, DayCountOf(QDate(2020, 1, 1)));
    EXPECT_EQ(written.dateFin, DayCountOf(QDate(2021, 6, 30)));

    maitre.reset();
    Start();
    EXPECT_EQ(view->CbxType->currentIndex(), 3);
    EXPECT_EQ(view->dateDepart->date(), QDate(2020, 1, 1));
    EXPECT_EQ(view->dateFin->date(), QDate(2021, 6, 30));
    EXPECT_TRUE(view->cmdCalculer->isEnabled());
    EXPECT_EQ(view->grilleDetail->columnCount(), 31);

    // Without the end date: the game and the start come back, the end keeps its first value.
    settings.DeleteKey(kCalculKey);
    WriteViewChoice(settings, kCalculKey, 2);
    const double start = DayCountOf(QDate(2019, 5, 1));
    std::vector<std::uint8_t> bytes(sizeof start);
    std::memcpy(bytes.data(), &start, sizeof start);
    settings.WriteBinary(kCalculKey, "DateDepart", bytes);
    maitre.reset();
    Start();
    EXPECT_EQ(view->CbxType->currentIndex(), 2);
    EXPECT_TRUE(view->cmdCalculer->isEnabled());
    EXPECT_EQ(view->dateDepart->date(), QDate(2019, 5, 1));
    EXPECT_EQ(view->dateFin->date(), QDate::currentDate());
}

} // namespace
} // namespace quintaro
