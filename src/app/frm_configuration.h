#pragma once

#include "app/view_window.h"

namespace quintaro {

// The settings view.
class TfrmConfiguration : public ViewWindow {
    Q_OBJECT
public:
    explicit TfrmConfiguration(TfrmMaitre& maitre);
};

} // namespace quintaro
