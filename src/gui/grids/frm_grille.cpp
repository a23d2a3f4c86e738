#include "gui/grids/frm_grille.h"

namespace quintaro {

TfrmGrille::TfrmGrille(ViewHost& host) : ViewWindow(host, QStringLiteral("Mes grilles"), 1000) {}

} // namespace quintaro
