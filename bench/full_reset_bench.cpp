// "Maj Total" over the demo history of the six games (about 10,000 draws: import and
// statistics), beside a raw lower bound: the same rows inserted into the same tables by a
// minimal prepared-statement loop in one transaction.
#include "core/datastore/tmd.h"
#include "core/store/schema.h"
#include "core/update/network_fetcher.h"
#include "core/update/update_driver.h"
#include "support/demo_installation.h"

#include <benchmark/benchmark.h>
#include <stdlib.h>

namespace quintaro {
namespace {

// Answers yes and keeps nothing.
class SilentUpdate : public UpdateHost {
public:
    std::size_t Append(const std::string&) override { return lines_++; }
    void Replace(std::size_t, const std::string&) override {}
    std::size_t LineCount() const override { return lines_; }
    void Start(int) override {}
    void Step(int) override {}
    void Finish() override {}
    std::optional<std::string> PickResultsFile(const std::string&) override { return {}; }
    bool Confirm(const std::string&) override { return true; }
    void ProcessPendingMessages() override {}

private:
    std::size_t lines_ = 0;
};

class Installation {
public:
    Installation() {
        char pattern[] = "/tmp/quintaro-bench-XXXXXX";
        dir_ = mkdtemp(pattern);
        test::CopyDemoInstallation(QUINTARO_DEMO_DIR, dir_);
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
    Installation installation;
    SilentUpdate host;
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
    Installation installation;
    SilentUpdate host;
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
        // The same tables, keys and lookup index as the program's database.
        for (std::string_view create : SchemaStatements)
            raw.Execute(std::string(create));
        raw.Execute("create index listetirage_type_date on listetirage (type, date)");
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

BENCHMARK(BM_FullReset)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_RawInsertLowerBound)->Unit(benchmark::kMillisecond);

} // namespace
} // namespace quintaro

BENCHMARK_MAIN();
