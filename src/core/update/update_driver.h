#pragma once

#include "core/datastore/tmd.h"
#include "core/store/catalogue.h"
#include "core/update/results_import.h"
#include "core/update/update_log.h"
#include "core/update/zip_archive.h"
#include "core/winnings/new_draw_winnings.h"

#include <cstdint>
#include <optional>
#include <set>
#include <string>
#include <tuple>
#include <vector>

namespace quintaro {

// The Internet mode's fetching of an entry's results archive.
class ArchiveFetcher {
public:
    virtual ~ArchiveFetcher() = default;
    // Removes stale cached copies of the archive; a failure stops the whole update.
    virtual void PurgeWebCache(const std::string& destination) = 0;
    // False when the download failed; a local file that cannot be created stops the update.
    virtual bool DownloadFile(const std::string& url, const std::string& destination) = 0;
    // Extracts into the folder the archive's entry named entryName and nothing else; no file
    // extracted, or a failure, is an extraction failure.
    virtual UnzipResult UnzipToFolder(const std::string& archive, const std::string& folder,
                                      const std::string& entryName) = 0;
};

// What the update asks of the program around it, besides its log and the import's progress.
class UpdateHost : public UpdateLog, public ImportProgress {
public:
    // The Fichiers mode: the path of the results file the user picks, offered under its
    // file name alone; nothing when the user cancels.
    virtual std::optional<std::string> PickResultsFile(const std::string& fileName) = 0;
    // The full reset's confirmation; true for "Oui".
    virtual bool Confirm(const std::string& question) = 0;
    virtual void ProcessPendingMessages() = 0;
};

// The update modes of the settings.
inline constexpr std::int32_t kModeInternet = 0;
inline constexpr std::int32_t kModeFichiers = 1;

// "MAj nouveaux Tirages" and "Maj Total": every catalogue entry's results file is obtained as
// the update mode says and its new draws imported; then the statistics are rebuilt and the
// prize amounts reloaded. A failure that stops the whole update leaves as an exception, whose
// text the program shows. An update that runs to its end then matches the player's grids with
// the draws it added, for the program to tell what they won.
class UpdateDriver {
public:
    UpdateDriver(Tmd& md, const Catalogue& catalogue, UpdateHost& host, ArchiveFetcher& fetcher);

    void Update(std::int32_t mode);
    // Asks first; false when the user declines.
    bool FullReset(std::int32_t mode);
    // Whether the last update ran every step to success: no entry whose results file could not
    // be fetched, picked or imported, and statistics computed.
    bool EveryStepSucceeded() const { return everyStepSucceeded_; }
    // The draws the last update added, by game then reference. Those of a full reset are the
    // draws that were not stored before it: the same game, date, draw number and n_tir.
    const std::vector<StoredDraw>& AddedDraws() const { return added_; }
    // What the grids won on them, at the prize amounts reloaded by the update.
    const NewDrawWinnings& NewWinnings() const { return newWinnings_; }

private:
    // What identifies a draw across a full reset: type, date, n_sem, n_tir.
    using DrawKey = std::tuple<std::int32_t, double, std::int32_t, std::int32_t>;

    void Run(std::int32_t mode, const std::set<DrawKey>& storedBefore);
    bool Fetch(const ResultsArchive& archive, std::int32_t mode);
    void MatchAddedDraws(const std::set<DrawKey>& storedBefore);

    Tmd& md_;
    const Catalogue& catalogue_;
    UpdateHost& host_;
    ArchiveFetcher& fetcher_;
    ResultsImport import_;
    bool everyStepSucceeded_ = true;
    std::vector<StoredDraw> added_;
    NewDrawWinnings newWinnings_;
};

} // namespace quintaro
