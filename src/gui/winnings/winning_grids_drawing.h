#pragma once

class QTableWidget;

namespace quintaro {

class DrawWinningsDisplay;

// Draws every cell of the winning-grids table, its heading row included, as the display's
// table says: the heading on the button face, the main-number columns on the 3-D light colour,
// the second set's on the inactive-caption-text colour, the other columns on gray, a drawn main
// number on green and a drawn complementary ball, star or chance number on red; the text in
// black 2 pixels from the left edge, at the top.
void DrawWinningGridCells(QTableWidget& table, const DrawWinningsDisplay& display);

} // namespace quintaro
