#pragma once

#include "core/store/bet_prices.h"

#include <cstdint>
#include <filesystem>
#include <string>
#include <vector>

namespace quintaro {

// One archive of a results source and the results file it holds.
struct ResultsArchive {
    std::string url;
    std::string destination; // ResultsDir + "/" + the archive's file name
    std::string csv;         // ResultsDir + "/" + the results file's name
};

// One results source; its index in the catalogue is the draw type. The operator splits a
// game's history into several archives: url, destination and csv are those of the first,
// `archives` lists them all, oldest first.
struct TlistFiche {
    std::string url;
    std::string destination;
    std::string csv;
    std::string lib; // the game's label
    std::vector<ResultsArchive> archives;
};

// The results-source catalogue, read once at start-up from the INI file of the installation.
struct Catalogue {
    std::string CatalogueIniPath;
    std::string CatalogueDir; // without a trailing separator
    // Where the entries' archives are downloaded and their results files lie: a folder the
    // user owns, the catalogue's own folder unless given.
    std::string ResultsDir;
    std::int32_t CatalogueCount = 0;
    std::vector<TlistFiche> SourceCatalogue;
    std::string FrancCurrencyCode = "fr";
    // The prices of a simple bet of each entry's game ("prix" + index in the section "prix"),
    // one list per entry; empty where none is known.
    std::vector<BetPrices> SimpleBetPrices;
};

inline constexpr const char* kCatalogueMalformed = "Fichier INI non conforme";
inline constexpr const char* kRangeCheckError = "Erreur de vérification d'étendue";

// Reads the catalogue at iniPath into cat. Raises QuintaroError "Fichier INI non conforme"
// when the file does not describe at least one complete source (the entries before the
// first incomplete one stay filled), and "Erreur de vérification d'étendue" for a negative
// count. A malformed price list raises "Fichier INI non conforme : " + its key and its fault.
// The keys url, destination and csv of an entry may each list several archives separated by
// "|", in the same order; lists of different lengths, or an empty url among several, raise
// "Fichier INI non conforme : " + the keys and the fault.
void LoadSourceCatalogue(Catalogue& cat, const std::filesystem::path& iniPath);
void LoadSourceCatalogue(Catalogue& cat, const std::filesystem::path& iniPath,
                         const std::filesystem::path& resultsDir);

} // namespace quintaro
