// "Maj Total" over the demo history of the six games (about 10,000 draws: import and
// statistics), beside a raw lower bound: the same rows inserted into the same tables by a
// minimal prepared-statement loop in one transaction.
#include "bench_installation.h"
#include "core/store/schema.h"

#include <benchmark/benchmark.h>

namespace quintaro {
namespace {

using bench::Installation;

void BM_FullReset(benchmark::State& state) {
    Installation installation(static_cast<int>(state.range(0)));
    bench::SilentUpdate host;
    ExtractionObserver quiet;
    NetworkFetcher fetcher(installation.settings(), "full_reset_bench", quiet);
    UpdateDriver driver(installation.md(), installation.catalogue(), host, fetcher);
    for (auto _ : state)
        driver.FullReset(bench::kLocalMode);
    auto q = installation.md().Connection().Prepare("select count(*) from listetirage");
    q.Next();
    state.counters["draws"] = static_cast<double>(q.Int(0));
}

// The rows a full reset stores, inserted again as plainly as can be.
void BM_RawInsertLowerBound(benchmark::State& state) {
    Installation installation(static_cast<int>(state.range(0)));
    installation.LoadHistory();
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
