#include "gui/app/help_window.h"

#include <QFile>
#include <QKeyEvent>
#include <QTextBrowser>
#include <QVBoxLayout>

namespace quintaro {

HelpWindow::HelpWindow(QWidget* owner) : QWidget(owner, Qt::Window) {
    setWindowTitle(QStringLiteral("Aide de Quintaro"));
    resize(640, 560);
    browser_ = new QTextBrowser(this);
    browser_->setOpenExternalLinks(false);
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(browser_);
}

void HelpWindow::ShowContext(int context) {
    QString page = QStringLiteral(":/help/%1.html").arg(context);
    if (!QFile::exists(page))
        page = QStringLiteral(":/help/index.html");
    browser_->setSource(QUrl(QStringLiteral("qrc") + page));
    if (!isVisible()) {
        // It opens centred on the main window, over the view rather than the side menu.
        QRect placed(QPoint(), size());
        placed.moveCenter(parentWidget()->geometry().center());
        setGeometry(placed);
    }
    show();
    raise();
    activateWindow();
}

void HelpWindow::keyPressEvent(QKeyEvent* event) {
    // Closes it without the window manager's help; the browser passes the key on.
    if (event->key() == Qt::Key_Escape && event->modifiers() == Qt::NoModifier) {
        close();
        return;
    }
    QWidget::keyPressEvent(event);
}

} // namespace quintaro
