#include "gui/stats/frm_statistique.h"

namespace quintaro {

TfrmStatistique::TfrmStatistique(TfrmMaitre& maitre)
    : ViewWindow(maitre, QStringLiteral("Statistique"), 3000) {}

} // namespace quintaro
