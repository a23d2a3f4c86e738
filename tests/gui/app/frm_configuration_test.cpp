#include "gui/app/frm_configuration.h"
#include "gui/app/frm_maitre.h"
#include "gui/ui/colour_panel.h"
#include "support/temp_dir.h"

#include "support/modal_answer.h"
#include <QAbstractButton>
#include <QApplication>
#include <QButtonGroup>
#include <QCheckBox>
#include <QLabel>
#include <QTest>
#include <QTimer>

#include <gtest/gtest.h>

namespace quintaro {
namespace {

class FrmConfigurationTest : public ::testing::Test {
protected:
    FrmConfigurationTest() { test::WriteInstallation(app.path()); }
    std::filesystem::path File() const { return config / "settings.reg"; }
    // Starts the program on the settings file as it stands.
    void Start() {
        settings = std::make_unique<SettingsStore>(File());
        maitre = std::make_unique<TfrmMaitre>(InstallationIn(app.path(), work.path()), *settings);
        maitre->CreateViews();
        view = static_cast<TfrmConfiguration*>(maitre->View(2));
    }
    void Store(const char* name, std::int32_t value) {
        SettingsStore store(File());
        store.WriteInteger(kConfigurationKey, name, value);
        store.Save();
    }

    test::TempDir app, work, config;
    std::unique_ptr<SettingsStore> settings;
    std::unique_ptr<TfrmMaitre> maitre;
    TfrmConfiguration* view = nullptr;
};

TEST_F(FrmConfigurationTest, AFirstRunShowsTheDefaultsAndANormalExitWritesThem) {
    Start();
    EXPECT_TRUE(view->cbxSauveBoulle->isChecked());
    EXPECT_TRUE(view->cbxMenuAuto->isChecked());
    EXPECT_EQ(view->rgMiseaJourItems->checkedId(), 0);
    EXPECT_TRUE(maitre->MenuAuto());
    EXPECT_TRUE(maitre->Current().sauveBoule);
    EXPECT_EQ(maitre->Current().couleurtitretrie, Rgb(255, 251, 240));
    EXPECT_EQ(view->pnlselection->Caption(), "Ligne sélectionnée");

    maitre->close();
    SettingsStore written(File());
    for (const char* name : {"sauveBoule", "menuAuto", "modemaj", "couleurligne1", "couleurligne2",
                             "couleurselection", "couleurtitre", "couleurtitretrie"})
        EXPECT_TRUE(written.ValueExists(kConfigurationKey, name)) << name;
    EXPECT_EQ(written.ReadInteger(kConfigurationKey, "couleurligne2"),
              static_cast<std::int32_t>(0xFF000016));
}

TEST_F(FrmConfigurationTest, ARunThatEndsAbnormallyKeepsThePreviousValues) {
    Store("modemaj", 0);
    Start();
    view->rgMiseaJourItems->button(1)->click();
    EXPECT_EQ(maitre->Current().modemaj, 1);
    maitre.reset(); // no normal end: the window never closed
    EXPECT_EQ(SettingsStore(File()).ReadInteger(kConfigurationKey, "modemaj"), 0);
}

TEST_F(FrmConfigurationTest, StoredSettingsReachTheMainWindow) {
    Store("sauveBoule", 0);
    Store("menuAuto", 0);
    Store("modemaj", 5);
    Store("couleurligne1", static_cast<std::int32_t>(Rgb(10, 20, 30)));
    Start();
    EXPECT_FALSE(view->cbxSauveBoulle->isChecked());
    EXPECT_FALSE(maitre->Current().sauveBoule);
    EXPECT_FALSE(maitre->MenuAuto());
    EXPECT_EQ(view->rgMiseaJourItems->checkedId(), 1);
    EXPECT_EQ(maitre->Current().modemaj, 1);
    EXPECT_EQ(maitre->Current().couleurligne1, Rgb(10, 20, 30));
    // A stored false saves no grids.
    EXPECT_FALSE(settings->KeyExists("\\Software\\VELMORA\\QUINTARO\\GRILLES"));
}

TEST_F(FrmConfigurationTest, ANegativeUpdateModeSelectsNoItem) {
    Store("modemaj", -2);
    Start();
    EXPECT_EQ(view->rgMiseaJourItems->checkedId(), -1);
    EXPECT_EQ(maitre->Current().modemaj, 0);
}

TEST_F(FrmConfigurationTest, CheckingTheBackupWritesTheGridsAtOnce) {
    Start();
    maitre->App().md->Connection().Execute(
        "insert into listegrille values (1, 0, 1), (1, 0, 2), (1, 0, 3), (1, 0, 4), (1, 0, 5), "
        "(1, 0, 6)");
    view->cbxSauveBoulle->click();
    EXPECT_FALSE(maitre->Current().sauveBoule);
    EXPECT_FALSE(SettingsStore(File()).KeyExists("\\Software\\VELMORA\\QUINTARO\\GRILLES\\LOTO"));
    view->cbxSauveBoulle->click();
    EXPECT_TRUE(maitre->Current().sauveBoule);
    SettingsStore saved(File());
    EXPECT_EQ(saved.ReadInteger("\\Software\\VELMORA\\QUINTARO\\GRILLES\\LOTO", "nb"), 1);
    EXPECT_EQ(saved.ReadInteger("\\Software\\VELMORA\\QUINTARO\\GRILLES\\LOTO\\G0000", "B06"), 6);
}

TEST_F(FrmConfigurationTest, AChosenColourReachesTheMainWindow) {
    Start();
    std::vector<QColor> offered;
    view->SetColourChooser([&](const QColor& initial) -> std::optional<QColor> {
        offered.push_back(initial);
        return QColor(255, 0, 0);
    });
    QTest::mouseClick(view->pnlLigne1, Qt::LeftButton);
    ASSERT_EQ(offered.size(), 1u);
    EXPECT_EQ(offered[0], QColor(216, 228, 248));
    EXPECT_EQ(maitre->Current().couleurligne1, Rgb(255, 0, 0));
    EXPECT_EQ(view->pnlLigne1->Value(), Rgb(255, 0, 0));

    view->SetColourChooser([](const QColor&) { return std::nullopt; }); // cancelled
    QTest::mouseClick(view->pnlTitre, Qt::LeftButton);
    EXPECT_EQ(maitre->Current().couleurtitre, 0xFF00000Fu);
}

TEST_F(FrmConfigurationTest, AValueOfAnotherTypeIsShownAndStopsTheHandOver) {
    {
        SettingsStore store(File());
        store.WriteInteger(kConfigurationKey, "couleurligne1",
                           static_cast<std::int32_t>(Rgb(1, 1, 1)));
        store.WriteBinary(kConfigurationKey, "menuAuto", {1});
        store.Save();
    }
    QString shown;
    test::AnswerNextModal([&](QWidget* box) {
        shown = box->windowTitle() + "|" +
                box->findChild<QLabel*>(QStringLiteral("qt_msgbox_label"))->text();
        QTest::keyClick(box, Qt::Key_Return);
    });
    Start();
    // The quote sorts before ".": no full stop is added.
    EXPECT_EQ(shown.toStdString(), "Quintaro|Type de données incorrect pour 'menuAuto'");
    EXPECT_FALSE(view->cbxMenuAuto->isChecked());
    EXPECT_EQ(view->pnlLigne1->Value(), Rgb(216, 228, 248));
    EXPECT_FALSE(maitre->Current().sauveBoule); // not handed over
}

} // namespace
} // namespace quintaro
