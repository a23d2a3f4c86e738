#pragma once

#include "core/store/grid.h"

#include <string>
#include <vector>

namespace quintaro {

// A grid as the editor's questions write it: " (3) (12) ... (E2) (E9)", its numbers then its
// second set, chance numbers included.
std::string GridText(const Grid& grid);

// The confirmations of the editor's changes.
std::string AddQuestion(const Grid& grid);
std::string ModifyQuestion(const Grid& stored, const Grid& replacement);
std::string DeleteQuestion(const Grid& stored);

// The editor's list of a game's grids: the headings ("B1".."B10", then "E1".. for stars or
// "C1".. for chance numbers), and the cells of one grid's row, an empty slot an empty cell.
std::vector<std::string> GridColumns(int type);
std::vector<std::string> GridRowCells(int type, const Grid& grid);

} // namespace quintaro
