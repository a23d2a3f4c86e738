#include "core/db/sqlite_db.h"
#include "core/settings/configuration_settings.h"
#include "support/process.h"
#include "support/temp_dir.h"
#include "support/user_folders.h"
#include "support/zip_maker.h"

#include <gtest/gtest.h>
#include <sstream>

namespace quintaro {
namespace {

class CliTest : public ::testing::Test {
protected:
    CliTest() { test::WriteInstallation(app.path()); }
    test::ProcessResult Run(std::vector<std::string> args) {
        args.insert(args.begin(), {"--app-dir", app.path().string()});
        return test::RunProcess(QUINTARO_CLI_PATH, args, work.path(), user.Environment());
    }
    test::TempDir app, work;
    test::UserFolders user;
};

TEST_F(CliTest, DemarrageBuildsTheDatabaseThenFindsItConforming) {
    auto first = Run({"demarrage"});
    EXPECT_EQ(first.status, 0) << first.err;
    EXPECT_EQ(first.out, "Démarrage\nbase non conforme\nBase régénérée\nChargement des données\n"
                         "Données Chargées \nDémarrage OK\n");
    EXPECT_EQ(first.err, "");
    EXPECT_TRUE(std::filesystem::exists(user.Database()));

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
    auto result =
        test::RunProcess(QUINTARO_CLI_PATH, {"demarrage"}, work.path(), user.Environment());
    // The build places the demo catalogue beside the executable.
    EXPECT_EQ(result.status, 0) << result.err;
}

TEST_F(CliTest, DamagedSettingsFileIsReportedAndSetAside) {
    std::filesystem::create_directories(user.config / "quintaro");
    test::WriteFile(user.SettingsFile(), "garbage");
    auto result = Run({"demarrage"});
    EXPECT_EQ(result.status, 0);
    EXPECT_NE(result.err.find("mis de côté"), std::string::npos);
    EXPECT_EQ(test::ReadFile(user.config / "quintaro" / "settings.reg.endommage"), "garbage");
}

} // namespace
} // namespace quintaro

