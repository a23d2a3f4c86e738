#pragma once

#include "app/view_window.h"

namespace quintaro {

// The update view: refreshes the draw history and logs every step.
class TfrmMaj : public ViewWindow {
    Q_OBJECT
public:
    explicit TfrmMaj(TfrmMaitre& maitre);
};

} // namespace quintaro
