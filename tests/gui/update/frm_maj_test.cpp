#include "gui/app/frm_maitre.h"
#include "support/temp_dir.h"
#include "gui/update/frm_maj.h"
#include "gui/update/frm_import_progress.h"

#include <QPlainTextEdit>
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
                        "b3=b3\nb4=b4\nb5=b5\nb6=b6\nb7=b7\n");
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
    EXPECT_EQ(Log(), (QStringList{" Traitement de " + csv, " Il y a 2 enregistrements",
                                  " Ajout terminé",
                                  " Mise à jour du Loto terminée ajout de 1 enregistrements",
                                  "Calcule des statistiques OK", "Chargement des données OK",
                                  "Mise à jour terminée"}));
    EXPECT_FALSE(maitre->findChild<TfrmProgress*>()->isVisible());

    // "Maj Total" answered no writes nothing.
    maj->cmdMajtotal()->click();
    EXPECT_EQ(Log().size(), 7);
}

} // namespace
} // namespace quintaro
