// The companion killed at random moments of a full reset and of a database rebuild, or stopped
// by a full disk during an update: whatever the moment, the next start finds a conforming
// database, every results file stored whole or not at all, and every grid.
#include "cli/companion.h"
#include "core/db/sqlite_db.h"
#include "core/settings/settings_store.h"
#include "core/store/games.h"
#include "support/demo_installation.h"

#include <charconv>
#include <chrono>
#include <gtest/gtest.h>
#include <map>

namespace quintaro {
namespace {

using Clock = std::chrono::steady_clock;

// The games of the demo catalogue, by type.
constexpr const char* kLabels[] = {"Loto",     "Super Loto",     "Euromillion",
                                   "New Loto", "New Super Loto", "New Euromillion"};

// The draws that the success lines of an update's log say were added, by game.
std::vector<std::int64_t> AddedPerGame(const std::string& log) {
    std::vector<std::int64_t> added;
    for (const char* label : kLabels) {
        const std::string success = "Mise à jour du " + std::string(label) + " terminée ajout de ";
        std::int64_t sum = 0;
        for (auto at = log.find(success); at != std::string::npos; at = log.find(success, at + 1)) {
            std::int64_t count = 0;
            const char* digits = log.data() + at + success.size();
            std::from_chars(digits, log.data() + log.size(), count);
            sum += count;
        }
        added.push_back(sum);
    }
    return added;
}

class KillTest : public ::testing::Test {
protected:
    KillTest() {
        // The demo installation the build lays beside the companion, copied so that nothing
        // here touches it.
        test::CopyDemoInstallation(std::filesystem::path(QUINTARO_CLI_PATH).parent_path(),
                                   companion.app.path());
    }

