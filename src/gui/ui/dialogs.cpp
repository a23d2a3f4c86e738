#include "gui/ui/dialogs.h"

#include "core/base/text_util.h"

#include <QMessageBox>
#include <QPushButton>

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

namespace {

// The first button is the one that says yes.
bool Ask(QWidget* parent, const std::string& question, const QString& yes, const QString& no) {
    QMessageBox box(QMessageBox::Question, QStringLiteral("Confirmation"), DisplayText(question),
                    QMessageBox::NoButton, parent);
    QPushButton* accept = box.addButton(yes, QMessageBox::YesRole);
    box.addButton(no, QMessageBox::NoRole);
    box.exec();
    return box.clickedButton() == accept;
}

} // namespace

bool AskYesNo(QWidget* parent, const std::string& question) {
    return Ask(parent, question, QStringLiteral("&Oui"), QStringLiteral("&Non"));
}

bool AskOkCancel(QWidget* parent, const std::string& question) {
    return Ask(parent, question, QStringLiteral("OK"), QStringLiteral("Annuler"));
}

} // namespace quintaro
