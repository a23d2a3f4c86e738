#include "support/process.h"
#include "support/temp_dir.h"

#include <gtest/gtest.h>

namespace quintaro {
namespace {

class CliTest : public ::testing::Test {
protected:
    CliTest() { test::WriteInstallation(app.path()); }
    test::ProcessResult Run(std::vector<std::string> args) {
        args.insert(args.begin(), {"--app-dir", app.path().string()});
        return test::RunProcess(QUINTARO_CLI_PATH, args, work.path(),
                                {"XDG_CONFIG_HOME=" + config.path().string()});
    }
    test::TempDir app, work, config;
};

TEST_F(CliTest, DemarrageBuildsTheDatabaseThenFindsItConforming) {
    auto first = Run({"demarrage"});
    EXPECT_EQ(first.status, 0) << first.err;
    EXPECT_EQ(first.out, "Démarrage\nbase non conforme\nBase régénérée\nChargement des données\n"
                         "Données Chargées \nDémarrage OK\n");
    EXPECT_EQ(first.err, "");
    EXPECT_TRUE(std::filesystem::exists(work / "quintaro.sdb"));

    auto second = Run({"demarrage"});
    EXPECT_EQ(second.status, 0) << second.err;
    EXPECT_EQ(second.out, "Démarrage\nbase oK \nChargement des données\nDonnées Chargées \n"
                          "Démarrage OK\n");
}

TEST_F(CliTest, StartupFailurePrintsTheDialogTextAndExitsOne) {
    test::WriteFile(app / "quintaro.INI", "[fichier]\nnombre=0\n");
    auto result = Run({"demarrage"});
    EXPECT_EQ(result.status, 1);
    EXPECT_EQ(result.out, "Démarrage\n");
    EXPECT_EQ(result.err, "Fichier INI non conforme\n");
}

TEST_F(CliTest, UsageErrorsExitTwoWithTheUsageText) {
    const std::vector<std::vector<std::string>> cases = {
        {}, {"inconnue"}, {"--bavard", "demarrage"}, {"demarrage", "de trop"}};
    for (const auto& args : cases) {
        auto result = Run(args);
        EXPECT_EQ(result.status, 2) << testing::PrintToString(args);
        EXPECT_NE(result.err.find("Usage : quintaro-cli"), std::string::npos);
        EXPECT_EQ(result.out, "");
    }
}

TEST_F(CliTest, DefaultInstallationIsTheExecutablesDirectory) {
    auto result = test::RunProcess(QUINTARO_CLI_PATH, {"demarrage"}, work.path(),
                                   {"XDG_CONFIG_HOME=" + config.path().string()});
    // The build places the demo catalogue beside the executable.
    EXPECT_EQ(result.status, 0) << result.err;
}

TEST_F(CliTest, DamagedSettingsFileIsReportedAndSetAside) {
    std::filesystem::create_directories(config / "quintaro");
    test::WriteFile(config / "quintaro" / "settings.reg", "garbage");
    auto result = Run({"demarrage"});
    EXPECT_EQ(result.status, 0);
    EXPECT_NE(result.err.find("mis de côté"), std::string::npos);
    EXPECT_EQ(test::ReadFile(config / "quintaro" / "settings.reg.endommage"), "garbage");
}

} // namespace
} // namespace quintaro
