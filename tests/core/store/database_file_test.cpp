#include "core/store/catalogue.h"
#include "core/store/schema.h"
#include "core/datastore/tmd.h"
#include "support/temp_dir.h"

#include <gtest/gtest.h>
#include <vector>

namespace quintaro {
namespace {

using test::TempDir;

class SchemaTest : public ::testing::Test {
protected:
    void SetUp() override {
        test::WriteFile(app / "quintaro.INI", test::SixGameCatalogue());
        LoadSourceCatalogue(cat, app / "quintaro.INI");
        md = NewStore([this](const std::string& text) { dialogs.push_back(text); });
    }

    std::unique_ptr<Tmd> NewStore(std::function<void(const std::string&)> dialog = nullptr) {
        return std::make_unique<Tmd>(work / "quintaro.sdb", app / "quintaro.dat", cat, settings,
                                     UserDialogs{std::move(dialog), nullptr});
    }

    // Creates the tables of the schema in a fresh file, with statement k replaced.
    void BuildDatabase(std::size_t replaced = kSchemaSize, const std::string& statement = "") {
        SqlConnection db;
        db.Open(md->DatabasePath());
        for (std::size_t k = 0; k < kSchemaSize; ++k)
            if (k != replaced || !statement.empty())
                db.Execute(k == replaced ? statement : std::string(SchemaStatements[k]));
    }

    std::vector<std::pair<std::int64_t, std::string>> Types() {
        std::vector<std::pair<std::int64_t, std::string>> rows;
        auto q = md->Connection().Prepare("select refType, libelle from listetype order by rowid");
        while (q.Next())
            rows.emplace_back(q.Int(0), q.Text(1));
        return rows;
    }

    // One row in each draw table and in stat.
    void FillDrawTables() {
        SqlConnection& db = md->Connection();
        db.Execute("insert into listetirage values (1, 40000, 1, 1, 0, 1, 2, 3, 4, 5, 6, 7)");
        db.Execute("insert into listejoker values (1, '1234567', 0)");
        db.Execute("insert into listegain values (1, 1, 100.0, 1, 1)");
        db.Execute("insert into listeboules values (1, 1, 1)");
        db.Execute("insert into stat values (0, 1, 1, 1.0, 40000, 1, 0)");
    }

    std::int64_t Count(const std::string& table) {
        auto q = md->Connection().Prepare("select count(*) from " + table);
        q.Next();
        return q.Int(0);
    }

