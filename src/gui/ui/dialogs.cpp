#include "gui/ui/dialogs.h"

#include "core/base/text_util.h"

#include <QMessageBox>

namespace quintaro {

QString DisplayText(const std::string& text) {
    return QString::fromStdString(WithUnixLineBreaks(text));
}

void ShowStandardError(const std::string& text) {
    std::string shown = text;
    if (!shown.empty() && static_cast<unsigned char>(shown.back()) > '.')
        shown += '.';
    QMessageBox::critical(nullptr, QStringLiteral("Quintaro"), DisplayText(shown));
}

void ShowMessage(QWidget* parent, const std::string& text) {
    QMessageBox::information(parent, QStringLiteral("Quintaro"), DisplayText(text));
}

void ShowErrorDialog(QWidget* parent, const std::string& text) {
    QMessageBox box(QMessageBox::Critical, QStringLiteral("Erreur"), DisplayText(text),
                    QMessageBox::Ok, parent);
    // A window manager keeps a window that stays on top above the dialogs that belong to it,
    // unless they stay on top too.
    if (parent && parent->window()->windowFlags().testFlag(Qt::WindowStaysOnTopHint))
        box.setWindowFlag(Qt::WindowStaysOnTopHint);
    box.exec();
}

} // namespace quintaro
