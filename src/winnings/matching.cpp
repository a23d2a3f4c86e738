#include "winnings/matching.h"

namespace quintaro {

namespace {

bool Wins(int type, int matched, int secondHit) {
    switch (type) {
    case 2:
        return matched >= 3 || (matched == 2 && secondHit >= 1) || (matched == 1 && secondHit == 2);
    case 3:
    case 4:
        return matched >= 2 || secondHit >= 1;
    case 5:
        return matched >= 2 || (secondHit >= 2 && matched >= 1);
    default:
        return matched > 2;
    }
}

} // namespace

int FamilyOfType(int type) {
    static constexpr std::array<int, kGameTypeCount> families = {1, 1, 2, 3, 3, 4};
    return type >= 0 && type < kGameTypeCount ? families[static_cast<std::size_t>(type)] : 0;
}

double GridPrize(const CombinationTable& table, const PrizeAmounts& amounts, std::int64_t reference,
                 int family, int played, int secondPlayed, int matched, int secondMatched) {
    const PrizeAmounts::Ranks* ranks = amounts.Find(reference);
    double prize = 0.0;
    if (!ranks)
        return prize;
    for (int rank = 1; rank <= 13; ++rank) {
        const double amount = (*ranks)[static_cast<std::size_t>(rank - 1)];
        if (amount != 0.0)
            prize += static_cast<double>(
                         table.Count(family, played, secondPlayed, matched, secondMatched, rank)) *
                     amount;
    }
    return prize;
}

TgrilleGagnante MatchGrids(const GridList& grids, int type, const DrawBalls& balls,
                           bool chanceAlsoBall7, std::int64_t reference,
                           const CombinationTable& table, const PrizeAmounts& amounts) {
    TgrilleGagnante result;
    const int family = FamilyOfType(type);
    if (family == 0)
        return result;
    if (!HasSecondSet(type)) {
        for (const Grid& grid : grids) {
            WinningGrid w;
            int played = 0, complementaryHit = 0;
            for (int j = 0; j < 10; ++j) {
                const std::uint8_t v = grid.main[static_cast<std::size_t>(j)];
                if (v == 0)
                    continue;
                ++played;
                auto& mark = w.mainMarks[static_cast<std::size_t>(j)];
                for (int b = 1; b <= 6; ++b)
                    if (balls[static_cast<std::size_t>(b)] == v) {
                        ++w.matched;
                        mark = kMainDrawn;
                    }
                if (balls[7] == v) {
                    complementaryHit = 1;
                    mark = kSecondDrawn;
                }
            }
            if (!Wins(type, w.matched, 0))
                continue;
            w.mainNumbers = grid.main;
            w.complementary = complementaryHit == 1;
            w.prize = GridPrize(table, amounts, reference, family, played, 0, w.matched,
                                complementaryHit);
            result.push_back(w);
        }
        return result;
    }

    const int slots = type == 5 ? 11 : 10;
    const int lastSecondBall = (type == 3 || type == 4) && !chanceAlsoBall7 ? 6 : 7;
    for (const Grid& grid : grids) {
        WinningGrid w;
        int played = 0, secondPlayed = 0;
        for (int j = 0; j < slots; ++j) {
            const auto s = static_cast<std::size_t>(j);
            if (const std::uint8_t v = grid.main[s]) {
                ++played;
                for (int b = 1; b <= 5; ++b)
                    if (balls[static_cast<std::size_t>(b)] == v) {
                        ++w.matched;
                        w.mainMarks[s] = kMainDrawn;
                    }
            }
            if (const std::uint8_t e = grid.second[s]) {
                ++secondPlayed;
                for (int b = 6; b <= lastSecondBall; ++b)
                    if (balls[static_cast<std::size_t>(b)] == e) {
                        ++w.secondMatched;
                        w.secondMarks[s] = kSecondDrawn;
                    }
            }
        }
        if (!Wins(type, w.matched, w.secondMatched))
            continue;
        w.mainNumbers = grid.main;
        w.secondNumbers = grid.second;
        w.prize = GridPrize(table, amounts, reference, family, played, secondPlayed, w.matched,
                            w.secondMatched);
        result.push_back(w);
    }
    return result;
}

} // namespace quintaro
