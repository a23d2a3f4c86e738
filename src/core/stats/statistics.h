#pragma once

#include "core/db/sqlite_db.h"

#include <cstdint>
#include <functional>
#include <string>
#include <vector>

namespace quintaro {

// A Joker number is seven digits, each 0 to 9.
inline constexpr int kJokerDigits = 7;
inline constexpr int kJokerValues = 10;

// One row of the stat table: how a value of a series came out.
struct StatRow {
    std::int32_t boule = 0;
    std::int32_t nbSortie = 0; // draws in which it came out
    double pourcentage = 0.0;  // their share of the series' draws, in percent
    double date = -1.0;        // the last draw it came out in; -1 when never
    std::int32_t tir = 0;      // that draw's n_tir
    std::int32_t ecart = -1;   // draws since then
};

// The statistics of every game's numbers (series = type), second set (type + 10) and Joker
// digits (type + 20), rebuilt from the stored draws into the table stat.
class Statistics {
public:
    // `message` shows a failure to the user; `lastError` keeps its text.
    Statistics(SqlConnection& cnx, std::string& lastError,
               std::function<void(const std::string&)> message)
        : cnx_(cnx), lastError_(lastError), message_(std::move(message)) {}

    // False after a failure: the series being written is rolled back, the ones before stay.
    bool ComputeStatistics();
    // The rows of a series in the order the table holds them; failures reach the caller.
    std::vector<StatRow> Rows(std::int32_t series);
    // The stored draws a series counts: its game's draws, those with a Joker number for the
    // Joker digits. Failures reach the caller.
    std::int64_t DrawCount(std::int32_t series);

private:
    SqlConnection& cnx_;
    std::string& lastError_;
    std::function<void(const std::string&)> message_;
};

} // namespace quintaro