namespace quintaro {
namespace {

// A database with draws and grids, made by the companion's start-up and filled directly.
class CliWinningsTest : public CliTest {
protected:
    void SetUp() override {
        ASSERT_EQ(Run({"demarrage"}).status, 0);
        SqlConnection db;
        db.Open(user.Database());
        const char* statements[] = {
            // Loto: 1 2 3 4 5 6 (3 + complementary), 1 2 3 10 11 12 (3), 20..25 (nothing).
            "insert into listegrille values (1, 0, 1), (1, 0, 2), (1, 0, 3), (1, 0, 4), (1, 0, 5), "
            "(1, 0, 6)",
            "insert into listegrille values (2, 0, 1), (2, 0, 2), (2, 0, 3), (2, 0, 10), "
            "(2, 0, 11), (2, 0, 12)",
            "insert into listegrille values (3, 0, 20), (3, 0, 21), (3, 0, 22), (3, 0, 23), "
            "(3, 0, 24), (3, 0, 25)",
            "insert into listegrille values (1, 2, 5), (1, 2, 17), (1, 2, 23), (1, 2, 34), "
            "(1, 2, 49), (1, 12, 2), (1, 12, 9)",
            // 15/03/2023 and 18/03/2023 (day counts 45000 and 45003).
            "insert into listetirage values (1, 45000, 21, 1, 0, 1, 2, 3, 40, 41, 42, 4)",
            "insert into listetirage values (2, 45003, 22, 1, 0, 1, 2, 3, 40, 41, 42, 4)",
            "insert into listeboules values (1, 1, 1), (2, 1, 2), (3, 1, 3), (4, 1, 40), "
            "(5, 1, 41), (6, 1, 42), (7, 1, 4)",
            "insert into listegain values (6, 1, 10.0, 0, 0), (7, 1, 5.5, 0, 0), "
            "(6, 2, 1234.5, 0, 0), (7, 2, 1.25, 0, 0)",
        };
        for (const char* sql : statements)
            db.Execute(sql);
    }
};

TEST_F(CliWinningsTest, GainsPrintsDetailsCategoriesAndTotal) {
    auto result = Run({"gains", "0", "01/01/1976", "31/12/2030"});
    EXPECT_EQ(result.status, 0) << result.err;
    EXPECT_EQ(result.out, "detail\t1\t15/03/2023\t21\t1\t101 102 103 204 5 6\t-\t3\t1\t10.00\n"
                          "detail\t1\t15/03/2023\t21\t1\t101 102 103 10 11 12\t-\t3\t0\t5.50\n"
                          "detail\t2\t18/03/2023\t22\t1\t101 102 103 204 5 6\t-\t3\t1\t1234.50\n"
                          "detail\t2\t18/03/2023\t22\t1\t101 102 103 10 11 12\t-\t3\t0\t1.25\n"
                          "resume\t3\t0\t2\t6.75\n"
                          "resume\t3\t1\t2\t1244.50\n"
                          "total\t1251.25\n"
                          "mises\t0.00\n"
                          "solde\t1251.25\n"
                          "sans-prix\t2\n");
    EXPECT_NE(result.err.find("Démarrage OK"), std::string::npos);

    auto none = Run({"gains", "2", "01/01/1976", "31/12/2030"});
    EXPECT_EQ(none.out, "total\t0.00\nmises\t0.00\nsolde\t0.00\nsans-prix\t0\n");
}

TEST_F(CliWinningsTest, GainsCountsTheStakeOfEachDrawAtTheCataloguesPrice) {
    auto Tail = [](const std::string& out) { return out.substr(out.find("total")); };
    // Three simple Loto grids: 2,00 on 15/03/2023, 2,20 from the 17th.
    test::WriteFile(app / "quintaro.INI",
                    test::SixGameCatalogue() + "[prix]\nprix0=15/03/2023 2,00; 17/03/2023 2.20\n");
    EXPECT_EQ(Tail(Run({"gains", "0", "01/01/1976", "31/12/2030"}).out),
              "total\t1251.25\nmises\t12.60\nsolde\t1238.65\nsans-prix\t0\n");
    test::WriteFile(app / "quintaro.INI",
                    test::SixGameCatalogue() + "[prix]\nprix0=16/03/2023 2,20\n");
    EXPECT_EQ(Tail(Run({"gains", "0", "01/01/1976", "31/12/2030"}).out),
              "total\t1251.25\nmises\t6.60\nsolde\t1244.65\nsans-prix\t1\n");
}

TEST_F(CliWinningsTest, TiragePrintsTheDrawsWinningGridsAndTheSummaryLine) {
    auto result = Run({"tirage", "1"});
    EXPECT_EQ(result.status, 0) << result.err;
    EXPECT_EQ(result.out,
              "detail\t1\t15/03/2023\t21\t1\t101 102 103 204 5 6\t-\t3\t1\t10.00\n"
              "detail\t1\t15/03/2023\t21\t1\t101 102 103 10 11 12\t-\t3\t0\t5.50\n"
              "ligne\tVous avez 2 grilles gagnantes pour un total de 15,50€ { 101,67F }\n");
    // Draw 2 has no balls stored: nothing matches.
    EXPECT_EQ(Run({"tirage", "2"}).out, "ligne\tAucunes grilles gagnantes pour ce tirage\n");
    auto missing = Run({"tirage", "9"});
    EXPECT_EQ(missing.status, 1);
    EXPECT_NE(missing.err.find("Le tirage 9 n'existe pas"), std::string::npos);
}

TEST_F(CliWinningsTest, GrillesListerPrintsTheGridsInMemory) {
    EXPECT_EQ(Run({"grilles", "lister", "2"}).out, "grille\t2\t1\t5 17 23 34 49\t2 9\n");
    auto all = Run({"grilles", "lister"});
    EXPECT_EQ(all.out, "grille\t0\t1\t1 2 3 4 5 6\t-\n"
                       "grille\t0\t2\t1 2 3 10 11 12\t-\n"
                       "grille\t0\t3\t20 21 22 23 24 25\t-\n"
                       "grille\t2\t1\t5 17 23 34 49\t2 9\n");
}

TEST_F(CliWinningsTest, MalformedArgumentsAreUsageErrors) {
    const std::vector<std::vector<std::string>> cases = {
        {"gains", "0", "01/01/1976"},
        {"gains", "x", "01/01/1976", "31/12/2030"},
        {"gains", "0", "32/01/1976", "31/12/2030"},
        {"tirage"},
        {"tirage", "un"},
        {"grilles"},
        {"grilles", "lister", "7"},
    };
    for (const auto& args : cases)
        EXPECT_EQ(Run(args).status, 2) << testing::PrintToString(args);
    EXPECT_EQ(Run({"gains", "9", "01/01/1976", "31/12/2030"}).status, 1);
}

} // namespace
} // namespace quintaro

