#pragma once

#include "core/update/update_log.h"

#include <QWidget>

class QProgressBar;

namespace quintaro {

// The progress window of an import: a bar in a borderless window that stays on top, centred
// on the main window, with the hourglass cursor while it shows.
class TfrmProgress : public QWidget, public ImportProgress {
    Q_OBJECT
public:
    explicit TfrmProgress(QWidget* owner);

    void Start(int maximum) override;
    void Step(int count) override;
    void Finish() override;
    QProgressBar* Bar() const { return bar_; }

private:
    QProgressBar* bar_;
    bool cursorSet_ = false;
};

} // namespace quintaro
