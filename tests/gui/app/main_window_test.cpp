#include "gui/app/frm_aide.h"
#include "gui/app/frm_maitre.h"
#include "gui/app/frm_splash.h"
#include "gui/app/help_window.h"
#include "support/temp_dir.h"
#include "gui/ui/ox_angle_label.h"

#include "support/modal_answer.h"
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
        maitre = std::make_unique<TfrmMaitre>(InstallationIn(app.path(), work.path()), settings);
        maitre->CreateViews();
        maitre->resize(1024, 768);
        maitre->show();
    }
    QWidget* Frame(const char* name) { return maitre->findChild<QWidget*>(QLatin1String(name)); }
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
    QWidget* menu = Frame("pnlMenu");
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

TEST_F(MainWindowTest, EveryViewThatComesToTheFrontIsMaximised) {
    QMdiArea* area = maitre->MdiArea();
    // Closing the view in front brings the one behind it forward: "Tirages", then the two
    // views created in the normal state.
    for (int closed = 0; closed < 2; ++closed) {
        area->activeSubWindow()->close();
        QMdiSubWindow* front = area->activeSubWindow();
        ASSERT_NE(front, nullptr);
        EXPECT_TRUE(front->isMaximized()) << front->windowTitle().toStdString();
        EXPECT_EQ(front->geometry(), area->viewport()->rect())
            << front->windowTitle().toStdString();
    }
    // Restoring a minimised view from its title bar shows it maximised too.
    ViewWindow* grille = maitre->View(1);
    ASSERT_TRUE(grille->isMinimized());
    grille->showNormal();
    EXPECT_TRUE(grille->isMaximized());
    EXPECT_EQ(area->activeSubWindow(), grille);
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

TEST_F(MainWindowTest, HelpOpensCentredOnTheMainWindowAndEscapeClosesIt) {
    maitre->move(40, 30);
    for (int open = 0; open < 2; ++open) {
        maitre->ShowHelpContext(5000);
        auto* help = maitre->findChild<HelpWindow*>();
        ASSERT_TRUE(help && help->isVisible());
        EXPECT_EQ(help->geometry().center(), maitre->geometry().center());
        QTest::keyClick(help->Browser(), Qt::Key_Escape);
        EXPECT_FALSE(help->isVisible());
        // Moved away, it comes back centred the next time it opens.
        help->move(0, 0);
    }
}

TEST_F(MainWindowTest, SmallestWindowShowsTheWholeOpenMenuAndTheAboutText) {
    maitre->SetMenuAuto(false);
    ClickStrip();
    maitre->resize(640, 400);
    auto* aide = static_cast<TfrmAide*>(maitre->View(0));
    maitre->BringToFront(aide);
    QCoreApplication::processEvents();

    const QRect window = maitre->centralWidget()->rect();
    for (const char* name : {"cmdMaj", "cmdAide", "cmdQuitter"}) {
        QToolButton* button = Button(name);
        const QRect shown(button->mapTo(maitre->centralWidget(), QPoint()), button->size());
        EXPECT_TRUE(window.contains(shown)) << name;
    }
    QWidget* viewport = maitre->MdiArea()->viewport();
    for (QLabel* label : aide->widget()->findChildren<QLabel*>()) {
        const QRect shown(label->mapTo(viewport, QPoint()), label->size());
        EXPECT_TRUE(viewport->rect().contains(shown) &&
                    aide->widget()->rect().contains(label->geometry()))
            << label->text().toStdString();
    }
}

TEST_F(MainWindowTest, AboutViewShowsTheVersionAndTheContactLink) {
    auto* aide = static_cast<TfrmAide*>(maitre->View(0));
    EXPECT_EQ(aide->nomsoft->text(), "Quintaro V2.6.0.0");
    EXPECT_EQ(aide->adresse->y(), aide->licence->y() + aide->licence->height() + 20);
    EXPECT_EQ(aide->Remerciements->y(), aide->adresse->y() + aide->adresse->height() + 20);
    EXPECT_EQ(aide->Remerciements->text().toStdString(),
              "Remerciements à : \nSQLite\nQt\nlibcurl\nlibzip\ninih");
    EXPECT_EQ(TfrmAide::ContactUrl().toString(), "mailto:quintaro@velmora.fr?subject=Quintaro");
}

TEST(MainWindowFailure, FailedStartUpClosesTheProgramThroughTheErrorTimer) {
    test::TempDir app, work, config;
    SettingsStore settings(config / "settings.reg");
    test::WriteFile(app / "quintaro.INI", "[fichier]\nnombre=0\n");
    QString dialogText;
    QWidget* dialogOwner = nullptr;
    bool ownerShown = false, inFrontOfOwner = false;
    // The error dialog is modal: read and dismiss it as a user would.
    test::AnswerNextModal([&](QWidget* box) {
        dialogText = box->findChild<QLabel*>(QStringLiteral("qt_msgbox_label"))->text();
        dialogText += "|" + box->windowTitle();
        dialogOwner = box->parentWidget();
        ownerShown = dialogOwner && dialogOwner->isVisible();
        // A window manager shows a dialog in front of a window that stays on top when the
        // dialog belongs to it and stays on top too.
        inFrontOfOwner = dialogOwner &&
                         box->windowHandle()->transientParent() == dialogOwner->windowHandle() &&
                         box->windowFlags().testFlag(Qt::WindowStaysOnTopHint);
        QTest::keyClick(box, Qt::Key_Return);
    });
    TfrmMaitre maitre(InstallationIn(app.path(), work.path()), settings);
    EXPECT_EQ(dialogText, "Fichier INI non conforme|Erreur");
    // The splash stays on top of every other window: the dialog belongs to it.
    EXPECT_EQ(dialogOwner, maitre.Splash());
    EXPECT_TRUE(ownerShown);
    EXPECT_TRUE(inFrontOfOwner);
    EXPECT_FALSE(maitre.StartupSucceeded());
    maitre.CreateViews();
    maitre.show();
    EXPECT_EQ(maitre.Splash()->Lines(), QStringList{"Démarrage"});
    QTRY_VERIFY_WITH_TIMEOUT(!maitre.isVisible(), 3000);
}

} // namespace
} // namespace quintaro
