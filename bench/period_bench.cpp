// The period computation of 100 grids of one game over 10,000 draws (and 100,000, for its
// growth), beside a brute force that enumerates every simple combination of every grid.
#include "core/datastore/tmd.h"
#include "core/winnings/combination_table.h"
#include "core/winnings/period_winnings.h"

#include <algorithm>
#include <benchmark/benchmark.h>
#include <cmath>
#include <fstream>
#include <map>
#include <memory>
#include <optional>
#include <random>
#include <stdlib.h>

namespace quintaro {
namespace {

constexpr int kGrids = 100;

struct GameRules {
    int type;
    int numbers, seconds; // ranges 1..numbers and 1..seconds
    int drawnMain, drawnSecond;
    int pick, secondPick; // a simple bet
};

constexpr GameRules kLoto{0, 49, 0, 6, 1, 6, 0};
constexpr GameRules kEuromillion{2, 50, 9, 5, 2, 5, 2};

// Rank of a simple combination: numbers drawn j, second set (complementary ball for Loto) t.
int Rank(int type, int j, int t) {
    if (type == 0) {
        static const int ranks[7][2] = {{0, 0}, {0, 0}, {0, 0}, {7, 6}, {5, 4}, {3, 2}, {1, 0}};
        return ranks[j][t];
    }
    static const int ranks[6][3] = {{0, 0, 0},  {0, 0, 11}, {0, 12, 9},
                                    {10, 8, 7}, {6, 5, 4},  {3, 2, 1}};
    return ranks[j][t];
}

class History {
public:
    History(const GameRules& rules, int draws) : rules_(rules), draws_(draws) {
        char pattern[] = "/tmp/quintaro-bench-XXXXXX";
        dir_ = mkdtemp(pattern);
        std::ofstream(dir_ / "quintaro.INI")
            << "[fichier]\nnombre=6\n[adresse]\n"
               "url0=u\nlib0=Loto\nurl1=u\nlib1=Super Loto\nurl2=u\nlib2=Euromillion\n"
               "url3=u\nlib3=New Loto\nurl4=u\nlib4=New Super Loto\nurl5=u\nlib5=New Euromillion\n";
        const auto table = CombinationTable::FromRules();
        std::ofstream(dir_ / "quintaro.dat", std::ios::binary)
            .write(reinterpret_cast<const char*>(table.Bytes().data()), CombinationTable::kSize);
        LoadSourceCatalogue(catalogue_, dir_ / "quintaro.INI");
        settings_ = std::make_unique<SettingsStore>(dir_ / "settings.reg");
        md_ = std::make_unique<Tmd>(dir_ / "quintaro.sdb", dir_ / "quintaro.dat", catalogue_,
                                    *settings_, UserDialogs{});
        md_->Connect();
        md_->RegenerateDatabase();
        md_->LoadCombinationTables();
        Fill();
    }
    ~History() {
        md_.reset();
        std::filesystem::remove_all(dir_);
    }

    Tmd& md() { return *md_; }

    // The brute force's total, computed once for all the repetitions.
    double ExpectedTotal() {
        if (!expected_)
            expected_ = BruteForceTotal();
        return *expected_;
    }

    // The brute force: every simple combination of every grid, paid its rank's amount.
    double BruteForceTotal() {
        const ttabTirrage draws = md_->SelectDrawsInPeriod(rules_.type, 0, 1e6);
        double total = 0.0;
        for (const DrawInPeriod& d : draws) {
            const int balls[7] = {d.b1, d.b2, d.b3, d.b4, d.b5, d.b6, d.b7};
            const PrizeAmounts::Ranks* amounts = md_->Amounts().Find(d.reftirage);
            for (const Grid& grid : md_->Grids(rules_.type)) {
                std::vector<int> main, second;
                for (auto v : grid.main)
                    if (v)
                        main.push_back(v);
                for (auto v : grid.second)
                    if (v)
                        second.push_back(v);
                ForEach(main, rules_.pick, [&](const std::vector<int>& combo) {
                    int j = 0, comp = 0;
                    for (int v : combo) {
                        j += std::count(balls, balls + rules_.drawnMain, v) > 0;
                        comp += rules_.type == 0 && v == balls[6];
                    }
                    if (rules_.type == 0) {
                        if (int r = Rank(0, j, comp))
                            total += (*amounts)[r - 1];
                        return;
                    }
                    ForEach(second, rules_.secondPick, [&](const std::vector<int>& stars) {
                        int t = 0;
                        for (int v : stars)
                            t += v == balls[5] || v == balls[6];
                        if (int r = Rank(rules_.type, j, t))
                            total += (*amounts)[r - 1];
                    });
                });
            }
        }
        return total;
    }

private:
    template <class F> static void ForEach(const std::vector<int>& items, int k, F f) {
        if (k > static_cast<int>(items.size()))
            return;
        std::vector<bool> pick(items.size(), false);
        std::fill(pick.begin(), pick.begin() + k, true);
        std::vector<int> subset;
        do {
            subset.clear();
            for (std::size_t i = 0; i < items.size(); ++i)
                if (pick[i])
                    subset.push_back(items[i]);
            f(subset);
        } while (std::prev_permutation(pick.begin(), pick.end()));
    }

