#include "gui/ui/view_window.h"

#include "gui/ui/view_host.h"

#include <QCloseEvent>
#include <QKeyEvent>

namespace quintaro {

ViewWindow::ViewWindow(ViewHost& host, const QString& caption, int helpContext)
    : host(host), helpContext_(helpContext) {
    setWindowTitle(caption);
    setWidget(new QWidget);
}

bool ViewWindow::HandleHelpRequest(int command, int data) {
    if (command != HELP_CONTEXT)
        return false;
    host.ShowHelpContext(data);
    return true;
}

void ViewWindow::keyPressEvent(QKeyEvent* event) {
    // The help key reaches the view from whichever of its controls has the focus.
    if (event->key() == Qt::Key_F1 && event->modifiers() == Qt::NoModifier && helpContext_ != 0 &&
        HandleHelpRequest(HELP_CONTEXT, helpContext_))
        return;
    QMdiSubWindow::keyPressEvent(event);
}

void ViewWindow::closeEvent(QCloseEvent* event) {
    event->ignore();
    showMinimized();
}

} // namespace quintaro
