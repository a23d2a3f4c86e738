#include "gui/winnings/frm_calcul.h"

namespace quintaro {

TfrmCalcul::TfrmCalcul(ViewHost& host) : ViewWindow(host, QStringLiteral("frmCalcul"), 0) {}

} // namespace quintaro
