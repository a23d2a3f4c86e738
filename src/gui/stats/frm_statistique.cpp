#include "gui/stats/frm_statistique.h"

namespace quintaro {

TfrmStatistique::TfrmStatistique(ViewHost& host)
    : ViewWindow(host, QStringLiteral("Statistique"), 3000) {}

} // namespace quintaro
