#include "gui/grids/frm_grille.h"

namespace quintaro {

TfrmGrille::TfrmGrille(TfrmMaitre& maitre)
    : ViewWindow(maitre, QStringLiteral("Mes grilles"), 1000) {}

} // namespace quintaro
