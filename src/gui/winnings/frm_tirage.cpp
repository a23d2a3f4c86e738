#include "gui/winnings/frm_tirage.h"

namespace quintaro {

TfrmTirage::TfrmTirage(TfrmMaitre& maitre) : ViewWindow(maitre, QStringLiteral("Tirages"), 2000) {}

} // namespace quintaro
