#pragma once

#include "core/store/catalogue.h"
#include "core/store/draw_records.h"
#include "core/winnings/draw_summary.h"
#include "core/winnings/matching.h"

#include <cstddef>
#include <functional>
#include <string>
#include <vector>

namespace quintaro {

// How the caller writes a date (a day count) in the user's regional format.
using DateWriter = std::function<std::string(double)>;

// A draw an update added on which the player's grids won something.
struct WinningNewDraw {
    StoredDraw stored;
    TgrilleGagnante winners; // the grids with a prize, in grid order
    double total = 0.0;
};

// What the player's grids won on the draws an update added. Only the draws of a game the
// player has grids for are checked: without a grid there is nothing to tell.
struct NewDrawWinnings {
    std::size_t drawsChecked = 0;
    std::vector<WinningNewDraw> draws; // in the order they were checked
    double total = 0.0;

    // Counts a checked draw and keeps its winning grids that have a prize: a grid whose ranks
    // have no amount won nothing the player can be told of.
    void Add(const StoredDraw& draw, const TgrilleGagnante& winners);
    // Whether the update has anything to report: a draw of a game with grids was added.
    bool Reported() const { return drawsChecked > 0; }
    bool Won() const { return total > 0.0; }
    // The winning draw of the latest date (of the latest reference on a day of several);
    // nullptr when nothing was won.
    const WinningNewDraw* LatestWin() const;
};

// The report's lines, for the update's log: per game with a win, each winning draw with its
// winning grids and the game's total, then the total of all; "Aucun gain sur les nouveaux
// tirages" when nothing was won; no line when nothing was checked. Games are named as the
// catalogue labels them.
std::vector<std::string> NewDrawWinningsLines(const NewDrawWinnings& winnings,
                                              const Catalogue& catalogue,
                                              const AmountWriter& currency, const DateWriter& date);

// The message that tells the player in front that something was won: the total and the latest
// winning draw.
std::string NewDrawWinningsMessage(const NewDrawWinnings& winnings, const Catalogue& catalogue,
                                   const AmountWriter& currency, const DateWriter& date);

} // namespace quintaro
