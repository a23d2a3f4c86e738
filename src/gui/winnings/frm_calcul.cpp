#include "gui/winnings/frm_calcul.h"

namespace quintaro {

TfrmCalcul::TfrmCalcul(TfrmMaitre& maitre) : ViewWindow(maitre, QStringLiteral("frmCalcul"), 0) {}

} // namespace quintaro
