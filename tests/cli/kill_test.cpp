// The companion killed at random moments of a full reset and of a database rebuild: whatever
// the moment, the next start finds a conforming database, every results file stored whole or
// not at all, and every grid.
#include "core/settings/settings_store.h"
#include "core/db/sqlite_db.h"
#include "support/process.h"
#include "support/temp_dir.h"
#include "support/user_folders.h"

#include <chrono>
#include <gtest/gtest.h>

namespace quintaro {
namespace {

using Clock = std::chrono::steady_clock;

class KillTest : public ::testing::Test {
protected:
    KillTest() {
        // The demo installation the build lays beside the companion, copied so that nothing
        // here touches it.
        const std::filesystem::path bin = std::filesystem::path(QUINTARO_CLI_PATH).parent_path();
        for (const char* file :
             {"quintaro.INI", "quintaro.dat", "loto.csv", "superloto.csv", "euromillion.csv",
              "nouveau_loto.csv", "nouveau_superloto.csv", "nouvel_euromillion.csv"})
            std::filesystem::copy_file(bin / file, app / file);
    }

    std::vector<std::string> Args(std::vector<std::string> command) const {
        command.insert(command.begin(), {"--app-dir", app.path().string()});
        return command;
    }
    std::vector<std::string> Environment() const { return user.Environment(); }
    test::ProcessResult Run(std::vector<std::string> command) {
        return test::RunProcess(QUINTARO_CLI_PATH, Args(std::move(command)), work.path(),
                                Environment());
    }
    std::vector<std::string> Maj(const char* command) {
        std::vector<std::string> args{command, "--mode", "fichiers", "--dossier",
                                      app.path().string()};
        if (std::string(command) == "maj-total")
            args.push_back("--oui");
        return args;
    }
    // How long a complete run takes.
    std::chrono::microseconds Length(const std::vector<std::string>& command) {
        const auto start = Clock::now();
        const test::ProcessResult result = Run(command);
        EXPECT_EQ(result.status, 0) << result.err;
        return std::chrono::duration_cast<std::chrono::microseconds>(Clock::now() - start);
    }
    // `count` moments spread evenly from `from` to `to`.
    static std::vector<std::chrono::microseconds> Spread(std::chrono::microseconds from,
                                                         std::chrono::microseconds to, int count) {
        std::vector<std::chrono::microseconds> moments;
        for (int k = 0; k < count; ++k)
            moments.push_back(from + (to - from) * k / count);
        return moments;
    }

    std::int64_t Scalar(SqlConnection& db, const std::string& sql) {
        auto q = db.Prepare(sql);
        q.Next();
        return q.Int(0);
    }
    std::vector<std::int64_t> DrawsPerType(SqlConnection& db) {
        std::vector<std::int64_t> counts;
        for (int t = 0; t < 6; ++t)
            counts.push_back(
                Scalar(db, "select count(*) from listetirage where type = " + std::to_string(t)));
        return counts;
    }

