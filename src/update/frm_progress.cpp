#include "update/frm_progress.h"

#include <QApplication>
#include <QProgressBar>

namespace quintaro {

TfrmProgress::TfrmProgress(QWidget* owner)
    : QWidget(owner, Qt::Tool | Qt::FramelessWindowHint | Qt::WindowStaysOnTopHint) {
    setFixedSize(424, 31);
    bar_ = new QProgressBar(this);
    bar_->setGeometry(8, 8, 409, 17);
    bar_->setTextVisible(false);
    hide();
}

void TfrmProgress::Start(int maximum) {
    bar_->setRange(0, std::max(maximum, 0));
    bar_->setValue(0);
    if (QWidget* owner = parentWidget())
        move(owner->geometry().center() - rect().center());
    show();
    raise();
    repaint();
    if (!cursorSet_) {
        QApplication::setOverrideCursor(Qt::WaitCursor);
        cursorSet_ = true;
    }
}

void TfrmProgress::Step(int count) {
    bar_->setValue(bar_->value() + count);
    bar_->repaint();
}

void TfrmProgress::Finish() {
    hide();
    if (cursorSet_) {
        QApplication::restoreOverrideCursor();
        cursorSet_ = false;
    }
}

} // namespace quintaro
