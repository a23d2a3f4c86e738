#include "support/store_fixture.h"

namespace quintaro::test {

StoreFixture::StoreFixture() {
    WriteInstallation(app.path());
    LoadSourceCatalogue(catalogue, app / "quintaro.INI");
    md = std::make_unique<Tmd>(
        work / "quintaro.sdb", app / "quintaro.dat", catalogue, settings,
        UserDialogs{[this](const std::string& text) { dialogs.push_back(text); },
                    [this](const std::string& text) { messages.push_back(text); }});
    if (!md->Connect() || !md->RegenerateDatabase() || !md->LoadCombinationTables())
        throw std::runtime_error(md->LastError());
}

void StoreGrid(Tmd& md, int num, int type, const std::vector<int>& numbers,
               const std::vector<int>& second) {
    auto insert = md.Connection().Prepare("insert into listegrille values (:num, :type, :boulle)");
    insert.Set("num", std::int64_t{num});
    for (int v : numbers) {
        insert.Set("type", std::int64_t{type});
        insert.Set("boulle", std::int64_t{v});
        insert.Execute();
    }
    for (int v : second) {
        insert.Set("type", std::int64_t{type + 10});
        insert.Set("boulle", std::int64_t{v});
        insert.Execute();
    }
}

std::int32_t StoreDraw(Tmd& md, int type, double date, const std::vector<int>& balls,
                       const std::vector<double>& amounts, int n_tir) {
    md.LastDrawReference();
    md.SetDrawInsertType(type);
    int b[7] = {};
    for (std::size_t k = 0; k < balls.size() && k < 7; ++k)
        b[k] = balls[k];
    md.AddDraw(1, n_tir, date, b[0], b[1], b[2], b[3], b[4], b[5], b[6]);
    TtabGain ranks;
    for (double amount : amounts)
        ranks.push_back({amount, 1, 1});
    md.AddPrizeRanks(ranks);
    return md.LastReference();
}

void StoreFixture::AddGrid(int type, const std::vector<int>& numbers,
                           const std::vector<int>& second) {
    StoreGrid(*md, ++gridNumbers[static_cast<std::size_t>(type)], type, numbers, second);
}

std::int32_t StoreFixture::AddDraw(int type, double date, const std::vector<int>& balls,
                                   const std::vector<double>& amounts, int n_tir) {
    return StoreDraw(*md, type, date, balls, amounts, n_tir);
}

std::int64_t StoreFixture::Count(const std::string& table) {
    auto q = md->Connection().Prepare("select count(*) from " + table);
    q.Next();
    return q.Int(0);
}

} // namespace quintaro::test
