#include "core/stats/statistics.h"

#include "core/base/value_reading.h"
#include "core/stats/stat_lists.h"
#include "core/store/games.h"

#include <array>
#include <string>
#include <vector>

namespace quintaro {

namespace {

struct BallTally {
    std::int32_t nbSortie = 0;
    double pourcentage = 0.0;
    double Date = -1.0;
    std::int32_t Tir = 0;
    std::int32_t ecart = -1;
};

template <std::size_t N> void Reset(std::array<BallTally, N>& tallies) {
    tallies.fill({});
}

// One appearance of a value in a draw.
void Count(BallTally& t, double date, std::int32_t tir) {
    ++t.nbSortie;
    t.Date = date;
    t.Tir = tir;
    t.ecart = -1;
}

// The share of the series' draws in which each value came out; the series is read once, and
// its number of draws known at its end.
template <std::size_t N> void Shares(std::array<BallTally, N>& tallies, std::int64_t draws) {
    for (BallTally& t : tallies)
        if (t.nbSortie > 0)
            t.pourcentage = static_cast<double>(static_cast<long double>(t.nbSortie) /
                                                static_cast<long double>(draws) * 100.0L);
}

template <std::size_t N> void AfterDraw(std::array<BallTally, N>& tallies) {
    for (BallTally& t : tallies)
        ++t.ecart;
}

constexpr const char* kInsert =
    "insert into stat values ( :type , :boulle , :nbsortie , :pourcent , :date , :tir , :ecart )";

void Insert(SqlStatement& insert, std::int32_t boule, const BallTally& t) {
    insert.Set("boulle", std::int64_t{boule});
    insert.Set("nbsortie", std::int64_t{t.nbSortie});
    insert.Set("pourcent", t.pourcentage);
    insert.Set("date", t.Date);
    insert.Set("tir", std::int64_t{t.Tir});
    insert.Set("ecart", std::int64_t{t.ecart});
    insert.Execute();
}

} // namespace

bool Statistics::ComputeStatistics() {
    // Every series is computed first, then all are written in one transaction (one write to
    // the disk instead of one per series): what was computed before a failure is written all
    // the same, and a write that fails leaves the table as it was.
    struct Series {
        std::int32_t type;
        std::int32_t first; // the value of the first tally
        std::vector<BallTally> tallies;
    };
    std::vector<Series> computed;
    auto keep = [&](std::int32_t type, std::int32_t first, const BallTally* begin,
                    std::size_t count) {
        computed.push_back({type, first, std::vector<BallTally>(begin, begin + count)});
    };
    std::string failure;
    try {
        std::array<BallTally, 50> main;
        // Stars go up to 12 since 2016.
        std::array<BallTally, 12> second;
        for (int t = 0; t < kGameTypeCount; ++t) {
            Reset(main);
            Reset(second);
            auto q =
                cnx_.Prepare("select * from listetirage where type=:toto order by date , n_tir");
            q.Set("toto", std::int64_t{t});
            const int date = q.ColumnIndex("date"), tir = q.ColumnIndex("n_tir"),
                      b1 = q.ColumnIndex("b1");
            std::int64_t n = 0;
            for (; q.Next(); ++n) {
                for (int k = 0; k < 7; ++k) {
                    const std::int64_t v = q.Int(b1 + k);
                    const bool inSecond = k >= 5 && t >= 2;
                    const auto max =
                        static_cast<std::int64_t>(inSecond ? second.size() : main.size());
                    if (v < 1 || v > max)
                        continue;
                    BallTally& tally = inSecond ? second[static_cast<std::size_t>(v - 1)]
                                                : main[static_cast<std::size_t>(v - 1)];
                    Count(tally, q.Double(date), static_cast<std::int32_t>(q.Int(tir)));
                }
                AfterDraw(main);
                AfterDraw(second);
            }
            Shares(main, n);
            Shares(second, n);
            keep(t, 1, main.data(), static_cast<std::size_t>(Game(t).mainMax));
            keep(SecondSeries(t), 1, second.data(), static_cast<std::size_t>(Game(t).secondMax));
        }

        std::array<BallTally, kJokerValues> digits;
        for (int t = 0; t < kGameTypeCount; ++t) {
            Reset(digits);
            auto q = cnx_.Prepare(
                "SELECT ListeTirage.date as date, ListeTirage.n_tir as n_tir, ListeJoker.joker "
                "as joker FROM ListeTirage INNER JOIN ListeJoker ON ListeTirage.reftirage = "
                "ListeJoker.fkrefTirage and ListeTirage.type = :toto "
                "order by ListeTirage.date , ListeTirage.n_tir");
            q.Set("toto", std::int64_t{t});
            std::int64_t n = 0;
            for (; q.Next(); ++n) {
                const std::string joker = q.Text(2);
                for (std::size_t c = 0; c < kJokerDigits; ++c) {
                    // A single character reads as one digit, or fails.
                    const std::int32_t d = ReadInteger(c < joker.size() ? joker.substr(c, 1) : "");
                    Count(digits[static_cast<std::size_t>(d)], q.Double(0),
                          static_cast<std::int32_t>(q.Int(1)));
                }
                AfterDraw(digits);
            }
            Shares(digits, n);
            keep(JokerSeries(t), 0, digits.data(), digits.size());
        }
    } catch (const std::exception& e) {
        failure = e.what();
    }

    try {
        SqlTransaction transaction(cnx_);
        cnx_.Execute("delete from stat");
        auto insert = cnx_.Prepare(kInsert);
        for (const Series& series : computed) {
            insert.Set("type", std::int64_t{series.type});
            for (std::size_t k = 0; k < series.tallies.size(); ++k)
                Insert(insert, series.first + static_cast<std::int32_t>(k), series.tallies[k]);
        }
        transaction.Commit();
    } catch (const std::exception& e) {
        if (failure.empty())
            failure = e.what();
    }
    if (failure.empty())
        return true;
    lastError_ = failure;
    if (message_)
        message_("calcule stat" + lastError_);
    return false;
}

std::vector<StatRow> Statistics::Rows(std::int32_t series) {
    auto q = cnx_.Prepare("select boule, nbSortie, pourcentage, Date, Tir, ecart from stat where "
                          "type = :type order by rowid");
    q.Set("type", std::int64_t{series});
    std::vector<StatRow> rows;
    while (q.Next())
        rows.push_back({static_cast<std::int32_t>(q.Int(0)), static_cast<std::int32_t>(q.Int(1)),
                        q.Double(2), q.Double(3), static_cast<std::int32_t>(q.Int(4)),
                        static_cast<std::int32_t>(q.Int(5))});
    return rows;
}

std::int64_t Statistics::DrawCount(std::int32_t series) {
    const bool joker = ListKindOf(series) == StatListKind::Joker;
    auto q = cnx_.Prepare(joker ? "select count(*) from listetirage inner join listejoker on "
                                  "listetirage.reftirage = listejoker.fkreftirage where "
                                  "listetirage.type = :type"
                                : "select count(*) from listetirage where type = :type");
    q.Set("type", std::int64_t{GameOfSeries(series)});
    q.Next();
    return q.Int(0);
}

} // namespace quintaro
