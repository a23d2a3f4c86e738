#pragma once

#include "core/store/grid_store.h"

#include <filesystem>
#include <string>
#include <string_view>

namespace quintaro {

// The grid export file (".vavuze"): the characters "DQUINTARO", then for the games 0 to 4 in
// order a count (32-bit signed, little-endian) and that many grids, 10 bytes for Loto and
// Super Loto (the numbers of slots 1 to 10), 20 bytes for the others (ten pairs of number
// and second-set value). A section for New Euromillion follows: its count and 22-byte grids
// (eleven pairs); readers of the five first sections ignore it.

inline constexpr std::string_view kGridFileMagic = "DQUINTARO";
inline constexpr const char* kGridFileExtension = "vavuze";
inline constexpr const char* kGridsImported = "Grilles importés";
inline constexpr const char* kImportQuestion =
    "Le fait d'importer des grilles va effacer toutes les grilles actuelles\n\rEtes vous sur de "
    "vouloir continuer ?";

std::string ExportedMessage(const std::filesystem::path& file);
std::string NotQuintaroMessage(const std::filesystem::path& file);
std::string CorruptMessage(const std::filesystem::path& file);

// The file's bytes for the grids of the six games.
std::string GridFileBytes(const std::array<GridList, kGameTypeCount>& grids);

// Writes the file into a new file beside it, renamed over it once complete: a failure leaves
// whatever lay there before as it was, and raises QuintaroError with its text.
void WriteGridFile(const std::filesystem::path& file,
                   const std::array<GridList, kGameTypeCount>& grids);

// A file read: the lists of games 0 to 4, and of game 5 when the file holds its section.
// A file that ends early is not damaged: its missing bytes read as 0. A grid whose bytes are
// all 0 holds nothing and is left out, so that the grids read stay numbered without gaps.
struct GridFileRead {
    enum class Outcome { Read, NotQuintaro, Corrupt };
    Outcome outcome = Outcome::Read;
    GridReplacement lists;
};
GridFileRead ParseGridFile(std::string_view bytes);
// A file that cannot be opened is no Quintaro file.
GridFileRead ReadGridFile(const std::filesystem::path& file);

} // namespace quintaro
