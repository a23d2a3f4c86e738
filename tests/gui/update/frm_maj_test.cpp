#include "core/datastore/tmd.h"
#include "gui/app/frm_maitre.h"
#include "gui/ui/ox_dbgrid.h"
#include "gui/ui/regional_format.h"
#include "gui/update/frm_import_progress.h"
#include "gui/update/frm_maj.h"
#include "gui/winnings/frm_tirage.h"
#include "support/french_regional_format.h"
#include "support/modal_answer.h"
#include "support/store_fixture.h"
#include "support/temp_dir.h"

#include <QApplication>
#include <QLabel>
#include <QMdiArea>
#include <QMessageBox>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTest>
#include <QToolButton>
#include <gtest/gtest.h>

namespace quintaro {
namespace {

class FrmMajTest : public ::testing::Test {
protected:
    FrmMajTest() : settings(config / "settings.reg") {
        test::WriteInstallation(app.path());
        test::WriteFile(app / "quintaro.INI",
                        "[fichier]\nnombre=1\n[adresse]\nurl0=u\ndestination0=loto.zip\n"
                        "csv0=loto.csv\nlib0=Loto\n[fichier0]\ndate=d\nnum=n\nb1=b1\nb2=b2\n"
                        "b3=b3\nb4=b4\nb5=b5\nb6=b6\nb7=b7\ng1=g1\nnf1=nf1\n");
        test::WriteFile(elsewhere / "loto.csv", "d;n;b1;b2;b3;b4;b5;b6;b7\n"
                                                "15/03/2023;2023021;1;2;3;4;5;6;7\n");
        maitre = std::make_unique<TfrmMaitre>(InstallationIn(app.path(), work.path()), settings);
        maitre->CreateViews();
        maj = static_cast<TfrmMaj*>(maitre->View(3));
        maitre->Current().modemaj = 1;
    }
    QStringList Log() const { return maj->Log()->toPlainText().split(QLatin1Char('\n')); }

    test::TempDir app, work, config, elsewhere;
    SettingsStore settings;
    std::unique_ptr<TfrmMaitre> maitre;
    TfrmMaj* maj = nullptr;
};

TEST_F(FrmMajTest, AnUpdateInTheFichiersModeLogsEveryStep) {
    std::vector<std::string> offered;
    bool enabledDuringPick = true;
    maj->SetDialogs(
        [&](const std::string& name) -> std::optional<std::string> {
            offered.push_back(name);
            enabledDuringPick = maj->cmdMajNew()->isEnabled() || maj->cmdMajtotal()->isEnabled();
            return (elsewhere / "loto.csv").string();
        },
        [](const std::string&) { return false; });
    EXPECT_TRUE(maj->Log()->toPlainText().isEmpty());
    maj->cmdMajNew()->click();

    EXPECT_EQ(offered, std::vector<std::string>{"loto.csv"});
    EXPECT_FALSE(enabledDuringPick);
    EXPECT_TRUE(maj->cmdMajNew()->isEnabled());
    EXPECT_TRUE(maj->cmdMajtotal()->isEnabled());
    const QString csv = QString::fromStdString((app / "loto.csv").string());
    EXPECT_EQ(Log(),
              (QStringList{" Traitement de " + csv, " Il y a 2 enregistrements", " Ajout terminé",
                           " Mise à jour du Loto terminée ajout de 1 enregistrements",
                           "Calcule des statistiques OK", "Chargement des données OK",
                           "Mise à jour terminée"}));
    EXPECT_FALSE(maitre->findChild<TfrmProgress*>()->isVisible());

    // "Maj Total" answered no writes nothing.
    maj->cmdMajtotal()->click();
    EXPECT_EQ(Log().size(), 7);
}

// The report after the update: Loto grids 1 and 2 win rank 1 (six numbers, the file's g1) on
// the draw of 16/03/2023; grid 3 wins nothing.
class FrmMajReportTest : public FrmMajTest {
protected:
    FrmMajReportTest() {
        Tmd& md = *maitre->App().md;
        test::StoreGrid(md, 1, 0, {1, 2, 3, 4, 5, 6});
        test::StoreGrid(md, 2, 0, {1, 2, 3, 4, 5, 6, 8});
        test::StoreGrid(md, 3, 0, {20, 21, 22, 23, 24, 25});
        WriteResults({kWinning, "15/03/2023;2023031;30;31;32;33;34;35;36;99;1"});
        maj->SetDialogs([this](const std::string&) { return (elsewhere / "loto.csv").string(); },
                        [](const std::string&) { return true; });
        maitre->show();
        EXPECT_TRUE(QTest::qWaitForWindowExposed(maitre.get()));
        maitre->BringToFront(maj);
    }
    void WriteResults(const std::vector<std::string>& lines) {
        std::string text = "d;n;b1;b2;b3;b4;b5;b6;b7;g1;nf1\n";
        for (const std::string& line : lines)
            text += line + "\n";
        test::WriteFile(elsewhere / "loto.csv", text);
    }
    // The lines after "Mise à jour terminée".
    QStringList Report() const {
        const QStringList log = Log();
        return log.mid(log.lastIndexOf("Mise à jour terminée") + 1);
    }
    // Clicks a button and answers the message that follows with the button captioned so;
    // gives the message's text.
    QString ClickAndAnswer(QToolButton* button, const QString& answer) {
        QString text;
        test::AnswerNextModal([&](QWidget* modal) {
            auto* box = qobject_cast<QMessageBox*>(modal);
            ASSERT_NE(box, nullptr);
            text = box->windowTitle() + "|" + box->text();
            for (QAbstractButton* b : box->buttons())
                if (b->text() == answer)
                    b->click();
        });
        button->click();
        return text;
    }
    ViewWindow* ActiveView() const {
        return static_cast<ViewWindow*>(maitre->MdiArea()->activeSubWindow());
    }

