#pragma once

#include <array>
#include <cstdint>
#include <vector>

namespace quintaro {

// The amount one winning combination of each rank earned, per draw reference 1..N, N being the
// largest reference that has prize ranks. References and ranks without a row read 0.0, and so
// does a reference beyond N. Only the references that have rows take memory.
class PrizeAmounts {
public:
    using Ranks = std::array<double, 13>;

    void Clear();
    // Rows must come in ascending reference; a rank outside 1..13 or a reference below 1 has
    // no place in the list and is ignored.
    void Set(std::int64_t reference, std::int64_t rank, double amount);

    std::int64_t Count() const { return records_.empty() ? 0 : records_.back().reference; }
    double Amount(std::int64_t reference, int rank) const;
    // The 13 amounts of a draw, or nullptr when it has none.
    const Ranks* Find(std::int64_t reference) const;

private:
    struct Record {
        std::int64_t reference;
        Ranks amounts;
    };
    std::vector<Record> records_; // ascending reference
};

} // namespace quintaro
