#include "gui/update/frm_import_progress.h"

#include <QApplication>
#include <QProgressBar>
#include <QTimer>
#include <QWindow>

namespace quintaro {

namespace {

// A window is drawn on the screen only once the window system has exposed it, which takes a
// round trip through it (and the window manager). The import pumps no events, so wait for that
// here, user input left queued; a window system that never exposes it is waited for one second.
void WaitUntilExposed(QWidget& window) {
    QTimer guard;
    guard.setSingleShot(true);
    guard.start(1000);
    while (!(window.testAttribute(Qt::WA_Mapped) && window.windowHandle()->isExposed()) &&
           guard.isActive())
        QCoreApplication::processEvents(QEventLoop::ExcludeUserInputEvents |
                                        QEventLoop::WaitForMoreEvents);
}

} // namespace

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
    WaitUntilExposed(*this);
    repaint();
    if (!cursorSet_) {
        QApplication::setOverrideCursor(Qt::WaitCursor);
        cursorSet_ = true;
    }
}

void TfrmProgress::Step(int count) {
    // The bar repaints itself at once whenever its drawing changes.
    bar_->setValue(bar_->value() + count);
}

void TfrmProgress::Finish() {
    hide();
    if (cursorSet_) {
        QApplication::restoreOverrideCursor();
        cursorSet_ = false;
    }
}

} // namespace quintaro
