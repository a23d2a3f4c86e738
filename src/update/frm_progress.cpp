#include "update/frm_progress.h"

namespace quintaro {

TfrmProgress::TfrmProgress(QWidget* owner)
    : QWidget(owner, Qt::Tool | Qt::FramelessWindowHint | Qt::WindowStaysOnTopHint) {
    hide();
}

} // namespace quintaro
