#pragma once

#include "core/db/sqlite_db.h"
#include "core/winnings/combination_table.h"
#include "core/winnings/prize_amounts.h"

#include <filesystem>
#include <string>

namespace quintaro {

// The two tables every prize computation reads from memory: the combination table of the
// installation's "quintaro.dat", and the prize amounts of every stored draw.
class PrizeTables {
public:
    PrizeTables(SqlConnection& cnx, std::filesystem::path combinationTablesFile,
                std::string& lastError)
        : cnx_(cnx), combinationTablesFile_(std::move(combinationTablesFile)),
          lastError_(lastError) {}

    // False with the file's failure text in `lastError`.
    bool LoadCombinationTables();
    // Rebuilds the amounts from listegain; failures reach the caller.
    void LoadPrizeAmounts();

    const CombinationTable& Combinations() const { return combinations_; }
    const PrizeAmounts& Amounts() const { return amounts_; }
    double GridPrize(std::int32_t reference, std::int32_t family, std::int32_t played,
                     std::int32_t secondPlayed, std::int32_t matched,
                     std::int32_t secondMatched) const;

private:
    SqlConnection& cnx_;
    std::filesystem::path combinationTablesFile_;
    std::string& lastError_;
    CombinationTable combinations_;
    PrizeAmounts amounts_;
};

} // namespace quintaro
