#pragma once

#include "core/db/sqlite_db.h"
#include "core/store/catalogue.h"
#include "core/store/period_draws.h"

#include <array>
#include <chrono>
#include <cstdint>
#include <optional>
#include <set>
#include <string>
#include <tuple>
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
    std::string combinaison; // what the rank pays for under the draw's rules: "3+2", "4+C"
};

// The headings of the draw list's sixth and seventh ball columns for a draw's label.
std::pair<std::string, std::string> BallColumnHeadings(const std::string& libelle);

// What identifies a stored draw.
struct DrawHeader {
    std::int32_t type = 0;
    double date = 0.0;
    std::int32_t n_sem = 0;
    std::int32_t n_tir = 0;
};

// A stored draw with its reference.
struct StoredDraw {
    std::int32_t reftirage = 0;
    DrawHeader draw;
};

// Balls 1 to 7 of a draw at indices 1 to 7 (index 0 unused), 0 where a ball is missing.
using DrawBalls = std::array<std::uint8_t, 8>;

// The stored draws: adding them with their balls, prize ranks and Joker number, the tests the
// import relies on, the draw list and the prize-rank list of the draws view, and the draws of
// a period. Query operations catch their failures and leave the text in `lastError`; inserts
// let theirs through.
class DrawRecords {
public:
    DrawRecords(SqlConnection& cnx, const Catalogue& catalogue, std::string& lastError);

    // The largest stored reference; each AddDraw stores the next one.
    void LastDrawReference();
    std::int32_t LastReference() const { return lastReference_; }
    // The draw type of the following AddDraw calls.
    void SetDrawInsertType(std::int32_t type);
    void AddDraw(std::int32_t n_sem, std::int32_t n_tir, double date,
                 const std::array<std::int32_t, 7>& balls);
    void AddPrizeRanks(const TtabGain& ranks);
    void AddJoker(const std::string& joker, std::int32_t nbgagnant);
    bool DrawExists(std::int32_t n_sem, std::int32_t n_tir, double date, std::int32_t type);
    // The (date, n_sem, n_tir) of the draws of a type stored on or after a day: the import
    // of a file asks one question of the database, not one per line. Failures reach the
    // caller.
    using DrawKeys = std::set<std::tuple<double, std::int32_t, std::int32_t>>;
    DrawKeys DrawKeysFrom(std::int32_t type, double from);
    // 0 when the type has no draw, -1 on an error.
    double LastDrawDate(std::int32_t type);
    // The lookup indexes (DrawLookupIndexes), created when missing, when they can be.
    void EnsureDrawLookupIndexes();
    // Drops the lookup indexes that the import does not read, before a reload of the whole
    // history; failures reach the caller.
    void DropViewLookupIndexes();

    // The draw list of one type, or of all types when index >= CatalogueCount. Before the
    // first call OpenDrawList lists every draw.
    void OpenDrawList();
    void FilterDrawList(std::int32_t index);
    const std::vector<DrawListRow>& DrawList() const { return drawList_; }
    std::vector<PrizeRankRow> PrizeRankList(std::int32_t reference);
    // The draws of a type between the whole days of `from` and `to`, by date and n_tir, from
    // the copy in memory; failures reach the caller.
    ttabTirrage SelectDrawsInPeriod(std::int32_t type, double from, double to) {
        return periodDraws_.Select(type, from, to);
    }
    // One stored draw; nothing when there is none of that reference. Failures reach the caller.
    std::optional<DrawHeader> FindDraw(std::int32_t reference);
    DrawBalls Balls(std::int32_t reference);
    // The draws stored under a reference above the given one, by type then reference.
    // Failures reach the caller.
    std::vector<StoredDraw> DrawsAfter(std::int32_t reference);

private:
    void ReadDrawList(const std::string& query);

    SqlConnection& cnx_;
    const Catalogue& catalogue_;
    std::string& lastError_;
    CachedStatement drawInsert_;
    CachedStatement numberInsert_;
    CachedStatement prizeRankInsert_;
    CachedStatement jokerInsert_;
    CachedStatement drawExists_;
    std::vector<DrawListRow> drawList_;
    PeriodDraws periodDraws_;
    std::int32_t lastReference_ = 0;
};

} // namespace quintaro
