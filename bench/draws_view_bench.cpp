// The draws view on a history of 10,000 draws of the six games, 5,000 of them Loto, with 100
// Loto grids: the per-draw evaluation, and the draw list read, shown and sorted.
#include "core/base/currency.h"
#include "core/datastore/tmd.h"
#include "gui/ui/ox_dbgrid.h"
#include "gui/winnings/draw_winnings_display.h"
#include "support/store_fixture.h"
#include "support/temp_dir.h"

#include <QApplication>
#include <QPlainTextEdit>
#include <QTableWidget>
#include <algorithm>
#include <benchmark/benchmark.h>
#include <numeric>
#include <random>

namespace quintaro {
namespace {

constexpr int kLotoDraws = 5000;
constexpr int kOtherDraws = 1000; // of each of the five other games
constexpr int kGrids = 100;

class History {
public:
    History() {
        test::WriteInstallation(dir_.path());
        LoadSourceCatalogue(catalogue_, dir_ / "quintaro.INI");
        md_ = std::make_unique<Tmd>(dir_ / "quintaro.sdb", dir_ / "quintaro.dat", catalogue_,
                                    settings_, UserDialogs{});
        if (!md_->Connect() || !md_->RegenerateDatabase() || !md_->LoadCombinationTables())
            throw std::runtime_error(md_->LastError());
        Fill();
    }

    Tmd& md() { return *md_; }
    const std::vector<std::int32_t>& LotoReferences() const { return lotoRefs_; }

private:
    std::vector<int> Sample(int range, int count) {
        std::vector<int> pool(static_cast<std::size_t>(range));
        std::iota(pool.begin(), pool.end(), 1);
        std::shuffle(pool.begin(), pool.end(), random_);
        pool.resize(static_cast<std::size_t>(count));
        return pool;
    }

    void AddDraws(int type, int count, int mainCount, int secondRange, int secondCount) {
        for (int k = 0; k < count; ++k) {
            const int main = type <= 1 ? 7 : mainCount; // Loto: the complementary ball too
            std::vector<int> balls = Sample(type <= 1 ? 49 : 50, main);
            for (int v : Sample(secondRange, secondCount))
                balls.push_back(v);
            std::vector<double> amounts;
            for (int rank = 1; rank <= 13; ++rank)
                amounts.push_back(2000000.0 / (rank * rank * rank) + k % 7);
            const auto ref = test::StoreDraw(*md_, type, 27000 + k * 3 + type, balls, amounts);
            if (type == 0)
                lotoRefs_.push_back(ref);
        }
    }

    void Fill() {
        SqlTransaction transaction(md_->Connection());
        AddDraws(0, kLotoDraws, 7, 0, 0);
        AddDraws(1, kOtherDraws, 7, 0, 0);
        AddDraws(2, kOtherDraws, 5, 9, 2);
        AddDraws(3, kOtherDraws, 5, 10, 1);
        AddDraws(4, kOtherDraws, 5, 10, 1);
        AddDraws(5, kOtherDraws, 5, 11, 2);
        // Simple grids, and a quarter of multiple ones of seven to nine numbers.
        for (int g = 1; g <= kGrids; ++g)
            test::StoreGrid(*md_, g, 0, Sample(49, g % 4 == 0 ? 7 + g % 3 : 6));
        transaction.Commit();
        md_->LoadGrids();
        md_->LoadPrizeAmounts();
    }

    test::TempDir dir_;
    Catalogue catalogue_;
    SettingsStore settings_{dir_ / "settings.reg"};
    std::unique_ptr<Tmd> md_;
    std::vector<std::int32_t> lotoRefs_;
    std::mt19937 random_{7};
};

History& TheHistory() {
    static History history;
    return history;
}

std::string French(double amount) {
    return FormatGroupedAmount(amount, ',', ' ');
}

// What the view computes when the selection rests on a draw: its prize ranks, the matching
// of the grids, the table's rows and the summary line.
void BM_DrawEvaluation(benchmark::State& state) {
    History& history = TheHistory();
    const auto& refs = history.LotoReferences();
    std::size_t next = 0, winners = 0, evaluations = 0;
    for (auto _ : state) {
        const DrawEvaluation& ev = history.md().EvaluateDraw(refs[next], 0);
        const WinningGridsTable table = WinningGridsTableOf(
            0, ev.currentWinningGrids, [](double v) { return French(v) + " €"; });
        benchmark::DoNotOptimize(DrawWinningsSummary(ev.currentWinningGrids, French));
        benchmark::DoNotOptimize(table.rows.data());
        winners += ev.currentWinningGrids.size();
        ++evaluations;
        next = (next + 97) % refs.size();
    }
    state.counters["winners/draw"] =
        static_cast<double>(winners) / static_cast<double>(evaluations);
}

// The draw list of every game, read from the database.
void BM_DrawListLoad(benchmark::State& state) {
    Tmd& md = TheHistory().md();
    const std::int32_t tous = kGameTypeCount;
    for (auto _ : state) {
        md.FilterDrawList(tous);
        benchmark::DoNotOptimize(md.DrawList().data());
    }
    state.counters["draws"] = static_cast<double>(md.DrawList().size());
}

// The same as the user sees it: a game chosen in the view, its draws read, put in the grid,
// sorted by date and the first one made current; "Tous" and Loto in turn.
void BM_GameChangeShown(benchmark::State& state) {
    DrawWinningsDisplay display(TheHistory().md());
    TOxDbgrid grid;
    grid.SetRowSource(&display.DrawList());
    grid.SetCanOrderClickOnTitle(true);
    grid.SetOrderBy(QStringLiteral("cldate"), TOxDbgrid::obDown);
    int turn = 0;
    for (auto _ : state)
        display.FilterDrawList(turn++ % 2 == 0 ? kGameTypeCount : 0);
}

// A selection that has rested: the evaluation shown in the prize-rank list, the winning-grids
// table and the summary pane.
void BM_SelectionShown(benchmark::State& state) {
    History& history = TheHistory();
    DrawWinningsDisplay display(history.md());
    QPlainTextEdit memo;
    QTableWidget table;
    display.summaryMemo = &memo;
    display.winningGridsTable = &table;
    display.FilterDrawList(0);
    const auto& rows = display.DrawList().Rows();
    std::size_t next = 0;
    for (auto _ : state) {
        display.AfterScroll(&rows[next]);
        display.timerDonneeTimer();
        next = (next + 97) % rows.size();
    }
}

BENCHMARK(BM_DrawEvaluation)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_DrawListLoad)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_GameChangeShown)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_SelectionShown)->Unit(benchmark::kMicrosecond);

} // namespace
} // namespace quintaro

int main(int argc, char** argv) {
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
