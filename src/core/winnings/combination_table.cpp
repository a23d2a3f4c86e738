#include "core/winnings/combination_table.h"

#include <algorithm>
#include <cerrno>
#include <cstdio>
#include <memory>

namespace quintaro {

std::size_t CombinationTable::Offset(int family, int played, int secondPlayed, int matched,
                                     int secondMatched, int rank) {
    const long offset = (family - 1) * static_cast<long>(kFamilyBytes) + (played - 5) * 2808L +
                        secondPlayed * 234L + (matched - 1) * 39L + secondMatched * 13L +
                        (rank - 1);
    return static_cast<std::size_t>(offset);
}

bool CombinationTable::InLayout(int family, int played, int secondPlayed, int matched,
                                int secondMatched, int rank) {
    const bool matchedInLayout = (matched >= 1 && matched <= 6) ||
                                 (HasChanceNumber(family) && matched == 0 && secondPlayed >= 1);
    return family >= 1 && family <= kFamilyCount && played >= 5 && played <= 10 &&
           secondPlayed >= 0 && secondPlayed <= 11 && matchedInLayout && secondMatched >= 0 &&
           secondMatched <= 2 && rank >= 1 && rank <= kRankCount;
}

CombinationTable CombinationTable::FromRules() {
    CombinationTable table;
    for (int family = 1; family <= kFamilyCount; ++family)
        for (int played = 5; played <= 10; ++played)
            for (int second = 0; second <= 11; ++second)
                for (int matched = 1; matched <= 6; ++matched)
                    for (int secondMatched = 0; secondMatched <= 2; ++secondMatched)
                        for (int rank = 1; rank <= kRankCount; ++rank) {
                            // The chance-number families keep the counts of no number matched
                            // where matched 6 would lie, under one second-set number less (and
                            // none for a grid of twelve chance numbers, which the layout has no
                            // room for).
                            const bool noneMatched = HasChanceNumber(family) && matched == 6;
                            std::uint64_t count = 0;
                            if (!noneMatched)
                                count = CombinationCount(family, played, second, matched,
                                                         secondMatched, rank);
                            else if (second < 11)
                                count = CombinationCount(family, played, second + 1, 0,
                                                         secondMatched, rank);
                            table.bytes_[Offset(family, played, second, matched, secondMatched,
                                                rank)] =
                                static_cast<std::uint8_t>(
                                    std::min<std::uint64_t>(count, kSaturated));
                        }
    return table;
}

std::array<std::uint64_t, 13> CombinationTable::Counts(int family, int played, int secondPlayed,
                                                       int matched, int secondMatched) const {
    std::array<std::uint64_t, 13> counts{};
    const bool inLayout = InLayout(family, played, secondPlayed, matched, secondMatched, 1);
    const std::uint8_t* entry =
        inLayout ? &bytes_[Offset(family, played, secondPlayed, matched, secondMatched, 1)]
                 : nullptr;
    for (int rank = 1; rank <= kRankCount; ++rank) {
        const std::uint8_t byte = entry ? entry[rank - 1] : kSaturated;
        counts[static_cast<std::size_t>(rank - 1)] =
            byte != kSaturated
                ? byte
                : CombinationCount(family, played, secondPlayed, matched, secondMatched, rank);
    }
    return counts;
}

bool CombinationTable::Load(const std::filesystem::path& file, std::string& error) {
    struct Closer {
        void operator()(std::FILE* f) const { std::fclose(f); }
    };
    std::unique_ptr<std::FILE, Closer> in(std::fopen(file.c_str(), "rb"));
    if (!in) {
        switch (errno) {
        case ENOENT:
        case ENOTDIR:
            error = "Fichier introuvable";
            break;
        case EACCES:
        case EPERM:
            error = "Accès au fichier refusé";
            break;
        default:
            error = "Erreur E/S " + std::to_string(errno);
        }
        return false;
    }
    std::array<std::uint8_t, kSize> block{};
    const std::size_t read = std::fread(block.data(), 1, kSize, in.get());
    if (read != kSize) {
        error = std::ferror(in.get()) ? "Erreur E/S " + std::to_string(errno)
                                      : "Lecture au-delà de la fin de fichier";
        return false;
    }
    // The file has no checksum: a damaged one would pay wrong prizes without a word. The
    // rules it was built from are here, so it is held to them.
    if (block != FromRules().bytes_) {
        error = "Tables de calculs non conformes aux règles des gains";
        return false;
    }
    bytes_ = block;
    return true;
}

} // namespace quintaro
