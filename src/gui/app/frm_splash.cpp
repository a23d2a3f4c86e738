#include "gui/app/frm_splash.h"

#include "core/base/version.h"
#include "gui/ui/dialogs.h"
#include "gui/ui/log_pane.h"

#include <QFrame>
#include <QGuiApplication>
#include <QLabel>
#include <QPlainTextEdit>
#include <QScreen>

namespace quintaro {

namespace {

QLabel* MakeLabel(QWidget* parent, int x, int y, int pixelSize, bool bold, const QColor& colour) {
    auto* label = new QLabel(parent);
    QFont font = label->font();
    font.setPixelSize(pixelSize);
    font.setBold(bold);
    label->setFont(font);
    QPalette palette = label->palette();
    palette.setColor(QPalette::WindowText, colour);
    label->setPalette(palette);
    label->setAttribute(Qt::WA_TranslucentBackground);
    label->move(x, y);
    return label;
}

} // namespace

TfrmSplash::TfrmSplash(QWidget* owner)
    : QWidget(owner, Qt::SplashScreen | Qt::FramelessWindowHint | Qt::WindowStaysOnTopHint) {
    setWindowTitle(QString());
    setFixedSize(569, 323);

    auto* panel = new QFrame(this);
    panel->setFrameShape(QFrame::Panel);
    panel->setFrameShadow(QFrame::Raised);
    panel->setLineWidth(2);
    panel->setGeometry(rect());
    panel->setAutoFillBackground(true);
    QPalette grey = panel->palette();
    grey.setColor(QPalette::Window, QColor(192, 192, 192));
    panel->setPalette(grey);

    // The panel's children sit inside its 4-pixel frame.
    auto* inner = new QWidget(panel);
    inner->setGeometry(4, 4, 561, 315);

    auto* banner = new QLabel(inner);
    banner->setPixmap(QPixmap(QStringLiteral(":/splash_banner.jpg")));
    banner->setGeometry(0, 0, 561, 65);

    lblTitre_ = MakeLabel(inner, 128, 8, 16, true, Qt::white);
    lblVersion_ = MakeLabel(inner, 129, 28, 11, false, Qt::white);

    Memo1_ = new QPlainTextEdit(inner);
    Memo1_->setGeometry(0, 48, 561, 225);
    StyleAsLogPane(*Memo1_);
    Memo1_->setLineWrapMode(QPlainTextEdit::NoWrap);

    lblCopyright_ = MakeLabel(inner, 8, 276, 11, false, palette().color(QPalette::WindowText));

    Timer1_.setSingleShot(true);
    Timer1_.setInterval(2000);
    connect(&Timer1_, &QTimer::timeout, this, &QWidget::hide);
}

TfrmSplash* TfrmSplash::ShowSplash(QWidget* owner) {
    auto* splash = new TfrmSplash(owner);
    splash->lblTitre_->setText(QString::fromStdString(GetInternalName()));
    splash->lblCopyright_->setText(QString::fromStdString(GetLegalCopyright()));
    splash->lblVersion_->setText(QStringLiteral("Version ") +
                                 QString::fromStdString(GetFileVersion()));
    for (QLabel* label : {splash->lblTitre_, splash->lblVersion_, splash->lblCopyright_})
        label->adjustSize();
    if (QScreen* screen = QGuiApplication::primaryScreen())
        splash->move(screen->geometry().center() - splash->rect().center());
    splash->show();
    splash->repaint();
    return splash;
}

void TfrmSplash::SplashMessage(const std::string& text) {
    Memo1_->appendPlainText(DisplayText(text));
    Memo1_->repaint();
}

void TfrmSplash::CloseSplashLater() {
    Timer1_.start();
}

QStringList TfrmSplash::Lines() const {
    return Memo1_->toPlainText().split(QLatin1Char('\n'));
}

} // namespace quintaro
