#pragma once

#include "core/winnings/prize_rules.h"

#include <array>
#include <cstdint>
#include <filesystem>
#include <string>

namespace quintaro {

// The prize combination tables: for every way a grid can relate to a draw, how many of its
// simple combinations win each rank. A fixed block of bytes, indexed
// [family 1..6][played 5..10][second played 0..11][matched 1..6][second matched 0..2][rank 1..13].
// Families 5 and 6, today's rules, follow the first four's 67392 bytes, which stay as they
// were. A byte of 255 stands for "255 or more".
class CombinationTable {
public:
    static constexpr std::size_t kFamilyBytes = 16848;
    static constexpr std::size_t kSize = kFamilyBytes * kFamilyCount;
    static constexpr std::uint8_t kSaturated = 255;

    // Byte offset of an entry; the indices must lie in the layout's ranges, except that the
    // chance-number families take matched 0 (its counts lie at the place of matched 6 under
    // second played − 1).
    static std::size_t Offset(int family, int played, int secondPlayed, int matched,
                              int secondMatched, int rank);
    static bool InLayout(int family, int played, int secondPlayed, int matched, int secondMatched,
                         int rank);

    // The table built from the prize-rank rules, as the file holds it.
    static CombinationTable FromRules();

    // Reads the first kSize bytes of the file and checks them against the rules; on failure
    // returns false with the French text of the file error, or of the mismatch, in `error`.
    bool Load(const std::filesystem::path& file, std::string& error);

    // The combination counts of ranks 1 to 13: the table's bytes, or the rules' count where a
    // byte is saturated or the indices lie outside the layout.
    std::array<std::uint64_t, 13> Counts(int family, int played, int secondPlayed, int matched,
                                         int secondMatched) const;

    const std::array<std::uint8_t, kSize>& Bytes() const { return bytes_; }

private:
    std::array<std::uint8_t, kSize> bytes_{};
};

} // namespace quintaro
