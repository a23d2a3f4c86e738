#include "core/datastore/tmd.h"

#include "core/winnings/prize_rules.h"

namespace quintaro {

Tmd::Tmd(const std::filesystem::path& databaseFile, const std::filesystem::path& tablesFile,
         const Catalogue& catalogue, SettingsStore& settings, UserDialogs dialogs)
    : catalogue(catalogue), dialogs(std::move(dialogs)), database(databaseFile, lastErrorText),
      draws(database.Connection(), catalogue, lastErrorText),
      gridStore(database.Connection(), settings),
      tables(database.Connection(), tablesFile, lastErrorText),
      statistics(database.Connection(), lastErrorText, this->dialogs.message) {}

bool Tmd::RegenerateDatabase() {
    return database.Rebuild([this] {
        draws.EnsureDrawLookupIndexes();
        FillTypeTable();
        gridStore.ImportGridsFromSettings();
    });
}

void Tmd::ClearDrawTables() {
    database.ClearDrawTables();
    FillTypeTable();
}

void Tmd::FillTypeTable() {
    try {
        database.FillTypeTable(catalogue);
    } catch (const std::exception& e) {
        dialogs.error("/!\\ Erreur lors de la mise à jour de la liste des types\r" +
                      std::string(e.what()));
    }
}

const GridList& Tmd::GridsOf(std::int32_t type) const {
    static const GridList none;
    return IsGameType(type) ? gridStore.Grids(type) : none;
}

double Tmd::DrawDay(std::int32_t reference) {
    // A reference without a draw has no balls either: any day will do.
    const std::optional<DrawHeader> draw = draws.FindDraw(reference);
    return draw ? draw->date : 0.0;
}

TgrilleGagnante Tmd::MatchGridsForDraw(std::int32_t reference, std::int32_t type) {
    const DrawBalls balls = draws.Balls(reference);
    return MatchGrids(GridsOf(type), type, balls, DrawDay(reference), true, reference,
                      tables.Combinations(), tables.Amounts());
}

const DrawEvaluation& Tmd::EvaluateDraw(std::int32_t reference, std::int32_t type) {
    evaluation = {};
    evaluation.prizeRanks = draws.PrizeRankList(reference);
    const std::optional<DrawHeader> draw = draws.FindDraw(reference);
    const int family = draw ? FamilyOn(draw->type, draw->date) : 0;
    for (PrizeRankRow& row : evaluation.prizeRanks)
        row.combinaison = RankCombination(family, row.num);
    evaluation.currentWinningGrids = MatchGridsForDraw(reference, type);
    return evaluation;
}

TgrilleGagnante Tmd::MatchGridsForNumbers(const std::array<std::uint8_t, 11>& numbers,
                                          std::int32_t reference, std::int32_t type) {
    DrawBalls balls{};
    for (std::size_t k = 1; k <= 7; ++k)
        balls[k] = numbers[k - 1];
    return MatchGrids(GridsOf(type), type, balls, DrawDay(reference), false, reference,
                      tables.Combinations(), tables.Amounts());
}

PeriodWinnings Tmd::ComputePeriodWinnings(std::int32_t type, double from, double to,
                                          const PeriodProgress& progress) {
    return quintaro::ComputePeriodWinnings(SelectDrawsInPeriod(type, from, to), GridsOf(type), type,
                                           tables, progress);
}

PeriodBalance Tmd::ComputePeriodBalance(std::int32_t type, const PeriodWinnings& winnings) const {
    static const BetPrices none;
    const auto index = static_cast<std::size_t>(type);
    const BetPrices& prices = type >= 0 && index < catalogue.SimpleBetPrices.size()
                                  ? catalogue.SimpleBetPrices[index]
                                  : none;
    return quintaro::ComputePeriodBalance(winnings, type, prices);
}

} // namespace quintaro
