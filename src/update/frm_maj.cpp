#include "update/frm_maj.h"

namespace quintaro {

TfrmMaj::TfrmMaj(TfrmMaitre& maitre) : ViewWindow(maitre, QStringLiteral("Mise à jour"), 4000) {}

} // namespace quintaro
