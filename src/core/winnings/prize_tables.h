#pragma once

#include "core/db/database_copy.h"
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
          lastError_(lastError), copy_(cnx) {}

    // False with the file's failure text in `lastError`.
    bool LoadCombinationTables();
    // Rebuilds the amounts from listegain now; failures reach the caller.
    void LoadPrizeAmounts();

    const CombinationTable& Combinations() const { return combinations_; }
    // The amounts of every stored draw, read again from listegain on the first call after
    // anything was written to the database, by this connection or another; failures reach
    // the caller. The object stays the same: a reference to it stays good, not the ranks
    // found in it before a later call.
    const PrizeAmounts& Amounts() const;
    double GridPrize(std::int32_t reference, std::int32_t family, std::int32_t played,
                     std::int32_t secondPlayed, std::int32_t matched,
                     std::int32_t secondMatched) const;

private:
    void Read() const;

    SqlConnection& cnx_;
    std::filesystem::path combinationTablesFile_;
    std::string& lastError_;
    CombinationTable combinations_;
    // A copy of listegain, kept while the database does not change.
    mutable PrizeAmounts amounts_;
    mutable DatabaseCopy copy_;
};

} // namespace quintaro