    test::ProcessResult Run(std::vector<std::string> command) {
        return companion.Run(std::move(command));
    }
    std::filesystem::path Database() const { return companion.DatabaseFile(); }
    std::vector<std::string> Maj(const char* command) {
        std::vector<std::string> args{command, "--mode", "fichiers", "--dossier",
                                      companion.app.path().string()};
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
    // The draws of each results file, by game and prize rules: the demo splits a game's history
    // into one file per formula of the game, where its rules change.
    using FileCounts = std::map<std::pair<int, int>, std::int64_t>;
    FileCounts DrawsPerFile(SqlConnection& db) {
        FileCounts counts;
        auto q = db.Prepare("select type, date from listetirage");
        while (q.Next()) {
            const int type = static_cast<int>(q.Int(0));
            ++counts[{type, FamilyOn(type, q.Double(1))}];
        }
        return counts;
    }
    // Each results file's draws all there or none, and no balls, prize ranks or Joker of a draw
    // that is not stored.
    void ExpectEachFileWholeOrAbsent(const FileCounts& full, const std::string& when) {
        SqlConnection db;
        db.Open(Database());
        FileCounts counts = DrawsPerFile(db);
        for (const auto& [file, draws] : full)
            EXPECT_TRUE(counts[file] == 0 || counts[file] == draws)
                << "type " << file.first << ", family " << file.second << ": " << counts[file]
                << " of " << draws << " " << when;
        for (const char* orphans : {"select count(*) from listeboules where reftirage not in "
                                    "(select reftirage from listetirage)",
                                    "select count(*) from listegain where reftirage not in "
                                    "(select reftirage from listetirage)",
                                    "select count(*) from listejoker where fkreftirage not in "
                                    "(select reftirage from listetirage)"})
            EXPECT_EQ(Scalar(db, orphans), 0) << orphans << " " << when;
    }

    test::Companion companion;
};

TEST_F(KillTest, AFullResetKilledAtAnyMomentLeavesEachFileWholeOrAbsent) {
    ASSERT_EQ(Run(Maj("maj")).status, 0);
    FileCounts full;
    {
        SqlConnection db;
        db.Open(Database());
        db.Execute("insert into listegrille values (1, 0, 7), (1, 0, 14), (1, 2, 3), (1, 12, 5)");
        full = DrawsPerFile(db);
    }
    // Over the whole run, and closely around the emptying of the tables, which follows the
    // start-up.
    const auto startup = Length({"demarrage"});
    auto moments = Spread(startup, startup + std::chrono::milliseconds(20), 12);
    for (const auto moment : Spread(startup, Length(Maj("maj-total")), 8))
        moments.push_back(moment);
    int killed = 0;
    for (const auto moment : moments) {
        killed += companion.RunAndKill(Maj("maj-total"), moment);
        const test::ProcessResult start = Run({"demarrage"});
        ASSERT_EQ(start.status, 0) << start.err;
        EXPECT_NE(start.out.find("base oK "), std::string::npos) << moment.count() << start.out;
        ExpectEachFileWholeOrAbsent(full, "after " + std::to_string(moment.count()) + " µs");
        {
            SqlConnection db;
            db.Open(Database());
            EXPECT_EQ(Scalar(db, "select count(*) from listegrille"), 4);
        }
        // The next update goes through and brings back whatever the reset had emptied.
        const test::ProcessResult update = Run(Maj("maj"));
        EXPECT_EQ(update.status, 0) << update.out << update.err;
        SqlConnection db;
        db.Open(Database());
        EXPECT_EQ(DrawsPerFile(db), full) << "after " << moment.count() << " µs";
    }
    EXPECT_GT(killed, 0);
}

// The database cannot grow past a limit, set at several sizes between the empty database and
// the full one, as a disk that fills up during the update. Each failed import is said and
// rolled back, and the next update, with room, brings everything.
TEST_F(KillTest, AFullDiskDuringAnUpdateLeavesEachFileWholeOrAbsent) {
    ASSERT_EQ(Run({"demarrage"}).status, 0);
    const std::string empty = test::ReadFile(Database());
    ASSERT_EQ(Run(Maj("maj")).status, 0);
    FileCounts full;
    {
        SqlConnection db;
        db.Open(Database());
        full = DrawsPerFile(db);
    }
    const std::uint64_t fullSize = std::filesystem::file_size(Database());
    for (int eighths : {1, 3, 5, 7}) {
        const std::uint64_t limit = empty.size() + (fullSize - empty.size()) * eighths / 8;
        const std::string when = "with room for " + std::to_string(limit) + " bytes";
        test::WriteFile(Database(), empty);
        const test::ProcessResult update = companion.Run(Maj("maj"), limit);
        EXPECT_EQ(update.status, 3) << when << "\n" << update.out << update.err;
        EXPECT_NE(update.out.find("Mise à jour terminée"), std::string::npos) << when;
        ExpectEachFileWholeOrAbsent(full, when);
        // The log tells each stored file from each rolled-back one: the draws its success lines
        // say they added are those stored.
        SqlConnection stored;
        stored.Open(Database());
        EXPECT_EQ(AddedPerGame(update.out), DrawsPerType(stored)) << when << "\n" << update.out;
        stored.Close();

        const test::ProcessResult start = Run({"demarrage"});
        EXPECT_NE(start.out.find("base oK "), std::string::npos) << when << start.out;
        EXPECT_EQ(Run(Maj("maj")).status, 0) << when;
        SqlConnection db;
        db.Open(Database());
        EXPECT_EQ(DrawsPerFile(db), full) << when;
    }
}

TEST_F(KillTest, ARebuildKilledAtAnyMomentLosesNoGrid) {
    // Grids saved in the profile; a database of another schema that the start-up rebuilds.
    SettingsStore settings(companion.SettingsFile());
    const std::string loto = "\\Software\\VELMORA\\QUINTARO\\GRILLES\\LOTO";
    constexpr int kGrids = 40;
    settings.WriteInteger(loto, "nb", kGrids);
    for (int k = 0; k < kGrids; ++k) {
        char subKey[16];
        std::snprintf(subKey, sizeof subKey, "\\G%04d", k);
        for (int j = 1; j <= 10; ++j)
            settings.WriteInteger(loto + subKey, (j < 10 ? "B0" : "B") + std::to_string(j),
                                  j <= 6 ? (k + j * 7) % 49 + 1 : 0);
    }
    settings.Save();
    const auto oldDatabase = [this] {
        std::filesystem::create_directories(Database().parent_path());
        std::filesystem::remove(Database());
        SqlConnection db;
        db.Open(Database());
        db.Execute("create table listetirage (reftirage integer)");
    };
    const std::string old = [&] {
        oldDatabase();
        return test::ReadFile(Database());
    }();

    oldDatabase();
    const auto length = Length({"demarrage"});
    int killed = 0;
    for (const auto moment : Spread(length / 4, length, 10)) {
        oldDatabase();
        killed += companion.RunAndKill({"demarrage"}, moment);
        // Either the old file, untouched, or the new one with every grid.
        if (test::ReadFile(Database()) != old) {
            SqlConnection db;
            db.Open(Database());
            EXPECT_EQ(Scalar(db, "select count(distinct numgrille) from listegrille"), kGrids)
                << "after " << moment.count() << " µs";
        }
        const test::ProcessResult start = Run({"demarrage"});
        ASSERT_EQ(start.status, 0) << start.err;
        SqlConnection db;
        db.Open(Database());
        EXPECT_EQ(Scalar(db, "select count(distinct numgrille) from listegrille"), kGrids)
            << "after " << moment.count() << " µs";
    }
    EXPECT_GT(killed, 0);
}

} // namespace
} // namespace quintaro