    TempDir app, work, config;
    SettingsStore settings{config / "settings.reg"};
    Catalogue cat;
    std::unique_ptr<Tmd> md;
    std::vector<std::string> dialogs;
};

TEST_F(SchemaTest, RegeneratedDatabaseConformsAndHoldsTheExactStatements) {
    ASSERT_TRUE(md->Connect());
    EXPECT_FALSE(md->SchemaConforms());
    ASSERT_TRUE(md->RegenerateDatabase());
    EXPECT_TRUE(md->SchemaConforms());

    auto q = md->Connection().Prepare("select name, sql from sqlite_master where type = 'table'");
    std::size_t k = 0;
    while (q.Next()) {
        ASSERT_LT(k, kSchemaSize);
        EXPECT_EQ(q.Text(0), SchemaTables[k].name);
        EXPECT_EQ(q.Text(1), SchemaStatements[k]);
        ++k;
    }
    EXPECT_EQ(k, kSchemaSize);
    const auto types = Types();
    ASSERT_EQ(types.size(), 6u);
    EXPECT_EQ(types[2], (std::pair<std::int64_t, std::string>{2, "Euromillion"}));
    EXPECT_EQ(types[5], (std::pair<std::int64_t, std::string>{5, "New Euromillion"}));
    EXPECT_TRUE(dialogs.empty());
}

TEST_F(SchemaTest, ExtraTablesAndViewsConform) {
    BuildDatabase();
    SqlConnection db;
    db.Open(md->DatabasePath());
    db.Execute("create table autre (x INTEGER)");
    db.Execute("create view vue as select * from listetirage");
    db.Execute("create index idx on listetirage (date)");
    db.Close();
    ASSERT_TRUE(md->Connect());
    EXPECT_TRUE(md->SchemaConforms());
}

TEST_F(SchemaTest, AnyDifferenceInATableStatementDoesNotConform) {
    const std::string type(SchemaStatements[4]);
    const std::string tirage(SchemaStatements[0]);
    const std::size_t blanks = type.find("        ");
    std::string lowerCase = type;
    lowerCase.replace(lowerCase.find("refType"), 7, "reftype");
    std::string renamed = tirage;
    renamed.replace(renamed.find("listetirage"), 11, "ListeTirage");
    struct Case {
        const char* what;
        std::size_t table;
        std::string statement;
    };
    const Case cases[] = {
        {"a blank more", 4, type.substr(0, blanks) + " " + type.substr(blanks)},
        {"a blank less", 4, type.substr(0, blanks) + type.substr(blanks + 1)},
        {"other letter case", 4, lowerCase},
        {"the table name in other case", 0, renamed},
        {"six tables", 6, ""},
    };
    for (const Case& c : cases) {
        md = NewStore();
        std::filesystem::remove(md->DatabasePath());
        BuildDatabase(c.table, c.statement);
        ASSERT_TRUE(md->Connect());
        EXPECT_FALSE(md->SchemaConforms()) << c.what;
    }
}

TEST_F(SchemaTest, ForeignOrEmptyFilesAreRebuilt) {
    const std::string contents[] = {"", "not a database at all, just text\n",
                                    std::string(4096, '\xff')};
    for (const std::string& content : contents) {
        md = NewStore();
        test::WriteFile(md->DatabasePath(), content);
        ASSERT_TRUE(md->Connect());
        EXPECT_FALSE(md->SchemaConforms());
        ASSERT_TRUE(md->RegenerateDatabase()) << md->LastError();
        EXPECT_TRUE(md->SchemaConforms());
    }
}

TEST_F(SchemaTest, SchemaQueryFailureIsReported) {
    test::WriteFile(md->DatabasePath(),
                    "SQLite format 3" + std::string(1, '\0') + std::string(200, 'x'));
    ASSERT_TRUE(md->Connect());
    EXPECT_FALSE(md->SchemaConforms());
    EXPECT_EQ(md->LastError(), "file is not a database");
}

TEST_F(SchemaTest, RegenerationRemovesAStaleJournal) {
    test::WriteFile(md->DatabasePath(), "junk");
    test::WriteFile(md->DatabasePath().string() + "-journal", std::string(1024, 'j'));
    ASSERT_TRUE(md->Connect());
    ASSERT_TRUE(md->RegenerateDatabase()) << md->LastError();
    EXPECT_FALSE(std::filesystem::exists(md->DatabasePath().string() + "-journal"));
    EXPECT_TRUE(md->SchemaConforms());
}

TEST_F(SchemaTest, DatabaseThatCannotBeDeletedIsReported) {
    std::filesystem::create_directories(md->DatabasePath() / "inside");
    EXPECT_FALSE(md->Connect());
    EXPECT_FALSE(md->RegenerateDatabase());
    EXPECT_EQ(md->LastError(), "Impossible de réinitialiser la base");
    EXPECT_TRUE(std::filesystem::exists(md->DatabasePath() / "inside"));
}

TEST_F(SchemaTest, LabelWithAQuoteIsStoredAsItIs) {
    cat.SourceCatalogue[1].lib = "L'autre Loto";
    ASSERT_TRUE(md->Connect());
    ASSERT_TRUE(md->RegenerateDatabase());
    EXPECT_EQ(Types()[1].second, "L'autre Loto");
    EXPECT_TRUE(dialogs.empty());
}

TEST_F(SchemaTest, TypeTableFailureIsShownInTheErrorDialog) {
    ASSERT_TRUE(md->Connect());
    ASSERT_TRUE(md->RegenerateDatabase());
    md->Connection().Execute("drop table listetype");
    md->FillTypeTable();
    ASSERT_EQ(dialogs.size(), 1u);
    EXPECT_EQ(dialogs[0],
              "/!\\ Erreur lors de la mise à jour de la liste des types\rno such table: listetype");
}

TEST_F(SchemaTest, ClearDrawTablesKeepsGridsAndRewritesTypes) {
    ASSERT_TRUE(md->Connect());
    ASSERT_TRUE(md->RegenerateDatabase());
    FillDrawTables();
    SqlConnection& db = md->Connection();
    db.Execute("insert into listegrille values (1, 0, 7)");
    db.Execute("delete from listetype where refType > 0");

    md->ClearDrawTables();
    for (const char* table : {"listetirage", "listejoker", "listegain", "listeboules", "stat"})
        EXPECT_EQ(Count(table), 0) << table;
    EXPECT_EQ(Count("listegrille"), 1);
    EXPECT_EQ(Types().size(), 6u);
    EXPECT_TRUE(md->SchemaConforms());
}

TEST_F(SchemaTest, ClearDrawTablesLetsFailuresThrough) {
    ASSERT_TRUE(md->Connect());
    ASSERT_TRUE(md->RegenerateDatabase());
    md->Connection().Execute("drop table listegain");
    EXPECT_THROW(md->ClearDrawTables(), SqlError);
}

// Emptied half-way, the tables would keep prize ranks and balls whose draws are gone, and the
// references given out again would clash with them: all are emptied, or none.
TEST_F(SchemaTest, ClearDrawTablesEmptiesAllTablesOrNone) {
    ASSERT_TRUE(md->Connect());
    ASSERT_TRUE(md->RegenerateDatabase());
    FillDrawTables();
    md->Connection().Execute(
        "create trigger refuse before delete on stat begin select raise(fail, 'refusé'); end");
    EXPECT_THROW(md->ClearDrawTables(), SqlError);
    for (const char* table : {"listetirage", "listejoker", "listegain", "listeboules", "stat"})
        EXPECT_EQ(Count(table), 1) << table;
}

} // namespace
} // namespace quintaro
