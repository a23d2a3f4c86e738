#pragma once

#include "gui/ui/view_window.h"

namespace quintaro {

// The winnings of a game's grids over a period.
class TfrmCalcul : public ViewWindow {
    Q_OBJECT
public:
    explicit TfrmCalcul(ViewHost& host);
};

} // namespace quintaro