    static constexpr const char* kWinning = "16/03/2023;2023032;1;2;3;4;5;6;7;10,5;1";
    test::FrenchRegionalFormat french;
};

TEST_F(FrmMajReportTest, TheWinsOfTheNewDrawsAreLoggedAndTheLatestOneShownOnRequest) {
    const QString message = ClickAndAnswer(maj->cmdMajNew(), "Voir le tirage");
    // The log's plain text has plain spaces.
    const auto euros = [](double amount) {
        return CurrencyText(amount).replace(QChar::Nbsp, QLatin1Char(' '));
    };
    EXPECT_EQ(
        Report(),
        (QStringList{"Gains de vos grilles sur les nouveaux tirages :", " Loto",
                     "  Tirage n° 32 du 16/03/2023", "   Grille 1 : 6 bons numéros, " + euros(10.5),
                     "   Grille 2 : 6 bons numéros, " + euros(10.5),
                     "  Total Loto : " + euros(21.0), " Total des gains : " + euros(21.0)}));
    EXPECT_EQ(message,
              "Quintaro|Vos grilles ont gagné " + CurrencyText(21.0) +
                  " sur les nouveaux tirages.\nDernier tirage gagnant : Loto, tirage n° 32 "
                  "du 16/03/2023.");

    // "Tirages" in front, on the winning draw (the second added: the file is read from its
    // last line up).
    auto* tirage = static_cast<TfrmTirage*>(maitre->View(6));
    EXPECT_EQ(ActiveView(), tirage);
    const int record = tirage->dbgTirage->CurrentRecord();
    ASSERT_GE(record, 0);
    EXPECT_EQ(tirage->Display().DrawList().RowAt(record).reftirage, 2);
    EXPECT_EQ(tirage->Label2->text(), "Il y a 2 tirages");
    EXPECT_TRUE(maj->cmdMajNew()->isEnabled());
}

TEST_F(FrmMajReportTest, MajTotalReportsOnlyTheNewDrawsAndOkStaysOnTheUpdate) {
    ClickAndAnswer(maj->cmdMajNew(), "OK");
    EXPECT_EQ(ActiveView(), maj);

    // The same history with a new draw that wins nothing: the old win is no news.
    WriteResults({"18/03/2023;2023033;40;41;42;43;44;45;46;99;1", kWinning,
                  "15/03/2023;2023031;30;31;32;33;34;35;36;99;1"});
    bool messageShown = false;
    QTimer watch;
    QObject::connect(&watch, &QTimer::timeout, [&] {
        if (QWidget* modal = QApplication::activeModalWidget()) {
            messageShown = true;
            modal->close();
        }
    });
    watch.start(10);
    maj->cmdMajtotal()->click();
    watch.stop();
    EXPECT_FALSE(messageShown);
    EXPECT_EQ(Log().filter("/!\\ Effacement des tables").size(), 1);
    EXPECT_EQ(Report(), QStringList{"Aucun gain sur les nouveaux tirages"});

    // Nothing added: nothing reported.
    maj->cmdMajNew()->click();
    EXPECT_TRUE(Report().isEmpty());
}

} // namespace
} // namespace quintaro
