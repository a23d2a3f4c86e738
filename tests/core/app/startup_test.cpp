#include "core/app/startup.h"
#include "core/store/schema.h"
#include "core/winnings/combination_table.h"
#include "support/temp_dir.h"

#include <gtest/gtest.h>
#include <random>

namespace quintaro {
namespace {

using Lines = std::vector<std::string>;

class RecordingHost : public StartupHost {
public:
    void SplashMessage(const std::string& text) override { lines.push_back(text); }
    void ProcessPendingMessages() override { lines.push_back("<messages>"); }
    Lines lines;
};

class StartupTest : public ::testing::Test {
protected:
    StartupTest() : settings(config / "settings.reg") { test::WriteInstallation(app.path()); }
    StartupOutcome Start() {
        host.lines.clear();
        context = std::make_unique<AppContext>();
        context->where = InstallationIn(app.path(), work.path());
        context->settings = &settings;
        return RunStartupSequence(*context, host);
    }
    test::TempDir app, work, config;
    SettingsStore settings;
    RecordingHost host;
    std::unique_ptr<AppContext> context;
};

TEST_F(StartupTest, FirstStartBuildsTheDatabaseAndALaterStartKeepsIt) {
    StartupOutcome first = Start();
    ASSERT_TRUE(first.ok) << first.errorText;
    EXPECT_EQ(host.lines,
              (Lines{"Démarrage", "base non conforme", "Base régénérée", "Chargement des données",
                     "<messages>", "Données Chargées ", "Démarrage OK"}));
    EXPECT_TRUE(std::filesystem::exists(work / "quintaro.sdb"));
    EXPECT_EQ(context->catalogue.CatalogueCount, 6);
    context->md->Connection().Execute("insert into listegrille values (1, 0, 7)");

    StartupOutcome later = Start();
    ASSERT_TRUE(later.ok) << later.errorText;
    EXPECT_EQ(host.lines, (Lines{"Démarrage", "base oK ", "Chargement des données", "<messages>",
                                 "Données Chargées ", "Démarrage OK"}));
    auto q = context->md->Connection().Prepare("select count(*) from listegrille");
    q.Next();
    EXPECT_EQ(q.Int(0), 1);
}

TEST_F(StartupTest, BadCatalogueStopsBeforeTheSchemaIsTouched) {
    const std::string foreign = "a file of someone else";
    test::WriteFile(work / "quintaro.sdb", foreign);
    struct Case {
        const char* ini;
        const char* message;
    };
    const Case cases[] = {
        {"[fichier]\nnombre=0\n", "Fichier INI non conforme"},
        {"[fichier]\nnombre=-2\n", "Erreur de vérification d'étendue"},
        {"[fichier]\nnombre=1\n[adresse]\nlib0=Loto\n", "Fichier INI non conforme"},
    };
    for (const Case& c : cases) {
        test::WriteFile(app / "quintaro.INI", c.ini);
        StartupOutcome outcome = Start();
        EXPECT_FALSE(outcome.ok);
        EXPECT_EQ(outcome.errorText, c.message);
        EXPECT_EQ(host.lines, Lines{"Démarrage"});
        EXPECT_EQ(test::ReadFile(work / "quintaro.sdb"), foreign);
    }
    std::filesystem::remove(app / "quintaro.INI");
    EXPECT_EQ(Start().errorText, "Fichier INI non conforme");
}

TEST_F(StartupTest, ConnectionFailureShowsTheComposedMessage) {
    std::filesystem::create_directories(work / "quintaro.sdb" / "x");
    StartupOutcome outcome = Start();
    EXPECT_FALSE(outcome.ok);
    const std::string message =
        "/!\\ Erreur lors de la connexion au moteur de la base de donnée /!\\\r\n"
        "unable to open database file";
    EXPECT_EQ(outcome.errorText, message);
    EXPECT_EQ(host.lines, (Lines{"Démarrage", message}));
    EXPECT_TRUE(std::filesystem::exists(work / "quintaro.sdb" / "x"));
}

TEST_F(StartupTest, AStartAfterTheCauseIsFixedWorks) {
    test::WriteFile(app / "quintaro.INI", "[fichier]\n");
    EXPECT_FALSE(Start().ok);
    test::WriteFile(app / "quintaro.INI", test::SixGameCatalogue());
    StartupOutcome outcome = Start();
    EXPECT_TRUE(outcome.ok) << outcome.errorText;
    EXPECT_EQ(host.lines,
              (Lines{"Démarrage", "base non conforme", "Base régénérée", "Chargement des données",
                     "<messages>", "Données Chargées ", "Démarrage OK"}));
}

std::string RandomBytes(std::size_t size) {
    std::mt19937 random(12345);
    std::string bytes(size, '\0');
    for (char& c : bytes)
        c = static_cast<char>(random());
    return bytes;
}

TEST_F(StartupTest, CombinationTablesFailureStopsBeforeTheSchemaTest) {
    const std::string foreign = "not a database";
    test::WriteFile(work / "quintaro.sdb", foreign);
    const std::string heading = "/!\\ Erreur lors du chargement des tables de calculs /!\\\r\n";
    struct Case {
        const char* what;
        std::string content; // empty: no file
        std::string text;
    };
    const Case cases[] = {
        {"missing", "", "Fichier introuvable"},
        {"one byte short", std::string(CombinationTable::kSize - 1, '\0'),
         "Lecture au-delà de la fin de fichier"},
        {"random bytes", RandomBytes(CombinationTable::kSize),
         "Tables de calculs non conformes aux règles des gains"},
    };
    for (const Case& c : cases) {
        std::filesystem::remove(app / "quintaro.dat");
        if (!c.content.empty())
            test::WriteFile(app / "quintaro.dat", c.content);
        StartupOutcome outcome = Start();
        EXPECT_EQ(outcome.errorText, heading + c.text) << c.what;
        EXPECT_EQ(host.lines, (Lines{"Démarrage", heading + c.text})) << c.what;
        EXPECT_EQ(test::ReadFile(work / "quintaro.sdb"), foreign);
    }
}

TEST_F(StartupTest, GridsSavedInTheProfileComeBackOnlyIntoARebuiltDatabase) {
    const std::string loto = "\\Software\\VELMORA\\QUINTARO\\GRILLES\\LOTO";
    settings.WriteInteger(loto, "nb", 1);
    for (int j = 1; j <= 10; ++j)
        settings.WriteInteger(loto + "\\G0000", (j < 10 ? "B0" : "B") + std::to_string(j),
                              j <= 6 ? j * 7 : 0);
    ASSERT_TRUE(Start().ok);
    context->md->LoadGrids();
    ASSERT_EQ(context->md->GridCount(0), 1);
    EXPECT_EQ(context->md->Grids(0)[0].main, (GridSet{7, 14, 21, 28, 35, 42}));

    context->md->Connection().Execute("delete from listegrille");
    ASSERT_TRUE(Start().ok);
    context->md->LoadGrids();
    EXPECT_EQ(context->md->GridCount(0), 0);
}

// A grid backup that cannot be read stops the start-up before the new database takes the old
// one's place: nothing is half-restored, and once the backup is mended the next start restores
// every game.
TEST_F(StartupTest, AFailedGridRestoreLeavesTheOldDatabaseForTheNextStart) {
    const std::string old = "an older database";
    test::WriteFile(work / "quintaro.sdb", old);
    const std::string grilles = "\\Software\\VELMORA\\QUINTARO\\GRILLES\\";
    for (const char* game : {"LOTO", "SLOTO"}) {
        settings.WriteInteger(grilles + game, "nb", 1);
        for (int j = 1; j <= 10; ++j)
            settings.WriteInteger(grilles + game + "\\G0000",
                                  (j < 10 ? "B0" : "B") + std::to_string(j), j <= 6 ? j * 7 : 0);
    }
    settings.WriteString(grilles + "SLOTO", "nb", "un");
    StartupOutcome outcome = Start();
    EXPECT_FALSE(outcome.ok);
    EXPECT_EQ(outcome.errorText, "Type de données incorrect pour 'nb'");
    EXPECT_EQ(host.lines, (Lines{"Démarrage", "base non conforme"}));
    context.reset();
    EXPECT_EQ(test::ReadFile(work / "quintaro.sdb"), old);
    EXPECT_EQ(std::distance(std::filesystem::directory_iterator(work.path()),
                            std::filesystem::directory_iterator()),
              1);

    settings.WriteInteger(grilles + "SLOTO", "nb", 1);
    ASSERT_TRUE(Start().ok);
    context->md->LoadGrids();
    EXPECT_EQ(context->md->GridCount(0), 1);
    EXPECT_EQ(context->md->GridCount(1), 1);
}

// Only a database that was read and found to differ, or a file that is no database or is
// damaged, is rebuilt; one that cannot be read is left alone with every draw and grid.
TEST_F(StartupTest, ADatabaseHeldByAnotherProgramIsNeverRebuilt) {
    ASSERT_TRUE(Start().ok);
    context->md->Connection().Execute("insert into listegrille values (1, 0, 7)");
    context.reset();

    SqlConnection other;
    other.Open(work / "quintaro.sdb");
    other.Execute("begin exclusive transaction");
    StartupOutcome outcome = Start();
    EXPECT_FALSE(outcome.ok);
    const std::string heading = "/!\\ Erreur lors de la lecture de la base /!\\\r\n";
    const std::string text = "La base " + (work / "quintaro.sdb").string() +
                             " est verrouillée par un autre programme : fermez-le puis relancez "
                             "Quintaro (database is locked)";
    EXPECT_EQ(outcome.errorText, heading + text);
    EXPECT_EQ(host.lines, (Lines{"Démarrage", heading + text}));
    other.Execute("rollback transaction");
    other.Close();

    ASSERT_TRUE(Start().ok);
    auto q = context->md->Connection().Prepare("select count(*) from listegrille");
    q.Next();
    EXPECT_EQ(q.Int(0), 1);
}

TEST_F(StartupTest, AFileThatIsNoDatabaseOrIsDamagedIsRebuilt) {
    ASSERT_TRUE(Start().ok);
    context.reset();
    std::string damaged = test::ReadFile(work / "quintaro.sdb");
    damaged.replace(100, 200, 200, '\x5a'); // the page of the schema table
    const std::pair<const char*, std::string> cases[] = {
        {"text", "not a database at all, just some text long enough to be read as a header"},
        {"damaged pages", damaged},
    };
    for (const auto& [what, content] : cases) {
        test::WriteFile(work / "quintaro.sdb", content);
        StartupOutcome outcome = Start();
        ASSERT_TRUE(outcome.ok) << what << ": " << outcome.errorText;
        EXPECT_EQ(host.lines[1], "base non conforme") << what;
        EXPECT_TRUE(context->md->SchemaConforms()) << what;
        context.reset();
    }
}

} // namespace
} // namespace quintaro
