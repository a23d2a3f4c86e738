// "Maj Total" over the demo history of the six games (about 10,000 draws: import and
// statistics), beside a raw lower bound: the same rows inserted into the same tables by a
// minimal prepared-statement loop in one transaction.
#include "core/datastore/tmd.h"
#include "core/store/schema.h"
#include "core/update/network_fetcher.h"
#include "core/update/update_driver.h"
#include "silent_update.h"
#include "support/demo_installation.h"

#include <benchmark/benchmark.h>
#include <cstdlib>
#include <stdexcept>
#include <stdlib.h>

namespace quintaro {
namespace {

// The demo installation in a new folder of the working directory, where the program keeps its
// database; `scale` > 1 writes a history that many times as long over the demo's files.
class Installation {
public:
    explicit Installation(int scale) {
        char pattern[] = "quintaro-bench-XXXXXX";
        dir_ = std::filesystem::absolute(mkdtemp(pattern));
        test::CopyDemoInstallation(QUINTARO_DEMO_DIR, dir_);
        if (scale > 1) {
            const std::string generate =
                (std::filesystem::path(QUINTARO_DEMO_DIR) / "generate_results").string() + " " +
                dir_.string() + " " + std::to_string(scale);
            if (std::system(generate.c_str()) != 0)
                throw std::runtime_error("cannot run " + generate);
        }
        LoadSourceCatalogue(catalogue_, dir_ / "quintaro.INI");
        settings_ = std::make_unique<SettingsStore>(dir_ / "settings.reg");
        md_ = std::make_unique<Tmd>(dir_ / "quintaro.sdb", dir_ / "quintaro.dat", catalogue_,
                                    *settings_, UserDialogs{});
        md_->Connect();
        md_->RegenerateDatabase();
    }
    ~Installation() {
        md_.reset();
        std::filesystem::remove_all(dir_);
    }
    Tmd& md() { return *md_; }
    const Catalogue& catalogue() const { return catalogue_; }
    const SettingsStore& settings() const { return *settings_; }
    const std::filesystem::path& dir() const { return dir_; }

private:
    std::filesystem::path dir_;
    Catalogue catalogue_;
    std::unique_ptr<SettingsStore> settings_;
    std::unique_ptr<Tmd> md_;
};

void BM_FullReset(benchmark::State& state) {
    Installation installation(static_cast<int>(state.range(0)));
    bench::SilentUpdate host;
    ExtractionObserver quiet;
    NetworkFetcher fetcher(installation.settings(), "full_reset_bench", quiet);
    UpdateDriver driver(installation.md(), installation.catalogue(), host, fetcher);
    for (auto _ : state)
        driver.FullReset(7); // the local mode: the results files lie in the catalogue's folder
    auto q = installation.md().Connection().Prepare("select count(*) from listetirage");
    q.Next();
    state.counters["draws"] = static_cast<double>(q.Int(0));
}

// The rows a full reset stores, inserted again as plainly as can be.
void BM_RawInsertLowerBound(benchmark::State& state) {
    Installation installation(static_cast<int>(state.range(0)));
    bench::SilentUpdate host;
    ExtractionObserver quiet;
    NetworkFetcher fetcher(installation.settings(), "full_reset_bench", quiet);
    UpdateDriver(installation.md(), installation.catalogue(), host, fetcher).FullReset(7);
    SqlConnection& db = installation.md().Connection();
    struct Table {
        std::string name;
        int columns;
        std::vector<std::vector<SqlValue>> rows;
    };
    std::vector<Table> tables;
    for (const char* name : {"listetirage", "listeboules", "listegain", "listejoker", "stat"}) {
        Table table{name, 0, {}};
        auto q = db.Prepare(std::string("select * from ") + name);
        table.columns = q.ColumnCount();
        while (q.Next()) {
            std::vector<SqlValue> row;
            for (int c = 0; c < table.columns; ++c) {
                if (q.IsNull(c))
                    row.emplace_back(std::monostate{});
                else if (name == std::string("listejoker") && c == 1)
                    row.emplace_back(q.Text(c));
                else if (q.Double(c) != static_cast<double>(q.Int(c)))
                    row.emplace_back(q.Double(c));
                else
                    row.emplace_back(q.Int(c));
            }
            table.rows.push_back(std::move(row));
        }
        tables.push_back(std::move(table));
    }

    SqlConnection raw;
    const std::filesystem::path file = installation.dir() / "raw.sdb";
    for (auto _ : state) {
        state.PauseTiming();
        raw.Close();
        std::filesystem::remove(file);
        raw.Open(file);
        // The same tables, keys and lookup indexes as the program's database.
        for (std::string_view create : SchemaStatements)
            raw.Execute(std::string(create));
        for (const LookupIndex& index : DrawLookupIndexes)
            raw.Execute(std::string(index.create));
        state.ResumeTiming();
        raw.Execute("begin transaction");
        for (const Table& table : tables) {
            std::string sql = "insert into " + table.name + " values (";
            for (int c = 0; c < table.columns; ++c)
                sql += (c ? ",:c" : ":c") + std::to_string(c);
            auto insert = raw.Prepare(sql + ")");
            for (const auto& row : table.rows) {
                for (int c = 0; c < table.columns; ++c)
                    insert.Set("c" + std::to_string(c), row[static_cast<std::size_t>(c)]);
                insert.Execute();
            }
        }
        raw.Execute("commit transaction");
    }
}

// Wall clock: the writes to the disk are part of the work. Argument: the history's length, in
// demo histories.
BENCHMARK(BM_FullReset)->Arg(1)->Arg(10)->Unit(benchmark::kMillisecond)->UseRealTime();
BENCHMARK(BM_RawInsertLowerBound)->Arg(1)->Arg(10)->Unit(benchmark::kMillisecond)->UseRealTime();

} // namespace
} // namespace quintaro

BENCHMARK_MAIN();
