#pragma once

#include <chrono>
#include <cstdint>
#include <string>
#include <utility>
#include <vector>

namespace quintaro {

// The prize of one rank of a draw, as handed to AddPrizeRanks (element k is rank k + 1).
struct GainRank {
    double gain = 0.0;
    std::int32_t nbgagnants = 0;
    std::int32_t nbgagnantseuro = 0;
};
using TtabGain = std::vector<GainRank>;

// A draw of a period, as the period computation needs it.
struct DrawInPeriod {
    std::int32_t reftirage = 0;
    double date = 0.0; // rounded to four decimal places
    std::int32_t n_tir = 0;
    std::int32_t n_sem = 0;
    std::uint8_t b1 = 0, b2 = 0, b3 = 0, b4 = 0, b5 = 0, b6 = 0, b7 = 0;
};
using ttabTirrage = std::vector<DrawInPeriod>;

// A row of the draw list, with its derived values.
struct DrawListRow {
    std::string libelle; // at most 15 characters
    std::chrono::year_month_day cldate;
    std::int32_t n_sem = 0;
    std::int32_t n_tir = 0;
    double date = 0.0;
    std::int32_t reftirage = 0;
    std::int32_t b[7] = {};
    bool b7Empty = false; // New Loto and New Super Loto have no seventh ball
    std::string joker;    // at most 7 characters; empty when the draw has none
    std::int32_t type = 0;
};

// A row of the prize-rank list of a draw.
struct PrizeRankRow {
    std::int32_t num = 0;
    std::int32_t reftirage = 0;
    double gain = 0.0;
    double gainF = 0.0; // gain in francs
    std::int32_t nbgagnants = 0;
    std::int32_t nbgagnantseuro = 0;
};

// The headings of the draw list's sixth and seventh ball columns for a draw's label.
std::pair<std::string, std::string> BallColumnHeadings(const std::string& libelle);

} // namespace quintaro
