#pragma once

#include "gui/ui/view_window.h"

namespace quintaro {

// The statistics of each game's numbers, second set and Joker digits.
class TfrmStatistique : public ViewWindow {
    Q_OBJECT
public:
    explicit TfrmStatistique(ViewHost& host);
};

} // namespace quintaro