    test::TempDir app, work;
    test::UserFolders user;
};

TEST_F(KillTest, AFullResetKilledAtAnyMomentLeavesEachFileWholeOrAbsent) {
    ASSERT_EQ(Run(Maj("maj")).status, 0);
    std::vector<std::int64_t> full;
    {
        SqlConnection db;
        db.Open(user.Database());
        db.Execute("insert into listegrille values (1, 0, 7), (1, 0, 14), (1, 2, 3), (1, 12, 5)");
        full = DrawsPerType(db);
    }
    // Over the whole run, and closely around the emptying of the tables, which follows the
    // start-up.
    const auto startup = Length({"demarrage"});
    auto moments = Spread(startup, startup + std::chrono::milliseconds(20), 12);
    for (const auto moment : Spread(startup, Length(Maj("maj-total")), 8))
        moments.push_back(moment);
    int killed = 0;
    for (const auto moment : moments) {
        killed += test::RunAndKill(QUINTARO_CLI_PATH, Args(Maj("maj-total")), work.path(),
                                   Environment(), moment);
        const test::ProcessResult start = Run({"demarrage"});
        ASSERT_EQ(start.status, 0) << start.err;
        EXPECT_NE(start.out.find("base oK "), std::string::npos) << moment.count() << start.out;
        {
            SqlConnection db;
            db.Open(user.Database());
            const auto counts = DrawsPerType(db);
            for (std::size_t t = 0; t < counts.size(); ++t)
                EXPECT_TRUE(counts[t] == 0 || counts[t] == full[t])
                    << "type " << t << ": " << counts[t] << " of " << full[t] << " after "
                    << moment.count() << " µs";
            for (const char* orphans : {"select count(*) from listeboules where reftirage not in "
                                        "(select reftirage from listetirage)",
                                        "select count(*) from listegain where reftirage not in "
                                        "(select reftirage from listetirage)",
                                        "select count(*) from listejoker where fkreftirage not in "
                                        "(select reftirage from listetirage)"})
                EXPECT_EQ(Scalar(db, orphans), 0) << orphans << " after " << moment.count();
            EXPECT_EQ(Scalar(db, "select count(*) from listegrille"), 4);
        }
        // The next update goes through and brings back whatever the reset had emptied.
        const test::ProcessResult update = Run(Maj("maj"));
        EXPECT_EQ(update.status, 0) << update.out << update.err;
        SqlConnection db;
        db.Open(user.Database());
        EXPECT_EQ(DrawsPerType(db), full) << "after " << moment.count() << " µs";
    }
    EXPECT_GT(killed, 0);
}

TEST_F(KillTest, ARebuildKilledAtAnyMomentLosesNoGrid) {
    // Grids saved in the profile; a database of another schema that the start-up rebuilds.
    SettingsStore settings(user.SettingsFile());
    const std::string loto = "\\Software\\VELMORA\\QUINTARO\\GRILLES\\LOTO";
    constexpr int kGrids = 40;
    settings.WriteInteger(loto, "nb", kGrids);
    for (int k = 0; k < kGrids; ++k) {
        char subKey[8];
        std::snprintf(subKey, sizeof subKey, "\\G%04d", k);
        for (int j = 1; j <= 10; ++j)
            settings.WriteInteger(loto + subKey, (j < 10 ? "B0" : "B") + std::to_string(j),
                                  j <= 6 ? (k + j * 7) % 49 + 1 : 0);
    }
    settings.Save();
    const auto oldDatabase = [this] {
        std::filesystem::create_directories(user.Database().parent_path());
        std::filesystem::remove(user.Database());
        SqlConnection db;
        db.Open(user.Database());
        db.Execute("create table listetirage (reftirage integer)");
    };
    const std::string old = [&] {
        oldDatabase();
        return test::ReadFile(user.Database());
    }();

    oldDatabase();
    const auto length = Length({"demarrage"});
    int killed = 0;
    for (const auto moment : Spread(length / 4, length, 10)) {
        oldDatabase();
        killed += test::RunAndKill(QUINTARO_CLI_PATH, Args({"demarrage"}), work.path(),
                                   Environment(), moment);
        // Either the old file, untouched, or the new one with every grid.
        if (test::ReadFile(user.Database()) != old) {
            SqlConnection db;
            db.Open(user.Database());
            EXPECT_EQ(Scalar(db, "select count(distinct numgrille) from listegrille"), kGrids)
                << "after " << moment.count() << " µs";
        }
        const test::ProcessResult start = Run({"demarrage"});
        ASSERT_EQ(start.status, 0) << start.err;
        SqlConnection db;
        db.Open(user.Database());
        EXPECT_EQ(Scalar(db, "select count(distinct numgrille) from listegrille"), kGrids)
            << "after " << moment.count() << " µs";
    }
    EXPECT_GT(killed, 0);
}

} // namespace
} // namespace quintaro
