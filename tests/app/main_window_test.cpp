#include "app/frm_aide.h"
#include "app/frm_maitre.h"
#include "app/frm_splash.h"
#include "app/help_window.h"
#include "support/temp_dir.h"
#include "ui/ox_angle_label.h"

#include <QFrame>
#include <QLabel>
#include <QMdiArea>
#include <QSignalSpy>
#include <QTest>
#include <QTextBrowser>
#include <QToolButton>
#include <gtest/gtest.h>

namespace quintaro {
namespace {

class MainWindowTest : public ::testing::Test {
protected:
    MainWindowTest() : settings(config / "settings.reg") {
        test::WriteInstallation(app.path());
        maitre = std::make_unique<TfrmMaitre>(app.path(), work.path(), settings);
        maitre->CreateViews();
        maitre->resize(1024, 768);
        maitre->show();
    }
    QFrame* Frame(const char* name) { return maitre->findChild<QFrame*>(QLatin1String(name)); }
    QToolButton* Button(const char* name) {
        return maitre->findChild<QToolButton*>(QLatin1String(name));
    }
    void ClickStrip() { QTest::mouseClick(Frame("pnlActiveMenu"), Qt::LeftButton, {}, {5, 200}); }

    test::TempDir app, work, config;
    SettingsStore settings;
    std::unique_ptr<TfrmMaitre> maitre;
};

TEST_F(MainWindowTest, StartsWithTheSplashLinesAndTheViewsInOrder) {
    ASSERT_TRUE(maitre->StartupSucceeded());
    EXPECT_EQ(maitre->Splash()->Lines(),
              (QStringList{"Démarrage", "base non conforme", "Base régénérée",
                           "Chargement des données", "Données Chargées ", "Démarrage OK"}));
    EXPECT_EQ(maitre->windowTitle(), "Quintaro");

    QStringList captions;
    for (QMdiSubWindow* view : maitre->MdiArea()->subWindowList(QMdiArea::CreationOrder))
        captions << view->windowTitle();
    EXPECT_EQ(captions, (QStringList{"A propos", "Mes grilles", "Configuration", "Mise à jour",
                                     "Statistique", "frmCalcul", "Tirages"}));
    EXPECT_TRUE(maitre->View(1)->isMinimized());
    EXPECT_TRUE(maitre->View(4)->isMinimized());
    EXPECT_FALSE(maitre->View(5)->isMinimized());
    EXPECT_TRUE(maitre->View(6)->isMaximized());
    EXPECT_EQ(maitre->MdiArea()->activeSubWindow(), maitre->View(6));
}

TEST_F(MainWindowTest, MenuStripTogglesTheMenuWhenNotAutomatic) {
    maitre->SetMenuAuto(false);
    QFrame* menu = Frame("pnlMenu");
    EXPECT_EQ(menu->width(), TfrmMaitre::kMenuStripWidth);
    EXPECT_LT(Button("cmdMaj")->geometry().right(), 0); // hidden behind the left edge
    ClickStrip();
    EXPECT_EQ(menu->width(), TfrmMaitre::kMenuOpenWidth);
    EXPECT_GE(Button("cmdMaj")->x(), 0);
    EXPECT_EQ(Button("cmdQuitter")->y(), 456);
    ClickStrip();
    EXPECT_EQ(menu->width(), TfrmMaitre::kMenuStripWidth);
}

TEST_F(MainWindowTest, AutomaticMenuOpensOnHoverAndIgnoresClicks) {
    maitre->SetMenuAuto(true);
    auto* label = maitre->findChild<TOxAngleLabel*>(QStringLiteral("lblMenu"));
    QEvent enter(QEvent::Enter);
    QCoreApplication::sendEvent(Frame("pnlActiveMenu"), &enter);
    EXPECT_TRUE(maitre->MenuOpen());
    EXPECT_TRUE(maitre->MenuTimer().isActive());
    EXPECT_EQ(label->TextColor(), QColor(128, 0, 128));
    ClickStrip();
    EXPECT_TRUE(maitre->MenuOpen());
    QEvent leave(QEvent::Leave);
    QCoreApplication::sendEvent(Frame("pnlActiveMenu"), &leave);
    EXPECT_NE(label->TextColor(), QColor(128, 0, 128));
}

TEST_F(MainWindowTest, ClosingAViewMinimisesItAndItsButtonBringsItBack) {
    ViewWindow* maj = maitre->View(3);
    maitre->View(6)->close();
    EXPECT_TRUE(maitre->View(6)->isMinimized());
    EXPECT_EQ(maitre->MdiArea()->subWindowList().size(), 7);

    maitre->SetMenuAuto(false);
    ClickStrip();
    Button("cmdMaj")->click();
    EXPECT_TRUE(maj->isMaximized());
    EXPECT_EQ(maitre->MdiArea()->activeSubWindow(), maj);
    Button("cmdMaj")->click();
    EXPECT_TRUE(maj->isMaximized());
    Button("cmdAide")->click();
    EXPECT_EQ(maitre->MdiArea()->activeSubWindow(), maitre->View(0));
}

TEST_F(MainWindowTest, QuitterClosesTheMainWindow) {
    maitre->SetMenuAuto(false);
    ClickStrip();
    Button("cmdQuitter")->click();
    EXPECT_FALSE(maitre->isVisible());
}

TEST_F(MainWindowTest, HelpKeyOpensTheViewsHelpContext) {
    ViewWindow* maj = maitre->View(3);
    maitre->BringToFront(maj);
    maj->widget()->setFocus();
    QTest::keyClick(maj->widget(), Qt::Key_F1);
    auto* help = maitre->findChild<HelpWindow*>();
    ASSERT_NE(help, nullptr);
    EXPECT_EQ(help->Browser()->source().toString(), "qrc:/help/4000.html");
    EXPECT_TRUE(help->Browser()->toPlainText().contains(QStringLiteral("Mise à jour")));
    EXPECT_FALSE(maj->HandleHelpRequest(2, 4000));
}

TEST_F(MainWindowTest, AboutViewShowsTheVersionAndTheContactLink) {
    auto* aide = static_cast<TfrmAide*>(maitre->View(0));
    EXPECT_EQ(aide->nomsoft->text(), "Quintaro V2.6.0.0");
    EXPECT_EQ(aide->adresse->y(), aide->licence->y() + aide->licence->height() + 20);
    EXPECT_EQ(aide->Remerciements->y(), aide->adresse->y() + aide->adresse->height() + 20);
    EXPECT_TRUE(aide->Remerciements->text().startsWith("Remerciements à : "));
    EXPECT_EQ(TfrmAide::ContactUrl().toString(), "mailto:quintaro@velmora.fr?subject=Quintaro");
}

TEST(MainWindowFailure, FailedStartUpClosesTheProgramThroughTheErrorTimer) {
    test::TempDir app, work, config;
    SettingsStore settings(config / "settings.reg");
    test::WriteFile(app / "quintaro.INI", "[fichier]\nnombre=0\n");
    QString dialogText;
    // The error dialog is modal: read and dismiss it as a user would.
    QTimer::singleShot(100, [&] {
        if (QWidget* box = QApplication::activeModalWidget()) {
            dialogText = box->findChild<QLabel*>(QStringLiteral("qt_msgbox_label"))->text();
            dialogText += "|" + box->windowTitle();
            QTest::keyClick(box, Qt::Key_Return);
        }
    });
    TfrmMaitre maitre(app.path(), work.path(), settings);
    EXPECT_EQ(dialogText, "Fichier INI non conforme|Erreur");
    EXPECT_FALSE(maitre.StartupSucceeded());
    maitre.CreateViews();
    maitre.show();
    EXPECT_EQ(maitre.Splash()->Lines(), QStringList{"Démarrage"});
    QTRY_VERIFY_WITH_TIMEOUT(!maitre.isVisible(), 3000);
}

} // namespace
} // namespace quintaro
