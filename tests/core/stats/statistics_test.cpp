#include "support/store_fixture.h"

#include <gtest/gtest.h>

namespace quintaro {
namespace {

class StatisticsTest : public test::StoreFixture {
protected:
    struct Stat {
        std::int64_t nbSortie;
        double pourcentage, date;
        std::int64_t tir, ecart;
        bool operator==(const Stat&) const = default;
    };
    Stat Of(int series, int boule) {
        auto q =
            md->Connection().Prepare("select nbSortie, pourcentage, Date, Tir, ecart from stat "
                                     "where type = :t and boule = :b");
        q.Set("t", std::int64_t{series});
        q.Set("b", std::int64_t{boule});
        EXPECT_TRUE(q.Next()) << series << " " << boule;
        return {q.Int(0), q.Double(1), q.Double(2), q.Int(3), q.Int(4)};
    }
    std::int64_t Rows(int series) {
        auto q = md->Connection().Prepare("select count(*) from stat where type = :t");
        q.Set("t", std::int64_t{series});
        q.Next();
        return q.Int(0);
    }
};

TEST_F(StatisticsTest, EverySeriesHasItsRowsEvenWithoutDraws) {
    md->ComputeStatistics();
    EXPECT_EQ(Count("stat"), 397);
    const std::pair<int, int> series[] = {{0, 49},  {1, 49},  {2, 50},  {3, 49}, {4, 49},
                                          {5, 50},  {10, 0},  {11, 0},  {12, 9}, {13, 10},
                                          {14, 10}, {15, 12}, {20, 10}, {25, 10}};
    for (auto [s, rows] : series)
        EXPECT_EQ(Rows(s), rows) << s;
    EXPECT_EQ(Of(5, 50), (Stat{0, 0.0, -1.0, 0, -1}));
    EXPECT_TRUE(messages.empty());
}

TEST_F(StatisticsTest, CountsSharesLastAppearanceAndDrawsSince) {
    AddDraw(0, 45000, {1, 2, 3, 4, 5, 6, 7}, {}, 1);
    AddDraw(0, 45003, {1, 12, 13, 14, 15, 16, 17}, {}, 2);
    AddDraw(0, 45003, {1, 22, 23, 24, 25, 26, 27}, {}, 1);
    AddDraw(3, 45000, {1, 2, 3, 4, 5, 6, 0});
    md->ComputeStatistics();
    // Same day: n_tir 2 comes after n_tir 1.
    EXPECT_EQ(Of(0, 1), (Stat{3, 100.0, 45003, 2, 0}));
    EXPECT_EQ(Of(0, 12), (Stat{1, static_cast<double>(1.0L / 3.0L * 100.0L), 45003, 2, 0}));
    EXPECT_EQ(Of(0, 22).ecart, 1);
    EXPECT_EQ(Of(0, 7).ecart, 2);  // only in the first draw
    EXPECT_EQ(Of(0, 40).ecart, 2); // never drawn
    EXPECT_EQ(Of(0, 40).date, -1.0);
    EXPECT_EQ(Of(13, 6), (Stat{1, 100.0, 45000, 1, 0}));
    // The empty seventh ball of New Loto counts nowhere.
    for (int b = 1; b <= 10; ++b)
        EXPECT_EQ(Of(13, b).nbSortie, b == 6 ? 1 : 0);
}

// EuroMillions has drawn twelve stars since 2016; a thirteenth counts nowhere.
TEST_F(StatisticsTest, StarTwelveIsCounted) {
    AddDraw(5, 42000, {1, 2, 3, 4, 5, 3, 11});
    AddDraw(5, 43000, {1, 2, 3, 4, 5, 12, 13});
    ASSERT_TRUE(md->ComputeStatistics());
    EXPECT_EQ(Of(15, 12), (Stat{1, 50.0, 43000, 1, 0}));
    EXPECT_EQ(Of(15, 11), (Stat{1, 50.0, 42000, 1, 1}));
    EXPECT_EQ(Rows(15), 12);
}

TEST_F(StatisticsTest, JokerDigitsCountEachOccurrence) {
    AddDraw(2, 45000, {1, 2, 3, 4, 5, 6, 7});
    md->AddJoker("0012300", 0);
    md->ComputeStatistics();
    EXPECT_EQ(Of(22, 0).nbSortie, 4);
    EXPECT_EQ(Of(22, 0).pourcentage, 400.0);
    EXPECT_EQ(Of(22, 1).nbSortie, 1);
    EXPECT_EQ(Of(22, 9), (Stat{0, 0.0, -1.0, 0, 0}));
}

TEST_F(StatisticsTest, JokerLastAppearanceIsTheLatestDrawWhateverTheStoringOrder) {
    // A results file may list its draws in any order: the newest can get the lowest reference.
    AddDraw(2, 45010, {1, 2, 3, 4, 5, 6, 7}, {}, 1);
    md->AddJoker("1111111", 0);
    AddDraw(2, 45000, {1, 2, 3, 4, 5, 6, 7}, {}, 1);
    md->AddJoker("2222222", 0);
    AddDraw(2, 45010, {1, 2, 3, 4, 5, 6, 7}, {}, 2);
    md->AddJoker("3333333", 0);
    // Nor may it depend on the query plan: without the index, SQLite reads by reference.
    md->Connection().Execute("drop index listetirage_type_date");
    ASSERT_TRUE(md->ComputeStatistics());
    const double share = static_cast<double>(7.0L / 3.0L * 100.0L);
    EXPECT_EQ(Of(22, 3), (Stat{7, share, 45010, 2, 0}));
    EXPECT_EQ(Of(22, 1), (Stat{7, share, 45010, 1, 1}));
    EXPECT_EQ(Of(22, 2), (Stat{7, share, 45000, 1, 2}));
}

TEST_F(StatisticsTest, AFailingWriteLeavesThePreviousStatistics) {
    AddDraw(0, 45000, {1, 2, 3, 4, 5, 6, 7});
    ASSERT_TRUE(md->ComputeStatistics());
    AddDraw(0, 45003, {1, 2, 3, 4, 5, 6, 7});
    md->Connection().Execute("create trigger refuse before insert on stat when new.boule = 30 "
                             "begin select raise(abort, 'disque plein'); end");
    EXPECT_FALSE(md->ComputeStatistics());
    EXPECT_EQ(md->LastError(), "disque plein");
    EXPECT_EQ(Rows(0), 49);
    EXPECT_EQ(Of(0, 1).nbSortie, 1); // the statistics of one draw, whole
}

TEST_F(StatisticsTest, AJokerWithALetterStopsTheRunAndKeepsWhatWasCommitted) {
    AddDraw(0, 45000, {1, 2, 3, 4, 5, 6, 7});
    AddDraw(3, 45000, {1, 2, 3, 4, 5, 6, 0});
    md->AddJoker("12A4567", 0);
    EXPECT_FALSE(md->ComputeStatistics());
    EXPECT_EQ(messages,
              std::vector<std::string>{"calcule stat'A' n'est pas une valeur entière correcte"});
    EXPECT_EQ(md->LastError(), "'A' n'est pas une valeur entière correcte");
    EXPECT_EQ(Rows(5), 50);  // every number series was written
    EXPECT_EQ(Rows(20), 10); // the Joker series before
    EXPECT_EQ(Rows(23), 0);  // none from the failing one on
    EXPECT_NO_THROW(md->Connection().Execute("begin transaction; commit transaction"));
}

TEST_F(StatisticsTest, EachSeriesCountsItsGamesDrawsAndTheJokerOnlyThoseWithAJoker) {
    AddDraw(3, 45000, {1, 2, 3, 4, 5, 6, 0});
    md->AddJoker("1234567", 0);
    AddDraw(3, 45003, {1, 2, 3, 4, 5, 6, 0});
    AddDraw(0, 45000, {1, 2, 3, 4, 5, 6, 7});
    const std::pair<int, std::int64_t> counts[] = {{3, 2}, {13, 2}, {23, 1},
                                                   {0, 1}, {20, 0}, {2, 0}};
    for (auto [series, draws] : counts)
        EXPECT_EQ(md->Stats().DrawCount(series), draws) << series;
}

} // namespace
} // namespace quintaro
