#pragma once

#include "core/store/draw_records.h"
#include "gui/ui/ox_table_model.h"

#include <string>
#include <utility>

namespace quintaro {

// The draw list as a data grid shows it: "Type", "Date", "N°", "Tir", the seven balls and
// "joker". The date sorts by its day count.
class DrawListModel : public OxRowModel<DrawListRow> {
public:
    static constexpr int kB6Column = 9;
    static constexpr int kB7Column = 10;

    explicit DrawListModel(QObject* parent = nullptr);

    // The headings of the sixth and seventh balls, which depend on the current draw's game.
    void SetBallHeadings(const std::pair<std::string, std::string>& headings);
};

// The prize ranks of a draw: "Rang", "Combinaison", "Gain €", "Gain F", "NB F", "NB E".
class PrizeRankModel : public OxRowModel<PrizeRankRow> {
public:
    explicit PrizeRankModel(QObject* parent = nullptr);
};

} // namespace quintaro
