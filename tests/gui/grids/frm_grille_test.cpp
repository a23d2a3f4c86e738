#include "core/grids/grid_file.h"
#include "core/grids/grid_rules.h"
#include "core/settings/view_choices.h"
#include "gui/app/frm_maitre.h"
#include "gui/app/help_window.h"
#include "gui/grids/frm_grille.h"
#include "gui/ui/ox_check_button.h"
#include "gui/ui/ox_panel.h"
#include "support/modal_answer.h"
#include "support/temp_dir.h"

#include <QAbstractButton>
#include <QComboBox>
#include <QFileDialog>
#include <QLineEdit>
#include <QMessageBox>
#include <QSettings>
#include <QStandardPaths>
#include <QTableWidget>
#include <QTest>
#include <QTextBrowser>
#include <QToolButton>

#include <gtest/gtest.h>

namespace quintaro {
namespace {

using Answer = std::function<void(QWidget*)>;

// Answers the next modal windows in turn, one answer each.
void AnswerModals(std::vector<Answer> answers) {
    if (answers.empty())
        return;
    test::AnswerNextModal([answers](QWidget* box) mutable {
        Answer first = answers.front();
        answers.erase(answers.begin());
        AnswerModals(answers);
        first(box);
    });
}

// A message box: its text kept, then the button of that caption clicked.
Answer Click(const QString& caption, QString* text = nullptr) {
    return [caption, text](QWidget* box) {
        auto* message = qobject_cast<QMessageBox*>(box);
        ASSERT_NE(message, nullptr);
        if (text)
            *text = message->text();
        for (QAbstractButton* button : message->buttons())
            if (button->text() == caption) {
                button->click();
                return;
            }
        ADD_FAILURE() << "no button " << caption.toStdString();
        message->reject();
    };
}

Grid G(std::vector<int> numbers, std::vector<int> second = {}) {
    return MakeGrid(std::move(numbers), std::move(second));
}

class FrmGrilleTest : public ::testing::Test {
protected:
    FrmGrilleTest() { test::WriteInstallation(app.path()); }
    ~FrmGrilleTest() override { maitre.reset(); }

    // Starts the program on the database and settings as they stand.
    void Start() {
        maitre.reset();
        settings = std::make_unique<SettingsStore>(config / "settings.reg");
        maitre = std::make_unique<TfrmMaitre>(InstallationIn(app.path(), work.path()), *settings);
        maitre->CreateViews();
        view = static_cast<TfrmGrille*>(maitre->View(1));
    }
    // Starts once to make the database, stores grids, and starts again on them.
    void StartWith(const std::vector<std::pair<int, Grid>>& grids) {
        Start();
        for (const auto& [type, grid] : grids)
            maitre->App().md->PlayerGrids().AddGrid(type, grid);
        Start();
    }
    void ChooseGame(int type) {
        view->cbxType->setCurrentIndex(type);
        view->cbxTypeChange(type);
    }
    void Press(int number) { QTest::mouseClick(view->numberButtons[number - 1], Qt::LeftButton); }
    void PressSecond(int value) {
        QTest::mouseClick(view->secondButtons[value - 1], Qt::LeftButton);
    }
    // Presses a button whose press the editor refuses; the message shown.
    QString Refused(TOxCheckButton* button) {
        QString text;
        AnswerModals({Click(QStringLiteral("OK"), &text)});
        QTest::mouseClick(button, Qt::LeftButton);
        EXPECT_FALSE(button->Down());
        return text;
    }
    std::vector<int> Down() const {
        std::vector<int> down;
        for (int n = 1; n <= TfrmGrille::kNumberButtons; ++n)
            if (view->numberButtons[n - 1]->Down())
                down.push_back(n);
        for (int k = 1; k <= TfrmGrille::kSecondButtons; ++k)
            if (view->secondButtons[k - 1]->Down())
                down.push_back(100 + k);
        return down;
    }
    QStringList Row(int row) const {
        QStringList cells;
        for (int c = 0; c < view->strgGrille->columnCount(); ++c) {
            QTableWidgetItem* item = view->strgGrille->item(row - 1, c);
            cells << (item ? item->text() : QString());
        }
        return cells;
    }
    QStringList Headings() const {
        QStringList headings;
        for (int c = 0; c < view->strgGrille->columnCount(); ++c)
            headings << view->strgGrille->horizontalHeaderItem(c)->text();
        return headings;
    }
    GridList Stored(int type) {
        return maitre->App().md->FetchGrids()[static_cast<std::size_t>(type)];
    }
    void SelectRow(int row) { view->strgGrille->setCurrentCell(row - 1, 0); }

