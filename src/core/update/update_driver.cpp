#include "core/update/update_driver.h"

#include "core/base/text_util.h"
#include "core/store/games.h"
#include "core/update/file_paths.h"

#include <filesystem>

namespace quintaro {

namespace {

// The results file's name as the catalogue gives it, relative to the catalogue's folder.
std::string CsvName(const ResultsArchive& archive, const std::string& folder) {
    const std::string prefix = folder + "/";
    return archive.csv.starts_with(prefix) ? archive.csv.substr(prefix.size())
                                           : NamePart(archive.csv);
}

std::tuple<std::int32_t, double, std::int32_t, std::int32_t> KeyOf(const DrawHeader& draw) {
    return {draw.type, draw.date, draw.n_sem, draw.n_tir};
}

} // namespace

UpdateDriver::UpdateDriver(Tmd& md, const Catalogue& catalogue, UpdateHost& host,
                           ArchiveFetcher& fetcher)
    : md_(md), catalogue_(catalogue), host_(host), fetcher_(fetcher),
      import_(md, catalogue, host, host) {}

bool UpdateDriver::Fetch(const ResultsArchive& archive, std::int32_t mode) {
    const std::string& dest = archive.destination;
    if (mode == kModeInternet) {
        host_.Append("Téléchargement de " + dest + " ...");
        fetcher_.PurgeWebCache(dest);
        if (!fetcher_.DownloadFile(archive.url, dest)) {
            host_.Append("/!\\ Erreur lors du téléchargement de " + dest + " /!\\");
            return false;
        }
        host_.Replace(host_.LineCount() - 1, "Téléchargement de " + dest + " OK");
        const std::size_t unpacking = host_.Append(" Décompression de " + dest + " ...");
        UnzipResult unzipped;
        try {
            unzipped = fetcher_.UnzipToFolder(dest, catalogue_.ResultsDir,
                                              CsvName(archive, catalogue_.ResultsDir));
        } catch (const std::exception&) {
            // An archive that cannot be read has nothing extracted.
        }
        for (const std::string& name : unzipped.ignored)
            host_.Append(" Fichier ignoré dans l'archive : " + name);
        if (unzipped.extracted <= 0) {
            host_.Append(" /!\\ Erreur lors de la Décompression de " + dest + " /!\\");
            return false;
        }
        host_.Replace(unpacking, " Décompression de " + dest + " OK");
        return true;
    }
    if (mode == kModeFichiers) {
        const std::string name = NamePart(archive.csv);
        const std::optional<std::string> chosen = host_.PickResultsFile(name);
        if (!chosen) {
            host_.Append("/!\\ Annulation du chargement de " + name + " par l'utilisateur /!\\");
            return false;
        }
        if (AsciiLower(NamePart(*chosen)) != AsciiLower(name)) {
            host_.Append("/!\\ Fichier différent /!\\");
            return false;
        }
        if (AsciiLower(*chosen) != AsciiLower(archive.csv)) {
            std::error_code ec;
            std::filesystem::copy_file(*chosen, archive.csv,
                                       std::filesystem::copy_options::overwrite_existing, ec);
            if (ec) {
                host_.Append("/!\\ Erreur lors de la copie de " + *chosen + " /!\\");
                return false;
            }
        }
    }
    // Any other mode imports the results files that lie there already.
    return true;
}

void UpdateDriver::Update(std::int32_t mode) {
    Run(mode, {});
}

void UpdateDriver::Run(std::int32_t mode, const std::set<DrawKey>& storedBefore) {
    everyStepSucceeded_ = true;
    added_.clear();
    newWinnings_ = {};
    md_.LastDrawReference();
    import_.ForgetAddedDraws();
    for (std::size_t i = 0; i < catalogue_.SourceCatalogue.size(); ++i) {
        const int type = static_cast<int>(i);
        // Oldest archive first: each one's draws come after those of the one before, and the
        // latest stored date then skips what an earlier update stored.
        const std::vector<ResultsArchive>& archives = catalogue_.SourceCatalogue[i].archives;
        for (std::size_t k = 0; k < archives.size(); ++k) {
            if (Fetch(archives[k], mode)) {
                import_.SetLastStoredDate(md_.LastDrawDate(type));
                import_.LoadResultsFile(type, k);
                if (!import_.ImportNewDraws(type))
                    everyStepSucceeded_ = false;
            } else {
                everyStepSucceeded_ = false;
            }
            if (FileExistsLongPath(archives[k].destination))
                DeleteLongPath(archives[k].destination);
        }
    }

    // A failed computation keeps what was computed, and the update goes on; but it says so.
    const std::size_t statistics = host_.Append("Calcule des statistiques ...");
    const bool computed = md_.ComputeStatistics();
    everyStepSucceeded_ = everyStepSucceeded_ && computed;
    host_.Replace(statistics, computed ? "Calcule des statistiques OK"
                                       : "/!\\ Erreur lors du calcul des statistiques /!\\");
    // The prize amounts in memory follow the database on their next use: nothing is read
    // again here, and the log says what it always said.
    const std::size_t amounts = host_.Append("Chargement des données ...");
    host_.Replace(amounts, "Chargement des données OK");
    host_.Append("Mise à jour terminée");
    MatchAddedDraws(storedBefore);
}

void UpdateDriver::MatchAddedDraws(const std::set<DrawKey>& storedBefore) {
    for (const StoredDraw& draw : import_.AddedDraws())
        if (!storedBefore.contains(KeyOf(draw.draw)))
            added_.push_back(draw);
    md_.LoadGrids();
    for (const StoredDraw& draw : added_)
        if (IsGameType(draw.draw.type) && md_.GridCount(draw.draw.type) > 0)
            newWinnings_.Add(draw, md_.MatchGridsForDraw(draw.reftirage, draw.draw.type));
}

bool UpdateDriver::FullReset(std::int32_t mode) {
    if (!host_.Confirm("Etes vous sur de vouloir vider toutes les données des tirages"))
        return false;
    // The whole history comes back: only what was not stored before is news.
    std::set<DrawKey> storedBefore;
    for (const StoredDraw& draw : md_.Draws().DrawsAfter(0))
        storedBefore.insert(KeyOf(draw.draw));
    host_.Append("/!\\ Effacement des tables");
    // The indexes that only the views read are built again once the rows are in. A program
    // stopped before that finds them missing at its next start, which builds them.
    md_.Draws().DropViewLookupIndexes();
    md_.ClearDrawTables();
    Run(mode, storedBefore);
    md_.EnsureDrawLookupIndexes();
    import_.ClearRows();
    host_.ProcessPendingMessages();
    return true;
}

} // namespace quintaro
