#include "core/db/sqlite_db.h"
#include "support/temp_dir.h"

#include <gtest/gtest.h>

namespace quintaro {
namespace {

class SqliteTest : public ::testing::Test {
protected:
    void SetUp() override {
        db.Open(dir / "t.sdb");
        db.Execute("create table t (i INTEGER, r REAL, s VARCHAR(7))");
    }
    test::TempDir dir;
    SqlConnection db;
};

TEST_F(SqliteTest, NamedParametersAreBoundAsTypedValues) {
    auto insert = db.Prepare("insert into t values (:i, :r, :s)");
    insert.Set("i", std::int64_t{42});
    insert.Set("r", 2.5);
    insert.Set("s", std::string("l'été; \"x\""));
    insert.Execute();
    // A value stays set across executions until set again.
    insert.Set("s", std::monostate{});
    insert.Execute();

    auto query = db.Prepare("select typeof(i) as ti, typeof(r) as tr, i, r, s from t order by "
                            "rowid");
    ASSERT_TRUE(query.Next());
    EXPECT_EQ(query.Text("TI"), "integer");
    EXPECT_EQ(query.Text("tr"), "real");
    EXPECT_EQ(query.Int("i"), 42);
    EXPECT_DOUBLE_EQ(query.Double("r"), 2.5);
    EXPECT_EQ(query.Text("s"), "l'été; \"x\"");
    ASSERT_TRUE(query.Next());
    EXPECT_EQ(query.Int("i"), 42);
    EXPECT_TRUE(query.IsNull(4));
    EXPECT_EQ(query.Text("s"), "");
    EXPECT_EQ(query.Int(4), 0);
    EXPECT_FALSE(query.Next());
    // A finished query runs anew.
    EXPECT_TRUE(query.Next());
}

TEST_F(SqliteTest, FailuresCarrySqliteText) {
    try {
        db.Execute("insert into nowhere values (1)");
        FAIL();
    } catch (const SqlError& e) {
        EXPECT_STREQ(e.what(), "no such table: nowhere");
    }
    auto query = db.Prepare("select i from t");
    EXPECT_THROW(query.Int("missing"), SqlError);
    EXPECT_THROW(query.Set("missing", std::int64_t{1}), SqlError);
}

TEST_F(SqliteTest, ConstraintFailureLeavesStatementReusable) {
    db.Execute("create table k (a INTEGER PRIMARY KEY)");
    auto insert = db.Prepare("insert into k values (:a)");
    insert.Set("a", std::int64_t{1});
    insert.Execute();
    EXPECT_THROW(insert.Execute(), SqlError);
    insert.Set("a", std::int64_t{2});
    EXPECT_NO_THROW(insert.Execute());
}

TEST_F(SqliteTest, ClosedConnectionReportsWhyItIsClosed) {
    SqlConnection other;
    EXPECT_THROW(other.Open(dir / "missing-dir" / "x.sdb"), SqlError);
    try {
        other.Execute("select 1");
        FAIL();
    } catch (const SqlError& e) {
        EXPECT_STREQ(e.what(), "unable to open database file");
    }
}

} // namespace
} // namespace quintaro
