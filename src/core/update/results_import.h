#pragma once

#include "core/datastore/tmd.h"
#include "core/store/catalogue.h"
#include "core/update/results_file.h"
#include "core/update/update_log.h"

#include <array>
#include <string>
#include <vector>

namespace quintaro {

// The 53 standard column names of a results file; position 0, "na", names a header cell that
// maps to none of them.
extern const std::array<std::string, 54> StandardColumns;

// The import of one catalogue entry's results file: its header renamed through the entry's
// column mapping, then every draw that is not stored yet added with its balls, prize ranks and
// Joker number, inside one transaction.
class ResultsImport {
public:
    ResultsImport(Tmd& md, const Catalogue& catalogue, UpdateLog& log, ImportProgress& progress);

    // Lines dated before this day count are never imported.
    void SetLastStoredDate(double date) { lastStoredDate_ = date; }
    // Reads the mapping of entry i and the results file of its archive (its first by default);
    // fails when the file cannot be read. A mapping value may list several header texts
    // separated by "|": the first that the file's header holds names the column.
    void LoadResultsFile(int i, std::size_t archive = 0);
    // Adds the new draws of the loaded file as draws of type i. A failure is logged and rolls
    // the whole file back.
    // False when the file's import failed and was rolled back (its text is in the log).
    bool ImportNewDraws(int i);
    void ClearRows();
    // The draws that the files imported and committed since the last ForgetAddedDraws added,
    // by type then reference.
    const std::vector<StoredDraw>& AddedDraws() const { return addedDraws_; }
    void ForgetAddedDraws() { addedDraws_.clear(); }

private:
    using Row = std::vector<std::string>;
    int Column(std::string_view name) const; // first header cell of that name, or -1
    void ImportLine(int i, Row& row);
    void ImportPrizeRanks(Row& row);
    void ImportJoker(Row& row);

    Tmd& md_;
    const Catalogue& catalogue_;
    UpdateLog& log_;
    ImportProgress& progress_;

    std::array<std::string, 54> mapping_;
    ResultsText text_;
    std::vector<std::string> header_;
    int deviseColumn_ = -1, dateColumn_ = -1, numColumn_ = -1, tirColumn_ = -1;
    std::array<int, 7> ballColumns_{};
    // Positions of the named columns that every line needs, found once per file.
    std::array<int, 14> gColumns_{}, nfColumns_{}, neColumns_{};
    int jokerColumn_ = -1, jokerPlusColumn_ = -1;
    double lastStoredDate_ = 0.0;
    // The draws of the type stored from that day on, and those the file added: a line that
    // holds one of them is not added again.
    DrawRecords::DrawKeys knownDraws_;
    std::vector<StoredDraw> fileDraws_; // added by the file being imported
    std::vector<StoredDraw> addedDraws_;
    std::int32_t added_ = 0;
};

} // namespace quintaro
