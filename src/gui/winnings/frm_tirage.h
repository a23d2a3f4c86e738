#pragma once

#include "gui/ui/view_window.h"

namespace quintaro {

// The draws of a game and what the player's grids won in each.
class TfrmTirage : public ViewWindow {
    Q_OBJECT
public:
    explicit TfrmTirage(ViewHost& host);
};

} // namespace quintaro
