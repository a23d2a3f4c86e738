#include "gui/winnings/frm_tirage.h"

namespace quintaro {

TfrmTirage::TfrmTirage(ViewHost& host) : ViewWindow(host, QStringLiteral("Tirages"), 2000) {}

} // namespace quintaro
