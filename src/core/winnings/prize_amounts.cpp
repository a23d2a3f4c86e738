#include "core/winnings/prize_amounts.h"

#include <algorithm>

namespace quintaro {

void PrizeAmounts::Clear() {
    records_.clear();
}

void PrizeAmounts::Set(std::int64_t reference, std::int64_t rank, double amount) {
    if (reference < 1 || rank < 1 || rank > 13)
        return;
    if (records_.empty() || records_.back().reference != reference) {
        if (!records_.empty() && records_.back().reference > reference)
            return;
        records_.push_back({reference, {}});
    }
    records_.back().amounts[static_cast<std::size_t>(rank - 1)] = amount;
}

const PrizeAmounts::Ranks* PrizeAmounts::Find(std::int64_t reference) const {
    // References run from 1 without gaps in a database filled by the updates: the record of
    // a reference is then at its place, and a period asks for thousands of them.
    if (reference >= 1 && static_cast<std::uint64_t>(reference) <= records_.size() &&
        records_[static_cast<std::size_t>(reference - 1)].reference == reference)
        return &records_[static_cast<std::size_t>(reference - 1)].amounts;
    auto it = std::lower_bound(records_.begin(), records_.end(), reference,
                               [](const Record& r, std::int64_t ref) { return r.reference < ref; });
    return it != records_.end() && it->reference == reference ? &it->amounts : nullptr;
}

double PrizeAmounts::Amount(std::int64_t reference, int rank) const {
    const Ranks* ranks = Find(reference);
    return ranks && rank >= 1 && rank <= 13 ? (*ranks)[static_cast<std::size_t>(rank - 1)] : 0.0;
}

} // namespace quintaro
