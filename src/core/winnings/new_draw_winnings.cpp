#include "core/winnings/new_draw_winnings.h"

#include "core/store/games.h"

#include <algorithm>

namespace quintaro {

namespace {

std::string GameLabel(const Catalogue& catalogue, std::int32_t type) {
    const auto index = static_cast<std::size_t>(type);
    return type >= 0 && index < catalogue.SourceCatalogue.size()
               ? catalogue.SourceCatalogue[index].lib
               : "type " + std::to_string(type);
}

// "n° 2023016 du 16/03/2023", and which draw of the day when there were several.
std::string DrawText(const DrawHeader& draw, const DateWriter& date) {
    std::string text = "n° " + std::to_string(draw.n_sem) + " du " + date(draw.date);
    if (draw.n_tir > 1)
        text += " (" + std::to_string(draw.n_tir) + "e tirage)";
    return text;
}

// "3 bons numéros + complémentaire", "2 bons numéros + 1 étoile", "1 bon numéro + numéro
// chance".
std::string MatchedText(std::int32_t type, const WinningGrid& grid) {
    std::string text =
        std::to_string(grid.matched) + (grid.matched > 1 ? " bons numéros" : " bon numéro");
    const int second = SecondIndex(type, grid);
    if (second == 0)
        return text;
    if (!HasSecondSet(type))
        return text + " + complémentaire";
    if (Game(type).simpleSecond == 1)
        return text + " + numéro chance";
    return text + " + " + std::to_string(second) + (second > 1 ? " étoiles" : " étoile");
}

} // namespace

void NewDrawWinnings::Add(const StoredDraw& draw, const TgrilleGagnante& winners) {
    ++drawsChecked;
    WinningNewDraw won{draw, {}, 0.0};
    for (const WinningGrid& grid : winners)
        if (grid.prize > 0.0) {
            won.winners.push_back(grid);
            won.total += grid.prize;
        }
    if (won.winners.empty())
        return;
    total += won.total;
    draws.push_back(std::move(won));
}

const WinningNewDraw* NewDrawWinnings::LatestWin() const {
    const WinningNewDraw* latest = nullptr;
    for (const WinningNewDraw& d : draws)
        if (!latest || d.stored.draw.date > latest->stored.draw.date ||
            (d.stored.draw.date == latest->stored.draw.date &&
             d.stored.reftirage > latest->stored.reftirage))
            latest = &d;
    return latest;
}

std::vector<std::string> NewDrawWinningsLines(const NewDrawWinnings& winnings,
                                              const Catalogue& catalogue,
                                              const AmountWriter& currency,
                                              const DateWriter& date) {
    if (!winnings.Reported())
        return {};
    if (!winnings.Won())
        return {"Aucun gain sur les nouveaux tirages"};
    std::vector<std::string> lines = {"Gains de vos grilles sur les nouveaux tirages :"};
    // Game by game, in the order the games first appear.
    std::vector<std::int32_t> games;
    for (const WinningNewDraw& d : winnings.draws)
        if (std::find(games.begin(), games.end(), d.stored.draw.type) == games.end())
            games.push_back(d.stored.draw.type);
    for (const std::int32_t type : games) {
        const std::string label = GameLabel(catalogue, type);
        lines.push_back(" " + label);
        double gameTotal = 0.0;
        for (const WinningNewDraw& d : winnings.draws) {
            if (d.stored.draw.type != type)
                continue;
            lines.push_back("  Tirage " + DrawText(d.stored.draw, date));
            for (const WinningGrid& grid : d.winners)
                lines.push_back("   Grille " + std::to_string(grid.number) + " : " +
                                MatchedText(type, grid) + ", " + currency(grid.prize));
            gameTotal += d.total;
        }
        lines.push_back("  Total " + label + " : " + currency(gameTotal));
    }
    lines.push_back(" Total des gains : " + currency(winnings.total));
    return lines;
}

std::string NewDrawWinningsMessage(const NewDrawWinnings& winnings, const Catalogue& catalogue,
                                   const AmountWriter& currency, const DateWriter& date) {
    std::string text =
        "Vos grilles ont gagné " + currency(winnings.total) + " sur les nouveaux tirages.";
    if (const WinningNewDraw* latest = winnings.LatestWin())
        text += "\nDernier tirage gagnant : " + GameLabel(catalogue, latest->stored.draw.type) +
                ", tirage " + DrawText(latest->stored.draw, date) + ".";
    return text;
}

} // namespace quintaro