    test::TempDir app, work, config, files;
    std::unique_ptr<SettingsStore> settings;
    std::unique_ptr<TfrmMaitre> maitre;
    TfrmGrille* view = nullptr;
};

TEST_F(FrmGrilleTest, WithoutAGameRememberedItOpensOnLotoWithItsGrids) {
    StartWith({{0, G({3, 12, 25, 31, 40, 49})}, {0, G({1, 7, 13, 22, 28, 35, 41, 44})}});
    EXPECT_EQ(view->windowTitle(), "Mes grilles");
    EXPECT_EQ(view->HelpContext(), 1000);
    EXPECT_EQ(view->cbxType->count(), 6);
    EXPECT_EQ(view->cbxType->currentIndex(), 0);
    EXPECT_EQ(view->CurrentType(), 0);
    EXPECT_EQ(view->strgGrille->rowCount(), 2);
    EXPECT_EQ(Headings(),
              (QStringList{"B1", "B2", "B3", "B4", "B5", "B6", "B7", "B8", "B9", "B10"}));
    EXPECT_EQ(Row(2), (QStringList{"1", "7", "13", "22", "28", "35", "41", "44", "", ""}));
    EXPECT_FALSE(!view->numberButtons[49]->isHidden());
    EXPECT_FALSE(!view->etoiles->isHidden());

    // A grid added now takes the number after the stored ones.
    EXPECT_EQ(Down(), (std::vector<int>{3, 12, 25, 31, 40, 49}));
    QTest::mouseClick(view->cmdEffacer, Qt::LeftButton);
    for (int n : {2, 4, 6, 8, 10, 12})
        Press(n);
    AnswerModals({Click(QStringLiteral("&Oui"))});
    view->cmdAjouter->click();
    EXPECT_EQ(Stored(0).size(), 3u);
    EXPECT_EQ(Stored(0)[2], G({2, 4, 6, 8, 10, 12}));
}

TEST_F(FrmGrilleTest, TheRememberedGameComesBackAndIsWrittenAtTheEnd) {
    {
        SettingsStore stored(config / "settings.reg");
        WriteViewChoice(stored, kGrilleKey, 2);
        stored.Save();
    }
    StartWith({{2, G({5, 17, 22, 38, 44}, {2, 9})}});
    EXPECT_EQ(view->cbxType->currentIndex(), 2);
    EXPECT_EQ(Headings().join(QLatin1Char(' ')),
              "B1 B2 B3 B4 B5 B6 B7 B8 B9 E1 E2 E3 E4 E5 E6 E7 E8 E9");
    EXPECT_EQ(Row(1).join(QLatin1Char(' ')).simplified(), "5 17 22 38 44 2 9");
    EXPECT_TRUE(!view->numberButtons[49]->isHidden());
    EXPECT_TRUE(!view->etoiles->isHidden());
    EXPECT_EQ(view->etoiles->height(), 129);
    EXPECT_TRUE(!view->secondButtons[8]->isHidden());
    EXPECT_FALSE(!view->secondButtons[9]->isHidden());
    // The first grid is shown on its buttons.
    EXPECT_EQ(Down(), (std::vector<int>{5, 17, 22, 38, 44, 102, 109}));

    view->cbxType->setCurrentIndex(4);
    view->cbxTypeChange(4);
    maitre->close();
    EXPECT_EQ(*ReadViewChoice(SettingsStore(config / "settings.reg"), kGrilleKey, false).typeTirage,
              4);
}

TEST_F(FrmGrilleTest, EachGameShowsItsButtons) {
    Start();
    struct Case {
        int type;
        bool fiftieth;
        int seconds;
        int panelHeight;
        const char* lastHeading;
    };
    const Case cases[] = {
        {0, false, 0, 0, "B10"},    {1, false, 0, 0, "B10"},    {2, true, 9, 129, "E9"},
        {3, false, 10, 169, "C10"}, {4, false, 10, 169, "C10"}, {5, true, 12, 169, "E11"},
    };
    for (const Case& c : cases) {
        ChooseGame(c.type);
        EXPECT_EQ(!view->numberButtons[49]->isHidden(), c.fiftieth) << c.type;
        EXPECT_EQ(!view->etoiles->isHidden(), c.seconds > 0) << c.type;
        for (int k = 1; k <= TfrmGrille::kSecondButtons; ++k)
            EXPECT_EQ(!view->secondButtons[k - 1]->isHidden(), k <= c.seconds)
                << c.type << " " << k;
        if (c.seconds) {
            EXPECT_EQ(view->etoiles->height(), c.panelHeight) << c.type;
        }
        EXPECT_EQ(Headings().back(), c.lastHeading) << c.type;
        // No grid: one empty row under the headings, nothing to delete.
        EXPECT_EQ(view->strgGrille->rowCount(), 1);
        EXPECT_FALSE(view->cmdSupprimer->isEnabled());
    }
}

TEST_F(FrmGrilleTest, APressPastAGamesLimitIsRefusedAndReleased) {
    Start();
    struct Case {
        int type;
        int seconds, numbers; // pressed in this order
        bool thenNumber;      // the refused press: one more number, or one more second-set value
        const char* message;
        const char* title;
    };
    const Case cases[] = {
        {0, 0, 10, true, "Vous ne pouvez pas sélectionner plus de dix numéros", "10/0"},
        {2, 3, 8, true, "Vous ne pouvez pas sélectionner plus de 8 numéros avec 3 étoiles", "8/3"},
        {3, 8, 7, false, "Vous ne pouvez pas sélectionner plus de 8 étoiles", "7/8"},
        {5, 10, 6, true, "Vous ne pouvez pas sélectionner plus de 6 numéros avec 10 étoiles",
         "6/10"},
    };
    for (const Case& c : cases) {
        ChooseGame(c.type);
        for (int k = 1; k <= c.seconds; ++k)
            PressSecond(k);
        for (int n = 1; n <= c.numbers; ++n)
            Press(n);
        EXPECT_EQ(
            Refused(c.thenNumber ? view->numberButtons[c.numbers] : view->secondButtons[c.seconds]),
            c.message);
        EXPECT_EQ(view->Selection().Numbers(), c.numbers) << c.type;
        EXPECT_EQ(view->Selection().Seconds(), c.seconds) << c.type;
        EXPECT_EQ(Down().size(), static_cast<std::size_t>(c.numbers + c.seconds)) << c.type;
        EXPECT_EQ(view->windowTitle(), c.title);
    }
}

TEST_F(FrmGrilleTest, AddAndModifyFollowTheSmallestGrid) {
    StartWith({{2, G({1, 2, 3, 4, 5}, {1, 2})}});
    ChooseGame(0);
    Press(7);
    Press(12);
    EXPECT_EQ(Down(), (std::vector<int>{7, 12}));
    EXPECT_TRUE(view->cmdAnnuler->isEnabled());
    for (int n : {20, 30, 40})
        Press(n);
    EXPECT_FALSE(view->cmdAjouter->isEnabled());
    Press(45);
    EXPECT_TRUE(view->cmdAjouter->isEnabled());
    EXPECT_FALSE(view->cmdSauver->isEnabled()); // no Loto grid to modify

    ChooseGame(2);
    EXPECT_EQ(Down(), (std::vector<int>{1, 2, 3, 4, 5, 101, 102}));
    EXPECT_FALSE(view->cmdAjouter->isEnabled()); // a grid shown is not a new one
    QTest::mouseClick(view->cmdEffacer, Qt::LeftButton);
    EXPECT_TRUE(Down().empty());
    EXPECT_FALSE(view->cmdSauver->isEnabled());
    for (int n = 10; n <= 14; ++n)
        Press(n);
    PressSecond(3);
    EXPECT_FALSE(view->cmdAjouter->isEnabled());
    PressSecond(4);
    EXPECT_TRUE(view->cmdAjouter->isEnabled());
    EXPECT_TRUE(view->cmdSauver->isEnabled());
    EXPECT_EQ(view->windowTitle(), "5/2");

    // Cancelling shows the stored grid again.
    QTest::mouseClick(view->cmdAnnuler, Qt::LeftButton);
    EXPECT_EQ(Down(), (std::vector<int>{1, 2, 3, 4, 5, 101, 102}));
    EXPECT_FALSE(view->cmdAnnuler->isEnabled());
}

// EuroMillions has drawn twelve stars since 2016: the twelfth button adds star 12, and the
// limits keep their counts (at most 11 stars).
TEST_F(FrmGrilleTest, TheTwelfthStarIsAddedLikeTheOthers) {
    Start();
    ChooseGame(5);
    for (int n = 1; n <= 5; ++n)
        Press(n);
    PressSecond(11);
    PressSecond(12);
    AnswerModals({Click(QStringLiteral("&Oui"))});
    view->cmdAjouter->click();
    ASSERT_EQ(Stored(5).size(), 1u);
    EXPECT_EQ(Stored(5)[0], G({1, 2, 3, 4, 5}, {11, 12}));
    EXPECT_EQ(Row(1).join(QLatin1Char(' ')).simplified(), "1 2 3 4 5 11 12");
    EXPECT_EQ(view->Selection().Seconds(), 2);
}

TEST_F(FrmGrilleTest, AddModifyAndDeleteAskFirstAndKeepTheNumberingContiguous) {
    settings.reset();
    Start();
    maitre->Current().sauveBoule = true;
    ChooseGame(3);
    for (int k = 1; k <= 4; ++k) {
        QTest::mouseClick(view->cmdEffacer, Qt::LeftButton);
        for (int n = 1; n <= 5; ++n)
            Press(10 * (n - 1) + k);
        PressSecond(k);
        QString question;
        AnswerModals({Click(QStringLiteral("&Oui"), &question)});
        view->cmdAjouter->click();
        if (k == 1) {
            EXPECT_EQ(question, "Etes vous sur de vouloir ajouter la grille :  (1) (11) (21) (31) "
                                "(41) (E1)");
        }
        EXPECT_EQ(view->SelectedRow(), k);
    }
    ASSERT_EQ(Stored(3).size(), 4u);
    EXPECT_EQ(view->strgGrille->rowCount(), 4);
    EXPECT_EQ(settings->ReadInteger("\\Software\\VELMORA\\QUINTARO\\GRILLES\\NLOTO", "nb"), 4);

    // "Non" changes nothing.
    SelectRow(2);
    AnswerModals({Click(QStringLiteral("&Non"))});
    view->cmdSupprimer->click();
    EXPECT_EQ(Stored(3).size(), 4u);

    QString question;
    AnswerModals({Click(QStringLiteral("&Oui"), &question)});
    view->cmdSupprimer->click();
    EXPECT_EQ(question, "Etes vous sur de vouloir supprimer la grille :  (2) (12) (22) (32) (42) "
                        "(E2)");
    EXPECT_EQ(Stored(3), (GridList{G({1, 11, 21, 31, 41}, {1}), G({3, 13, 23, 33, 43}, {3}),
                                   G({4, 14, 24, 34, 44}, {4})}));
    EXPECT_EQ(Row(2).join(QLatin1Char(' ')).simplified(), "3 13 23 33 43 3");
    EXPECT_EQ(view->SelectedRow(), 2);
    EXPECT_EQ(settings->ReadInteger("\\Software\\VELMORA\\QUINTARO\\GRILLES\\NLOTO", "nb"), 3);

    // Modify the grid shown: its number stays.
    Press(50 - 1);
    PressSecond(3);
    PressSecond(10);
    AnswerModals({Click(QStringLiteral("&Oui"), &question)});
    view->cmdSauver->click();
    EXPECT_EQ(question, "Etes vous sur de vouloir modifier la grille :  (3) (13) (23) (33) (43) "
                        "(E3)\npar la grille  :  (3) (13) (23) (33) (43) (49) (E10)");
    EXPECT_EQ(Stored(3)[1], G({3, 13, 23, 33, 43, 49}, {10}));
    EXPECT_EQ(view->SelectedRow(), 2);
    EXPECT_EQ(Down(), (std::vector<int>{3, 13, 23, 33, 43, 49, 110}));
}

TEST_F(FrmGrilleTest, AChangeTheDatabaseRefusesIsReportedAndKeepsTheStoredGrid) {
    StartWith({{0, G({3, 12, 25, 31, 40, 49})}});
    maitre->App().md->Connection().Execute(
        "create trigger refus before insert on listegrille when new.boulle = 13 "
        "begin select raise(abort, 'refusé'); end");
    Press(13);
    QString error;
    AnswerModals({Click(QStringLiteral("&Oui")), Click(QStringLiteral("OK"), &error)});
    view->cmdSauver->click();
    EXPECT_EQ(error, "refusé.");
    EXPECT_EQ(Stored(0), GridList{G({3, 12, 25, 31, 40, 49})});
    EXPECT_EQ(Row(1).join(QLatin1Char(' ')).simplified(), "3 12 25 31 40 49");
}

TEST_F(FrmGrilleTest, SelectingAGridShowsItWithoutLimitsAndTheTimerShowsItAgain) {
    StartWith({{5, G({3, 11, 20, 37, 42}, {4, 11})},
               {5, G({1, 2, 3, 4, 5, 6}, {1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 11})}});
    ChooseGame(5);
    EXPECT_EQ(Down(), (std::vector<int>{3, 11, 20, 37, 42, 104, 111}));
    SelectRow(2);
    EXPECT_EQ(view->Selection().Title(), "6/11");
    EXPECT_TRUE(view->cmdSupprimer->isEnabled());

    EXPECT_EQ(Refused(view->numberButtons[6]),
              "Vous ne pouvez pas sélectionner plus de 6 numéros avec 11 étoiles");
    EXPECT_EQ(view->Selection().Numbers(), 6);
    QTest::mouseClick(view->numberButtons[0], Qt::LeftButton);
    EXPECT_EQ(view->Selection().Numbers(), 5);
    // Each activation shows the selected grid again half a second later.
    maitre->BringToFront(view);
    EXPECT_TRUE(view->timerGrille.isActive());
    EXPECT_EQ(view->timerGrille.interval(), 500);
    EXPECT_TRUE(QTest::qWaitFor([&] { return !view->timerGrille.isActive(); }, 2000));
    EXPECT_EQ(view->Selection().Title(), "6/11");
    EXPECT_EQ(Down().size(), 17u);
}

TEST(GridFileDialog, ProposesItsNameUnderTheQuintaroFilter) {
    // A file dialog keeps its state in Qt's own settings: here, not in the user's.
    test::TempDir qtSettings;
    QSettings::setPath(QSettings::NativeFormat, QSettings::UserScope,
                       QString::fromStdString(qtSettings.path().string()));
    for (bool save : {true, false}) {
        const auto dialog = TfrmGrille::GridFileDialog(nullptr, save);
        EXPECT_EQ(dialog->nameFilters(), QStringList{"Données Quintaro (*.vavuze)"});
        EXPECT_EQ(dialog->defaultSuffix(), "vavuze");
        EXPECT_EQ(dialog->acceptMode(), save ? QFileDialog::AcceptSave : QFileDialog::AcceptOpen);
        EXPECT_EQ(dialog->findChild<QLineEdit*>()->text(),
                  save ? "Données_quintaro" : "données_quintaro");
        EXPECT_FALSE(dialog->testOption(QFileDialog::DontConfirmOverwrite));
        if (!save) {
            EXPECT_EQ(dialog->fileMode(), QFileDialog::ExistingFile);
        }
    }
    QSettings::setPath(QSettings::NativeFormat, QSettings::UserScope,
                       QStandardPaths::writableLocation(QStandardPaths::GenericConfigLocation));
}

TEST_F(FrmGrilleTest, ExportAndImportReplaceEveryGrid) {
    StartWith({{0, G({3, 12, 25, 31, 40, 49})}, {5, G({3, 11, 20, 37, 42}, {4, 11})}});
    const std::filesystem::path file = files / "mes grilles.vavuze";
    std::vector<bool> asked;
    std::optional<std::filesystem::path> chosen = file;
    view->SetFileChooser([&](bool save) {
        asked.push_back(save);
        return chosen;
    });
    QString done;
    AnswerModals({Click(QStringLiteral("OK"), &done)});
    view->cmdSauve->click();
    EXPECT_EQ(done.toStdString(), "Grilles exporté dans " + file.string());
    const GridFileRead read = ReadGridFile(file);
    ASSERT_EQ(read.outcome, GridFileRead::Outcome::Read);
    EXPECT_EQ(*read.lists[5], GridList{G({3, 11, 20, 37, 42}, {4, 11})});

    // The import replaces every grid; "Annuler" at the question changes nothing.
    maitre->App().md->PlayerGrids().DeleteGrid(0, 1);
    maitre->App().md->PlayerGrids().AddGrid(1, G({1, 2, 3, 4, 5, 6}));
    AnswerModals({Click(QStringLiteral("Annuler"))});
    view->cmdCharge->click();
    EXPECT_EQ(Stored(1).size(), 1u);

    QString question;
    AnswerModals({Click(QStringLiteral("OK"), &question), Click(QStringLiteral("OK"), &done)});
    view->cmdCharge->click();
    EXPECT_EQ(question, "Le fait d'importer des grilles va effacer toutes les grilles actuelles\n\n"
                        "Etes vous sur de vouloir continuer ?");
    EXPECT_EQ(done, "Grilles importés");
    EXPECT_EQ(Stored(0), GridList{G({3, 12, 25, 31, 40, 49})});
    EXPECT_TRUE(Stored(1).empty());
    EXPECT_EQ(Row(1).join(QLatin1Char(' ')).simplified(), "3 12 25 31 40 49");
    EXPECT_EQ(asked, (std::vector<bool>{true, false}));

    // A dialog cancelled does nothing.
    chosen.reset();
    view->cmdSauve->click();
    AnswerModals({Click(QStringLiteral("OK"))});
    view->cmdCharge->click();
    EXPECT_EQ(Stored(0).size(), 1u);
}

TEST_F(FrmGrilleTest, AFileThatCannotBeWrittenOrReadIsAnError) {
    StartWith({{0, G({3, 12, 25, 31, 40, 49})}});
    std::filesystem::path chosen = files / "absent" / "g.vavuze";
    view->SetFileChooser([&](bool) { return chosen; });
    QString error;
    AnswerModals({Click(QStringLiteral("OK"), &error)});
    view->cmdSauve->click();
    EXPECT_EQ(error.toStdString(), "Impossible d'écrire le fichier \"" + chosen.string() +
                                       "\". Le chemin d'accès spécifié est introuvable");

    chosen = files / "autre.vavuze";
    test::WriteFile(chosen, "DQUINTARo");
    AnswerModals({Click(QStringLiteral("OK")), Click(QStringLiteral("OK"), &error)});
    view->cmdCharge->click();
    EXPECT_EQ(error.toStdString(),
              "Le fichier " + chosen.string() + " n'est pas un fichier Quintaro valide");
    EXPECT_EQ(Stored(0).size(), 1u);
}

TEST_F(FrmGrilleTest, TheHelpKeyOpensContext1000) {
    Start();
    maitre->BringToFront(view);
    view->strgGrille->setFocus();
    QTest::keyClick(view->strgGrille, Qt::Key_F1);
    auto* help = maitre->findChild<HelpWindow*>();
    ASSERT_NE(help, nullptr);
    EXPECT_EQ(help->Browser()->source().toString(), "qrc:/help/1000.html");
}

} // namespace
} // namespace quintaro