namespace quintaro {
namespace {

class CliUpdateTest : public CliTest {
protected:
    CliUpdateTest() {
        test::WriteFile(app / "quintaro.INI",
                        "[fichier]\nnombre=1\n[adresse]\nurl0=u\ndestination0=loto.zip\n"
                        "csv0=loto.csv\nlib0=Loto\n[fichier0]\ndate=d\nnum=n\nb1=b1\nb2=b2\n"
                        "b3=b3\nb4=b4\nb5=b5\nb6=b6\nb7=b7\ng1=g1\nnf1=nf1\n");
        test::WriteFile(folder / "loto.csv", "d;n;b1;b2;b3;b4;b5;b6;b7;g1;nf1\n"
                                             "18/03/2023;2023022;1;2;3;4;5;6;7;10,5;1\n"
                                             "15/03/2023;2023021;8;9;10;11;12;13;14;3;2\n");
    }
    std::vector<std::string> Import(int added) {
        return {" Traitement de " + (user.Results() / "loto.csv").string(),
                " Il y a 3 enregistrements",
                " Ajout terminé",
                " Mise à jour du Loto terminée ajout de " + std::to_string(added) +
                    " enregistrements",
                "Calcule des statistiques OK",
                "Chargement des données OK",
                "Mise à jour terminée"};
    }
    static std::string Joined(const std::vector<std::string>& lines) {
        std::string text;
        for (const auto& line : lines)
            text += line + "\n";
        return text;
    }
    test::TempDir folder;
};

TEST_F(CliUpdateTest, MajInTheFichiersModeTakesTheFileFromTheFolder) {
    auto result = Run({"maj", "--mode", "fichiers", "--dossier", folder.path().string()});
    EXPECT_EQ(result.status, 0) << result.err;
    EXPECT_EQ(result.out, Joined(Import(2)));
    auto again = Run({"maj", "--mode", "fichiers", "--dossier", folder.path().string()});
    EXPECT_EQ(again.out, Joined(Import(0)));

    auto missing = Run({"maj", "--mode", "fichiers", "--dossier", work.path().string()});
    EXPECT_EQ(missing.out, "/!\\ Annulation du chargement de loto.csv par l'utilisateur /!\\\n"
                           "Calcule des statistiques OK\nChargement des données OK\n"
                           "Mise à jour terminée\n");
}

// A scheduled run tells an update that went through (0) from one where a step failed (3).
TEST_F(CliUpdateTest, MajExitsThreeWhenAStepFailed) {
    const std::string good = test::ReadFile(folder / "loto.csv");
    struct Case {
        const char* what;
        std::string file; // empty: no file to pick
        bool jokerWithALetter;
        int status;
        const char* failureLine;
    };
    const Case cases[] = {
        {"every step", good, false, 0, nullptr},
        {"no file picked", "", false, 3, "/!\\ Annulation du chargement de loto.csv"},
        {"import rolled back", good + "31/02/2023;2023030;1;2;3;4;5;6;7;1;1\n", false, 3,
         "'31/02/2023' n'est pas une date correcte"},
        {"statistics", good, true, 3, "/!\\ Erreur lors du calcul des statistiques /!\\"},
    };
    for (const Case& c : cases) {
        std::filesystem::remove(user.Database());
        std::filesystem::remove(folder / "loto.csv");
        if (!c.file.empty())
            test::WriteFile(folder / "loto.csv", c.file);
        if (c.jokerWithALetter) {
            ASSERT_EQ(Run({"demarrage"}).status, 0);
            SqlConnection db;
            db.Open(user.Database());
            db.Execute("insert into listetirage values (90, 40000, 1, 1, 2, 1, 2, 3, 4, 5, 6, 7)");
            db.Execute("insert into listejoker values (90, '12A4567', 0)");
        }
        auto result = Run({"maj", "--mode", "fichiers", "--dossier", folder.path().string()});
        EXPECT_EQ(result.status, c.status) << c.what << "\n" << result.out << result.err;
        if (c.failureLine) {
            EXPECT_NE(result.out.find(c.failureLine), std::string::npos) << c.what << result.out;
        }
        EXPECT_NE(result.out.find("Mise à jour terminée"), std::string::npos) << c.what;
    }
}

TEST_F(CliUpdateTest, MajTotalAsksUnlessToldYes) {
    ASSERT_EQ(Run({"maj", "--mode", "fichiers", "--dossier", folder.path().string()}).status, 0);
    auto declined = Run({"maj-total", "--mode", "fichiers", "--dossier", folder.path().string()});
    EXPECT_EQ(declined.status, 0);
    EXPECT_EQ(declined.out, "");
    EXPECT_NE(declined.err.find("Etes vous sur de vouloir vider toutes les données des tirages"),
              std::string::npos);

    auto reset =
        Run({"maj-total", "--oui", "--mode", "fichiers", "--dossier", folder.path().string()});
    auto expected = Import(2);
    expected.insert(expected.begin(), "/!\\ Effacement des tables");
    EXPECT_EQ(reset.out, Joined(expected));
}

// After the log, what the grids won on the draws the update added: one row per winning grid,
// then the total; nothing when nothing was added.
TEST_F(CliUpdateTest, MajPrintsWhatTheGridsWonOnTheDrawsItAdded) {
    ASSERT_EQ(Run({"demarrage"}).status, 0);
    {
        SqlConnection db;
        db.Open(user.Database());
        db.Execute("insert into listegrille values (1, 0, 1), (1, 0, 2), (1, 0, 3), (1, 0, 4), "
                   "(1, 0, 5), (1, 0, 6), (2, 0, 8), (2, 0, 9), (2, 0, 10), (2, 0, 11), "
                   "(2, 0, 12), (2, 0, 13), (3, 0, 20), (3, 0, 21), (3, 0, 22), (3, 0, 23), "
                   "(3, 0, 24), (3, 0, 25)");
    }
    const std::vector<std::string> options = {"--mode", "fichiers", "--dossier",
                                              folder.path().string()};
    auto run = [&](std::vector<std::string> command) {
        command.insert(command.end(), options.begin(), options.end());
        return Run(command);
    };
    // The file is read from its last line up: 15/03 is draw 1.
    auto added = run({"maj"});
    EXPECT_EQ(added.status, 0) << added.err;
    EXPECT_EQ(added.out, Joined(Import(2)) + "gain\t0\t1\t15/03/2023\t2\t6\t0\t3.00\n"
                                             "gain\t0\t2\t18/03/2023\t1\t6\t0\t10.50\n"
                                             "gains-nouveaux\t13.50\n");
    EXPECT_EQ(run({"maj"}).out, Joined(Import(0)));

    // A full reset: only the draw that was not stored before.
    const std::string history = test::ReadFile(folder / "loto.csv");
    test::WriteFile(folder / "loto.csv", history.substr(0, history.find('\n') + 1) +
                                             "20/03/2023;2023023;1;2;3;4;5;6;40;10,5;1\n" +
                                             history.substr(history.find('\n') + 1));
    auto reset = run({"maj-total", "--oui"});
    EXPECT_EQ(reset.status, 0) << reset.err;
    EXPECT_NE(reset.out.find("Mise à jour terminée\n"
                             "gain\t0\t3\t20/03/2023\t1\t6\t0\t10.50\n"
                             "gains-nouveaux\t10.50\n"),
              std::string::npos)
        << reset.out;

    // A new draw that wins nothing.
    test::WriteFile(folder / "loto.csv",
                    "d;n;b1;b2;b3;b4;b5;b6;b7;g1;nf1\n22/03/2023;2023024;1;2;30;31;32;33;34;1;1\n");
    auto lost = run({"maj"});
    EXPECT_EQ(lost.status, 0) << lost.err;
    EXPECT_EQ(lost.out.substr(lost.out.rfind("Mise à jour terminée")),
              "Mise à jour terminée\ngains-nouveaux\t0.00\n");
}

TEST_F(CliUpdateTest, StatPrintsTheSeriesOfAGame) {
    ASSERT_EQ(Run({"maj", "--mode", "fichiers", "--dossier", folder.path().string()}).status, 0);
    auto result = Run({"stat", "0"});
    EXPECT_EQ(result.status, 0) << result.err;
    std::istringstream lines(result.out);
    std::vector<std::string> rows;
    for (std::string line; std::getline(lines, line);)
        rows.push_back(line);
    ASSERT_EQ(rows.size(), 59u); // 49 numbers and 10 Joker digits
    EXPECT_EQ(rows[0], "stat\t0\t1\t1\t50.0000\t18/03/2023\t1\t0");
    EXPECT_EQ(rows[7], "stat\t0\t8\t1\t50.0000\t15/03/2023\t1\t1");
    EXPECT_EQ(rows[48], "stat\t0\t49\t0\t0.0000\t29/12/1899\t0\t1");
    EXPECT_EQ(rows[49], "stat\t20\t0\t0\t0.0000\t29/12/1899\t0\t-1");
    EXPECT_EQ(Run({"stat"}).status, 2);
}

} // namespace
} // namespace quintaro