    std::vector<int> Sample(int range, int count) {
        std::vector<int> pool(static_cast<std::size_t>(range));
        for (int i = 0; i < range; ++i)
            pool[static_cast<std::size_t>(i)] = i + 1;
        std::shuffle(pool.begin(), pool.end(), random_);
        pool.resize(static_cast<std::size_t>(count));
        return pool;
    }

    void Fill() {
        SqlConnection& db = md_->Connection();
        db.Execute("begin transaction");
        md_->LastDrawReference();
        md_->SetDrawInsertType(rules_.type);
        for (int k = 0; k < draws_; ++k) {
            std::vector<int> balls = Sample(rules_.numbers, rules_.drawnMain + (rules_.type == 0));
            if (rules_.type != 0)
                for (int v : Sample(rules_.seconds, rules_.drawnSecond))
                    balls.push_back(v);
            balls.resize(7);
            md_->AddDraw(k, 1, 30000 + 3 * k, balls[0], balls[1], balls[2], balls[3], balls[4],
                         balls[5], balls[6]);
            TtabGain ranks;
            for (int r = 1; r <= 13; ++r)
                // Whole amounts, so that both sums are exact whatever their order.
                ranks.push_back({static_cast<double>(1000000 / (r * r) + k % 7), 1, 1});
            md_->AddPrizeRanks(ranks);
        }
        // Simple and multiple grids within the editor's limits.
        auto insert = db.Prepare("insert into listegrille values (:num, :type, :boulle)");
        for (int g = 1; g <= kGrids; ++g) {
            const int extra = g % 4 == 0 ? 1 + g % 3 : 0; // a quarter of them multiple
            const int numbers = rules_.pick + extra;
            const int seconds = rules_.type == 0 ? 0 : rules_.secondPick + (g % 5 == 0 ? 1 : 0);
            insert.Set("num", std::int64_t{g});
            for (int v : Sample(rules_.numbers, numbers)) {
                insert.Set("type", std::int64_t{rules_.type});
                insert.Set("boulle", std::int64_t{v});
                insert.Execute();
            }
            if (seconds)
                for (int v : Sample(rules_.seconds, seconds)) {
                    insert.Set("type", std::int64_t{rules_.type + 10});
                    insert.Set("boulle", std::int64_t{v});
                    insert.Execute();
                }
        }
        db.Execute("commit transaction");
        md_->LoadGrids();
        md_->LoadPrizeAmounts();
    }

    GameRules rules_;
    int draws_;
    std::optional<double> expected_;
    std::mt19937 random_{42};
    std::filesystem::path dir_;
    Catalogue catalogue_;
    std::unique_ptr<SettingsStore> settings_;
    std::unique_ptr<Tmd> md_;
};

// One history per game and length, made on first use and kept for the other benchmarks.
History& HistoryOf(const GameRules& rules, std::int64_t draws) {
    static std::map<std::pair<int, std::int64_t>, std::unique_ptr<History>> histories;
    auto& history = histories[{rules.type, draws}];
    if (!history)
        history = std::make_unique<History>(rules, static_cast<int>(draws));
    return *history;
}

void BM_PeriodComputation(benchmark::State& state, GameRules rules) {
    History& history = HistoryOf(rules, state.range(0));
    double total = 0.0;
    std::size_t winners = 0;
    // The result is kept for the check below, which is what keeps the computation in the loop.
    for (auto _ : state) {
        const PeriodWinnings result =
            history.md().ComputePeriodWinnings(rules.type, 0, 1e6, nullptr);
        total = result.total;
        winners = result.details.size();
    }
    state.counters["winners"] = static_cast<double>(winners);
    const double expected = history.ExpectedTotal();
    if (total != expected)
        state.SkipWithError("the computation and the brute force disagree");
    state.counters["total"] = total;
}

// The part of the computation that reads the period's draws from the database.
void BM_SelectDraws(benchmark::State& state, GameRules rules) {
    History& history = HistoryOf(rules, state.range(0));
    for (auto _ : state)
        benchmark::DoNotOptimize(history.md().SelectDrawsInPeriod(rules.type, 0, 1e6));
}

void BM_BruteForce(benchmark::State& state, GameRules rules) {
    History& history = HistoryOf(rules, state.range(0));
    for (auto _ : state)
        benchmark::DoNotOptimize(history.BruteForceTotal());
}

// Argument: the number of draws in the period.
BENCHMARK_CAPTURE(BM_PeriodComputation, Loto, kLoto)
    ->Arg(10000)
    ->Arg(100000)
    ->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(BM_SelectDraws, Loto, kLoto)->Arg(10000)->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(BM_BruteForce, Loto, kLoto)->Arg(10000)->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(BM_PeriodComputation, Euromillion, kEuromillion)
    ->Arg(10000)
    ->Arg(100000)
    ->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(BM_BruteForce, Euromillion, kEuromillion)
    ->Arg(10000)
    ->Unit(benchmark::kMillisecond);

} // namespace
} // namespace quintaro

BENCHMARK_MAIN();
