#pragma once

#include "gui/ui/view_window.h"

namespace quintaro {

// The grid editor: the player's grids of each game.
class TfrmGrille : public ViewWindow {
    Q_OBJECT
public:
    explicit TfrmGrille(ViewHost& host);
};

} // namespace quintaro