namespace quintaro {
namespace {

TEST_F(CliUpdateTest, MajInTheInternetModeFetchesFileAddresses) {
    test::WriteFile(folder / "loto.zip",
                    test::MakeZip({{"loto.csv", test::ReadFile(folder / "loto.csv")}}));
    std::string ini = test::ReadFile(app / "quintaro.INI");
    ini.replace(ini.find("url0=u"), 6, "url0=file://" + (folder / "loto.zip").string());
    test::WriteFile(app / "quintaro.INI", ini);
    auto result = Run({"maj", "--mode", "internet"});
    EXPECT_EQ(result.status, 0) << result.err;
    const std::string dest = (user.Results() / "loto.zip").string();
    auto expected = Import(2);
    expected.insert(expected.begin(),
                    {"Téléchargement de " + dest + " OK", " Décompression de " + dest + " OK"});
    EXPECT_EQ(result.out, Joined(expected));
    EXPECT_FALSE(std::filesystem::exists(dest));
}

} // namespace
} // namespace quintaro

namespace quintaro {
namespace {

// The grid commands on a database the companion's start-up has made.
class CliGridsTest : public CliTest {
protected:
    void SetUp() override { ASSERT_EQ(Run({"demarrage"}).status, 0); }
    std::string Listed() { return Run({"grilles", "lister"}).out; }
    std::filesystem::path SettingsFile() const { return user.SettingsFile(); }
};

TEST_F(CliGridsTest, AjouterAddsUnderTheNextNumberAndSupprimerRenumbers) {
    auto first = Run({"grilles", "ajouter", "2", "44 5 17 22 38", "9 2"});
    EXPECT_EQ(first.status, 0) << first.err;
    EXPECT_EQ(first.out, "grille\t2\t1\t5 17 22 38 44\t2 9\n");
    for (const char* numbers : {"1 2 3 4 5", "6 7 8 9 10", "11 12 13 14 15"})
        ASSERT_EQ(Run({"grilles", "ajouter", "2", numbers, "1 2"}).status, 0);
    EXPECT_EQ(Run({"grilles", "ajouter", "0", "3 12 25 31 40 49"}).out,
              "grille\t0\t1\t3 12 25 31 40 49\t-\n");

    auto deleted = Run({"grilles", "supprimer", "2", "2"});
    EXPECT_EQ(deleted.status, 0) << deleted.err;
    EXPECT_EQ(deleted.out, "");
    EXPECT_EQ(Listed(), "grille\t0\t1\t3 12 25 31 40 49\t-\n"
                        "grille\t2\t1\t5 17 22 38 44\t2 9\n"
                        "grille\t2\t2\t6 7 8 9 10\t1 2\n"
                        "grille\t2\t3\t11 12 13 14 15\t1 2\n");

    auto missing = Run({"grilles", "supprimer", "2", "4"});
    EXPECT_EQ(missing.status, 1);
    EXPECT_NE(missing.err.find("La grille 4 n'existe pas : ce jeu a 3 grilles\n"),
              std::string::npos);
}

TEST_F(CliGridsTest, AGridTheEditorRefusesChangesNothing) {
    ASSERT_EQ(Run({"grilles", "ajouter", "0", "1 2 3 4 5 6"}).status, 0);
    struct Case {
        std::vector<std::string> args;
        const char* message;
    };
    const Case cases[] = {
        {{"0", "1 2 3 4 5 6 7 8 9 10 11"}, "Vous ne pouvez pas sélectionner plus de dix numéros\n"},
        {{"2", "1 2 3 4 5 6 7 8 9", "1 2 3"},
         "Vous ne pouvez pas sélectionner plus de 2 étoiles\n"},
        {{"3", "1 2 3 4 5"}, "Une grille compte au moins 5 numéros et 1 N° Chance\n"},
        {{"5", "1 2 3 4 51", "1 2"}, "Le numéro 51 est hors du jeu (de 1 à 50)\n"},
    };
    for (const Case& c : cases) {
        std::vector<std::string> args = {"grilles", "ajouter"};
        args.insert(args.end(), c.args.begin(), c.args.end());
        auto result = Run(args);
        EXPECT_EQ(result.status, 1) << c.message;
        EXPECT_EQ(result.err, c.message);
        EXPECT_EQ(result.out, "");
    }
    EXPECT_EQ(Listed(), "grille\t0\t1\t1 2 3 4 5 6\t-\n");

    const std::vector<std::vector<std::string>> usage = {
        {"grilles", "ajouter", "6", "1 2 3 4 5 6"},
        {"grilles", "ajouter", "0", "1 2 x 4 5 6"},
        {"grilles", "ajouter", "0"},
        {"grilles", "supprimer", "0"},
        {"grilles", "supprimer", "0", "un"},
        {"grilles", "exporter"},
        {"grilles", "importer", "a", "b"},
        {"grilles", "inconnue"},
    };
    for (const auto& args : usage)
        EXPECT_EQ(Run(args).status, 2) << testing::PrintToString(args);
}

TEST_F(CliGridsTest, ExporterThenImporterGivesEveryGameItsGridsBack) {
    ASSERT_EQ(Run({"grilles", "ajouter", "0", "3 12 25 31 40 49"}).status, 0);
    ASSERT_EQ(Run({"grilles", "ajouter", "2", "5 17 22 38 44", "2 9"}).status, 0);
    ASSERT_EQ(Run({"grilles", "ajouter", "5", "1 2 3 4 5 6", "1 2 3 4 5 6 7 8 9 10 11"}).status, 0);
    const std::string before = Listed();

    auto exported = Run({"grilles", "exporter", "mes.vavuze"});
    EXPECT_EQ(exported.status, 0) << exported.err;
    EXPECT_EQ(exported.out, "Grilles exporté dans " + (work / "mes.vavuze").string() + "\n");
    EXPECT_EQ(std::filesystem::file_size(work / "mes.vavuze"), 29u + 10 + 20 + 4 + 22);

    ASSERT_EQ(Run({"grilles", "supprimer", "5", "1"}).status, 0);
    ASSERT_EQ(Run({"grilles", "ajouter", "1", "1 2 3 4 5 6"}).status, 0);
    auto imported = Run({"grilles", "importer", "mes.vavuze"});
    EXPECT_EQ(imported.status, 0) << imported.err;
    EXPECT_EQ(imported.out, "Grilles importés\n");
    EXPECT_EQ(Listed(), before);
    // The profile's copy follows the import.
    EXPECT_EQ(SettingsStore(SettingsFile())
                  .ReadInteger("\\Software\\VELMORA\\QUINTARO\\GRILLES\\SLOTO", "nb"),
              0);
}

TEST_F(CliGridsTest, AFileThatCannotBeReadOrWrittenChangesNothing) {
    ASSERT_EQ(Run({"grilles", "ajouter", "0", "3 12 25 31 40 49"}).status, 0);
    test::WriteFile(work / "autre.vavuze", "DQUINTARo");
    test::WriteFile(work / "abime.vavuze", "DQUINTARO" + std::string(4, '\xFF'));
    struct Case {
        const char* file;
        std::string message;
    };
    const Case cases[] = {
        {"autre.vavuze", "Le fichier " + (work / "autre.vavuze").string() +
                             " n'est pas un fichier Quintaro valide\n"},
        {"absent.vavuze", "Le fichier " + (work / "absent.vavuze").string() +
                              " n'est pas un fichier Quintaro valide\n"},
        {"abime.vavuze", "Le fichier " + (work / "abime.vavuze").string() + " est corrompu\n"},
    };
    for (const Case& c : cases) {
        auto result = Run({"grilles", "importer", c.file});
        EXPECT_EQ(result.status, 1) << c.file;
        EXPECT_NE(result.err.find(c.message), std::string::npos) << result.err;
    }
    EXPECT_EQ(Listed(), "grille\t0\t1\t3 12 25 31 40 49\t-\n");

    auto unwritable = Run({"grilles", "exporter", "absent/mes.vavuze"});
    EXPECT_EQ(unwritable.status, 1);
    EXPECT_EQ(unwritable.out, "");
    EXPECT_NE(unwritable.err.find("Impossible d'écrire le fichier \"" +
                                  (work / "absent" / "mes.vavuze").string() + "\""),
              std::string::npos);
}

TEST_F(CliGridsTest, TheProfilesCopyFollowsOnlyWhenTheSettingAsksForIt) {
    const std::string loto = "\\Software\\VELMORA\\QUINTARO\\GRILLES\\LOTO";
    ASSERT_EQ(Run({"grilles", "ajouter", "0", "3 12 25 31 40 49"}).status, 0);
    EXPECT_EQ(SettingsStore(SettingsFile()).ReadInteger(loto, "nb"), 1);
    {
        SettingsStore settings(SettingsFile());
        settings.WriteInteger(kConfigurationKey, "sauveBoule", 0);
        settings.Save();
    }
    ASSERT_EQ(Run({"grilles", "ajouter", "0", "1 2 3 4 5 6"}).status, 0);
    EXPECT_EQ(SettingsStore(SettingsFile()).ReadInteger(loto, "nb"), 1);
}

} // namespace
} // namespace quintaro
