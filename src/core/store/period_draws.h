#pragma once

#include "core/db/database_copy.h"
#include "core/db/sqlite_db.h"

#include <cstdint>
#include <map>
#include <vector>

namespace quintaro {

// A draw of a period, as the period computation needs it.
struct DrawInPeriod {
    std::int32_t reftirage = 0;
    double date = 0.0; // rounded to four decimal places
    std::int32_t n_tir = 0;
    std::int32_t n_sem = 0;
    std::uint8_t b1 = 0, b2 = 0, b3 = 0, b4 = 0, b5 = 0, b6 = 0, b7 = 0;
};
using ttabTirrage = std::vector<DrawInPeriod>;

// The stored draws of every type in memory, by date and n_tir, for the periods a player
// computes one after the other: reading them from the database each time costs more than
// matching them. They are read again on the first request after anything was written to the
// database, by this connection or another, or after it was reopened.
class PeriodDraws {
public:
    explicit PeriodDraws(SqlConnection& cnx) : cnx_(cnx), copy_(cnx) {}

    // The draws of a type between the whole days of `from` and `to`, by date and n_tir;
    // failures reach the caller.
    ttabTirrage Select(std::int32_t type, double from, double to);

private:
    struct Stored {
        double date; // as stored, which the period's bounds are compared with
        DrawInPeriod draw;
    };
    void Read();

    SqlConnection& cnx_;
    DatabaseCopy copy_;
    std::map<std::int32_t, std::vector<Stored>> byType_;
};

} // namespace quintaro
