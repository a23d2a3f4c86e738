#pragma once

#include "gui/ui/view_window.h"

class QLabel;

namespace quintaro {

// The about view.
class TfrmAide : public ViewWindow {
    Q_OBJECT
public:
    static constexpr const char* kContactAddress = "quintaro@velmora.fr";

    explicit TfrmAide(ViewHost& host);

    // Null until made: the event filter sees events of the labels made before them.
    QLabel* nomsoft = nullptr;
    QLabel* adresse = nullptr;
    QLabel* licence = nullptr;
    QLabel* Remerciements = nullptr;

    // The link the contact label opens.
    static QUrl ContactUrl();

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;
};

} // namespace quintaro
