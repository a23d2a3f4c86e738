#include "support/store_fixture.h"

#include <gtest/gtest.h>

namespace quintaro {
namespace {

class DrawRecordsTest : public test::StoreFixture {
protected:
    std::vector<std::pair<std::int64_t, std::int64_t>> Balls(std::int32_t ref) {
        std::vector<std::pair<std::int64_t, std::int64_t>> rows;
        auto q = md->Connection().Prepare("select num, valeur from listeboules where reftirage = " +
                                          std::to_string(ref) + " order by num");
        while (q.Next())
            rows.emplace_back(q.Int(0), q.Int(1));
        return rows;
    }
};

TEST_F(DrawRecordsTest, DrawsTakeTheNextReferenceWithTheirSevenBalls) {
    md->LastDrawReference();
    EXPECT_EQ(md->LastReference(), 0);
    md->SetDrawInsertType(3);
    md->AddDraw(12, 1, 45000, 5, 10, 15, 20, 25, 7, 0);
    EXPECT_EQ(md->LastReference(), 1);
    EXPECT_EQ(Balls(1), (std::vector<std::pair<std::int64_t, std::int64_t>>{
                            {1, 5}, {2, 10}, {3, 15}, {4, 20}, {5, 25}, {6, 7}, {7, 0}}));
    // The type stays set for the following draws.
    md->AddDraw(13, 1, 45003, 1, 2, 3, 4, 5, 6, 0);
    auto q = md->Connection().Prepare("select type from listetirage where reftirage = 2");
    ASSERT_TRUE(q.Next());
    EXPECT_EQ(q.Int(0), 3);

    md->AddJoker("0123456", 0);
    TtabGain ranks;
    for (int k = 0; k < 13; ++k)
        ranks.push_back({100.0 * (k + 1), k, 2 * k});
    md->AddPrizeRanks(ranks);
    md->AddPrizeRanks({});
    const auto rows = md->PrizeRankList(2);
    ASSERT_EQ(rows.size(), 13u);
    EXPECT_EQ(rows[12].num, 13);
    EXPECT_EQ(rows[12].gain, 1300.0);
    EXPECT_EQ(rows[12].gainF, static_cast<double>(1300.0L * 6.55957L));
    EXPECT_EQ(rows[12].nbgagnants, 12);
    EXPECT_EQ(rows[12].nbgagnantseuro, 24);

    md->LastDrawReference();
    EXPECT_EQ(md->LastReference(), 2);
}

TEST_F(DrawRecordsTest, FailedInsertsReachTheCallerAndTheReferenceKeepsCounting) {
    md->LastDrawReference();
    md->SetDrawInsertType(0);
    md->AddDraw(1, 1, 45000, 1, 2, 3, 4, 5, 6, 7);
    md->AddJoker("1111111", 0);
    EXPECT_THROW(md->AddJoker("2222222", 0), SqlError); // the draw has its Joker already
    md->Connection().Execute(
        "insert into listetirage values (2, 45003, 2, 1, 0, 1, 2, 3, 4, 5, 6, 7)");
    EXPECT_THROW(md->AddDraw(2, 1, 45003, 1, 2, 3, 4, 5, 6, 7), SqlError);
    EXPECT_EQ(md->LastReference(), 2);
    md->AddDraw(3, 1, 45006, 1, 2, 3, 4, 5, 6, 7);
    EXPECT_EQ(md->LastReference(), 3);
}

TEST_F(DrawRecordsTest, ExistenceAndLatestDateOfAType) {
    AddDraw(2, 45000, {1, 2, 3, 4, 5, 6, 7}, {}, 1);
    EXPECT_TRUE(md->DrawExists(1, 1, 45000, 2));
    EXPECT_FALSE(md->DrawExists(1, 2, 45000, 2));
    EXPECT_FALSE(md->DrawExists(1, 1, 45000, 5));
    EXPECT_FALSE(md->DrawExists(1, 1, 45000.5, 2));
    EXPECT_EQ(md->LastDrawDate(2), 45000.0);
    EXPECT_EQ(md->LastDrawDate(0), 0.0);

    md->Connection().Execute("drop table listetirage");
    EXPECT_EQ(md->LastDrawDate(2), -1.0);
    EXPECT_EQ(md->LastError(), "no such table: listetirage");
    EXPECT_FALSE(md->DrawExists(1, 1, 45000, 2));
}

TEST_F(DrawRecordsTest, DrawListOfOneTypeOrOfAll) {
    AddDraw(0, 45000, {1, 2, 3, 4, 5, 6, 7});
    AddDraw(2, 45001, {1, 2, 3, 4, 5, 8, 9});
    AddDraw(4, 45002, {1, 2, 3, 4, 5, 6, 0});
    md->AddJoker("7654321", 0);
    md->OpenDrawList();
    ASSERT_EQ(md->DrawList().size(), 3u);
    md->FilterDrawList(2);
    ASSERT_EQ(md->DrawList().size(), 1u);
    EXPECT_EQ(md->DrawList()[0].libelle, "Euromillion");
    md->FilterDrawList(catalogue.CatalogueCount); // "Tous"
    const auto& rows = md->DrawList();
    ASSERT_EQ(rows.size(), 3u);
    EXPECT_EQ(rows[0].reftirage, 1);
    EXPECT_EQ(rows[2].reftirage, 3);
    EXPECT_EQ(rows[2].libelle, "New Super Loto");
    EXPECT_EQ(rows[2].joker, "7654321");
    EXPECT_TRUE(rows[2].b7Empty);
    EXPECT_FALSE(rows[0].b7Empty);
    EXPECT_EQ(rows[0].joker, "");
    EXPECT_EQ(rows[1].b[6], 9);
    EXPECT_EQ(rows[0].cldate, std::chrono::year{2023} / std::chrono::March / 15);
    md->FilterDrawList(1);
    EXPECT_TRUE(md->DrawList().empty());
}

TEST_F(DrawRecordsTest, TheSelectedDrawsRanksAndBallsAreLookedUpByIndex) {
    auto plan = [&](const std::string& query) {
        std::string details;
        auto q = md->Connection().Prepare("explain query plan " + query);
        while (q.Next())
            details += q.Text(3) + "\n";
        return details;
    };
    EXPECT_NE(plan("select * from listegain where reftirage=7").find("USING INDEX"),
              std::string::npos);
    EXPECT_NE(plan("select num , valeur from listeboules where reftirage = 7").find("USING INDEX"),
              std::string::npos);
    EXPECT_TRUE(md->SchemaConforms());
}

TEST(BallColumnHeadings, FollowTheGameOfTheDraw) {
    using H = std::pair<std::string, std::string>;
    EXPECT_EQ(BallColumnHeadings("Euromillion"), (H{"E1", "E2"}));
    EXPECT_EQ(BallColumnHeadings("New Euromillion"), (H{"E1", "E2"}));
    EXPECT_EQ(BallColumnHeadings("New Loto"), (H{"Ch", "  "}));
    EXPECT_EQ(BallColumnHeadings("New Super Loto"), (H{"Ch", "  "}));
    EXPECT_EQ(BallColumnHeadings("Loto"), (H{"B6", "BC"}));
    EXPECT_EQ(BallColumnHeadings(""), (H{"B6", "BC"}));
}

TEST_F(DrawRecordsTest, PeriodSelectionIncludesBothDaysInDateAndDrawOrder) {
    AddDraw(0, 45001, {1, 2, 3, 4, 5, 6, 7}, {}, 2);
    AddDraw(0, 45001, {11, 12, 13, 14, 15, 16, 17}, {}, 1);
    AddDraw(0, 45000, {21, 22, 23, 24, 25, 26, 27}, {}, 1);
    AddDraw(1, 45001, {1, 2, 3, 4, 5, 6, 7}, {}, 1);
    AddDraw(0, 45005, {1, 2, 3, 4, 5, 6, 7}, {}, 1);
    const ttabTirrage same = md->SelectDrawsInPeriod(0, 45001.75, 45001.2);
    ASSERT_EQ(same.size(), 2u);
    EXPECT_EQ(same[0].n_tir, 1);
    EXPECT_EQ(same[0].b1, 11);
    EXPECT_EQ(same[1].n_tir, 2);
    const ttabTirrage all = md->SelectDrawsInPeriod(0, 45000, 45004.9);
    ASSERT_EQ(all.size(), 3u);
    EXPECT_EQ(all[0].reftirage, 3);
    EXPECT_EQ(all[0].b7, 27);
    EXPECT_TRUE(md->SelectDrawsInPeriod(0, 45006, 45010).empty());
}

// The draws of a period come from memory: every change of the database, whoever makes it, shows
// in the next period.
TEST_F(DrawRecordsTest, ThePeriodsDrawsFollowEveryChangeOfTheDatabase) {
    auto refs = [&] {
        std::vector<std::int32_t> out;
        for (const DrawInPeriod& d : md->SelectDrawsInPeriod(0, 0, 1e6))
            out.push_back(d.reftirage);
        return out;
    };
    AddDraw(0, 45001, {1, 2, 3, 4, 5, 6, 7});
    EXPECT_EQ(refs(), (std::vector<std::int32_t>{1}));
    AddDraw(0, 45000, {1, 2, 3, 4, 5, 6, 7}); // through the data store
    EXPECT_EQ(refs(), (std::vector<std::int32_t>{2, 1}));
    md->Connection().Execute("update listetirage set b1 = 9 where reftirage = 1");
    EXPECT_EQ(md->SelectDrawsInPeriod(0, 45001, 45001).at(0).b1, 9);

    SqlConnection other; // another program on the same file, such as the companion
    other.Open(work / "quintaro.sdb");
    other.Execute("insert into listetirage values (7, 45002, 1, 1, 0, 1, 2, 3, 4, 5, 6, 7)");
    EXPECT_EQ(refs(), (std::vector<std::int32_t>{2, 1, 7}));
    // A row whose date is no number falls within no period, as in the query over the table.
    other.Execute("insert into listetirage values (8, 'x', 1, 1, 0, 1, 2, 3, 4, 5, 6, 7)");
    EXPECT_EQ(refs(), (std::vector<std::int32_t>{2, 1, 7}));

    md->Connection().Execute("delete from listetirage"); // all rows at once
    EXPECT_TRUE(refs().empty());

    // The file replaced under the connection, as the rebuild of the database does.
    other.Execute("insert into listetirage values (1, 45003, 1, 1, 0, 1, 2, 3, 4, 5, 6, 7)");
    other.Close();
    md->Connection().Close();
    std::filesystem::copy_file(work / "quintaro.sdb", work / "copy.sdb");
    md->Connection().Open(work / "copy.sdb");
    EXPECT_EQ(refs(), (std::vector<std::int32_t>{1}));
}

TEST_F(DrawRecordsTest, TheDrawsAfterAReferenceByTypeThenReference) {
    AddDraw(2, 45000, {1, 2, 3, 4, 5, 6, 7}, {}, 1);
    AddDraw(0, 45001, {1, 2, 3, 4, 5, 6, 7}, {}, 2);
    AddDraw(2, 44000, {1, 2, 3, 4, 5, 6, 7}, {}, 1);
    AddDraw(0, 45002, {1, 2, 3, 4, 5, 6, 7}, {}, 1);
    const std::vector<StoredDraw> after = md->Draws().DrawsAfter(1);
    ASSERT_EQ(after.size(), 3u);
    EXPECT_EQ(after[0].reftirage, 2);
    EXPECT_EQ(after[0].draw.type, 0);
    EXPECT_EQ(after[0].draw.date, 45001.0);
    EXPECT_EQ(after[0].draw.n_tir, 2);
    EXPECT_EQ(after[1].reftirage, 4);
    EXPECT_EQ(after[2].reftirage, 3);
    EXPECT_EQ(after[2].draw.type, 2);
    EXPECT_EQ(md->Draws().DrawsAfter(0).size(), 4u);
    EXPECT_TRUE(md->Draws().DrawsAfter(4).empty());
}

} // namespace
} // namespace quintaro
