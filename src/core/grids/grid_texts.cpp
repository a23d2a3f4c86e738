#include "core/grids/grid_texts.h"

#include "core/grids/grid_rules.h"

namespace quintaro {

namespace {

// The columns of each set in the list: as many as the set can hold in the editor.
int MainColumns(int type) {
    return MostNumbers(type, 0);
}
int SecondColumns(int type) {
    return MostSecondValues(type, 0);
}

std::string SetText(const GridSet& set, const char* prefix) {
    std::string text;
    for (std::uint8_t v : set)
        if (v)
            text += " (" + std::string(prefix) + std::to_string(v) + ")";
    return text;
}

void AddCells(std::vector<std::string>& cells, const GridSet& set, int columns) {
    for (int i = 0; i < columns; ++i) {
        const std::uint8_t v =
            i < static_cast<int>(set.size()) ? set[static_cast<std::size_t>(i)] : 0;
        cells.push_back(v ? std::to_string(v) : std::string());
    }
}

} // namespace

std::string GridText(const Grid& grid) {
    return SetText(grid.main, "") + SetText(grid.second, "E");
}

std::string AddQuestion(const Grid& grid) {
    return "Etes vous sur de vouloir ajouter la grille : " + GridText(grid);
}

std::string ModifyQuestion(const Grid& stored, const Grid& replacement) {
    return "Etes vous sur de vouloir modifier la grille : " + GridText(stored) + "\r" +
           "par la grille  : " + GridText(replacement);
}

std::string DeleteQuestion(const Grid& stored) {
    return "Etes vous sur de vouloir supprimer la grille : " + GridText(stored);
}

std::vector<std::string> GridColumns(int type) {
    std::vector<std::string> headings;
    for (int i = 1; i <= MainColumns(type); ++i)
        headings.push_back("B" + std::to_string(i));
    const char* second = HasChanceNumbers(type) ? "C" : "E";
    for (int i = 1; i <= SecondColumns(type); ++i)
        headings.push_back(second + std::to_string(i));
    return headings;
}

std::vector<std::string> GridRowCells(int type, const Grid& grid) {
    std::vector<std::string> cells;
    AddCells(cells, grid.main, MainColumns(type));
    AddCells(cells, grid.second, SecondColumns(type));
    return cells;
}

} // namespace quintaro
