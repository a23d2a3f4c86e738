#include "support/store_fixture.h"

#include <gtest/gtest.h>

namespace quintaro {
namespace {

class PrizeAmountsTest : public test::StoreFixture {
protected:
    void Row(int num, int ref, double gain) {
        md->Connection().Execute("insert into listegain values (" + std::to_string(num) + ", " +
                                 std::to_string(ref) + ", " + std::to_string(gain) + ", 0, 0)");
    }
};

TEST_F(PrizeAmountsTest, EveryReferenceUpToTheLargestHasThirteenAmounts) {
    md->LoadPrizeAmounts();
    EXPECT_EQ(md->Amounts().Count(), 0);

    Row(1, 7, 700.5);
    Row(13, 7, 13.25);
    Row(2, 3, 32.0);
    Row(14, 3, 99.0); // no place for it
    Row(0, 3, 99.0);
    Row(1, 0, 99.0);
    Row(1, -4, 99.0);
    md->LoadPrizeAmounts();
    const PrizeAmounts& amounts = md->Amounts();
    EXPECT_EQ(amounts.Count(), 7);
    for (int ref : {1, 2, 4, 5, 6, 8, 0, -4})
        for (int rank = 1; rank <= 13; ++rank)
            EXPECT_EQ(amounts.Amount(ref, rank), 0.0) << ref << " " << rank;
    EXPECT_EQ(amounts.Amount(3, 2), 32.0);
    EXPECT_EQ(amounts.Amount(3, 1), 0.0);
    EXPECT_EQ(amounts.Amount(7, 1), 700.5);
    EXPECT_EQ(amounts.Amount(7, 13), 13.25);
    EXPECT_EQ(amounts.Amount(7, 14), 0.0);

    // The amounts follow the database, whoever writes to it.
    Row(1, 9, 9.0);
    EXPECT_EQ(md->Amounts().Count(), 9);
    SqlConnection other;
    other.Open(work / "quintaro.sdb");
    other.Execute("update listegain set gain = 701 where reftirage = 7 and num = 1");
    EXPECT_EQ(md->Amounts().Amount(7, 1), 701.0);
}

TEST_F(PrizeAmountsTest, AHugeReferenceTakesNoMemoryForTheGap) {
    Row(1, 2000000000, 5.0);
    md->LoadPrizeAmounts();
    EXPECT_EQ(md->Amounts().Count(), 2000000000);
    EXPECT_EQ(md->Amounts().Amount(2000000000, 1), 5.0);
    EXPECT_EQ(md->Amounts().Amount(1999999999, 1), 0.0);
}

} // namespace
} // namespace quintaro
