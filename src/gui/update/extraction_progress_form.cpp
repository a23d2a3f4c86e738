#include "gui/update/extraction_progress_form.h"

#include <QCoreApplication>
#include <QInputDialog>
#include <QLabel>
#include <QMessageBox>
#include <QProgressBar>
#include <QPushButton>

namespace quintaro {

namespace {
const QString kTitle = QStringLiteral("Quintaro");
constexpr int kBarSteps = 1000; // the bar counts thousandths, whatever the byte count
} // namespace

TProgressForm::TProgressForm(QWidget* owner)
    : QDialog(owner, Qt::Dialog | Qt::WindowStaysOnTopHint) {
    setWindowTitle(kTitle);
    setFixedSize(300, 100);
    label_ = new QLabel(this);
    label_->setFixedWidth(280);
    label_->setAlignment(Qt::AlignCenter);
    label_->move(10, 15);
    bar_ = new QProgressBar(this);
    bar_->setGeometry(10, 35, 280, 17);
    bar_->setRange(0, kBarSteps);
    auto* cancel = new QPushButton(QStringLiteral("&Cancel"), this);
    cancel->setDefault(true);
    cancel->move((300 - cancel->sizeHint().width()) / 2, 60);
    connect(cancel, &QPushButton::clicked, this, [this] {
        cancelled_ = true;
        hide();
    });
}

void TProgressForm::SetLabel(const QString& text) {
    label_->setText(text);
}

void TProgressForm::FileCount(int) {
    cancelled_ = false;
    SetLabel(QStringLiteral("wait ..."));
    if (QWidget* owner = parentWidget())
        move(owner->geometry().center() - rect().center());
    show();
}

void TProgressForm::TotalBytes(std::uint64_t total) {
    total_ = total;
    done_ = 0;
    bar_->setValue(0);
}

void TProgressForm::FileBegins(const std::string& name) {
    SetLabel(QString::fromLocal8Bit(name.c_str()));
}

void TProgressForm::Progress(std::uint64_t bytes) {
    done_ += bytes;
    bar_->setValue(
        total_ ? static_cast<int>(std::min<std::uint64_t>(done_, total_) * kBarSteps / total_) : 0);
}

void TProgressForm::BatchEnds() {
    hide();
}

void TProgressForm::Refused(const std::string& name) {
    QMessageBox::warning(this, kTitle,
                         QStringLiteral("L'élément \"") + QString::fromLocal8Bit(name.c_str()) +
                             QStringLiteral("\" de l'archive n'a pas été extrait : il sortirait "
                                            "du dossier de destination."));
}

std::string TProgressForm::AskPassword(const std::string& name) {
    hide();
    const QString password =
        QInputDialog::getText(parentWidget(), kTitle,
                              QStringLiteral("A new password is required for \"") +
                                  QString::fromLocal8Bit(name.c_str()) + "\"",
                              QLineEdit::Password);
    show();
    return password.toStdString();
}

TProgressForm::Answer TProgressForm::Ask(QMessageBox::Icon icon, const QString& text) {
    hide();
    QMessageBox box(icon, kTitle, text, QMessageBox::Yes | QMessageBox::No | QMessageBox::Cancel,
                    parentWidget());
    box.setDefaultButton(QMessageBox::No);
    const int answer = box.exec();
    const Answer result = answer == QMessageBox::Yes  ? Answer::Yes
                          : answer == QMessageBox::No ? Answer::No
                                                      : Answer::Cancel;
    if (result == Answer::Cancel)
        cancelled_ = true;
    else
        show();
    return result;
}

TProgressForm::Answer TProgressForm::AskCorrupted(const std::string& name) {
    return Ask(QMessageBox::Question, "\"" + QString::fromLocal8Bit(name.c_str()) +
                                          QStringLiteral("\" may be corrupted (CRC error).\n"
                                                         "Extract this file anyway? ..."));
}

TProgressForm::Answer TProgressForm::AskOverwrite(const std::string& name, bool olderThanArchived) {
    const QString file = "\"" + QString::fromLocal8Bit(name.c_str()) + "\"";
    return olderThanArchived
               ? Ask(QMessageBox::Information,
                     file + QStringLiteral(
                                " is older than the zipped file.\nOverwrite this file? ..."))
               : Ask(QMessageBox::Critical,
                     file + QStringLiteral(" is the same age or newer than the zipped file.\n"
                                           "Do you really want to overwrite this file? ..."));
}

void TProgressForm::Message(const std::string& text) {
    QMessageBox::information(parentWidget(), kTitle, QString::fromLocal8Bit(text.c_str()));
}

bool TProgressForm::ProcessPendingMessages() {
    QCoreApplication::processEvents();
    return cancelled_;
}

} // namespace quintaro
