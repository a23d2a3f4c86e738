#include "gui/app/frm_aide.h"

#include "core/base/version.h"

#include <QDesktopServices>
#include <QEvent>
#include <QIcon>
#include <QLabel>
#include <QMouseEvent>
#include <QUrl>

namespace quintaro {

namespace {

QLabel* AddLabel(QWidget* parent, int x, int y, const QString& text) {
    auto* label = new QLabel(text, parent);
    label->move(x, y);
    label->setWordWrap(true);
    label->setFixedWidth(680);
    label->adjustSize();
    return label;
}

void SetTextColour(QLabel* label, const QColor& colour) {
    QPalette palette = label->palette();
    palette.setColor(QPalette::WindowText, colour);
    label->setPalette(palette);
}

int Bottom(const QLabel* label) {
    return label->y() + label->height();
}

const QColor kLinkColour(0, 0, 160);
const QColor kLinkHotColour(0, 0, 255);

} // namespace

TfrmAide::TfrmAide(ViewHost& host) : ViewWindow(host, QStringLiteral("A propos"), 5000) {
    resize(738, 540);
    QWidget* page = widget();

    auto* icon = new QLabel(page);
    icon->setGeometry(24, 8, 33, 33);
    icon->setPixmap(QIcon(QStringLiteral(":/icons/quintaro.svg")).pixmap(33, 33));

    nomsoft =
        new QLabel(QStringLiteral("Quintaro V") + QString::fromStdString(GetFileVersion()), page);
    QFont title = nomsoft->font();
    title.setBold(true);
    title.setPixelSize(13);
    nomsoft->setFont(title);
    nomsoft->setAlignment(Qt::AlignCenter);
    nomsoft->setGeometry(64, 24, 200, 17);

    AddLabel(page, 24, 56, QStringLiteral("Logiciel de calcul de gain pour le loto"));
    AddLabel(page, 24, 80,
             QStringLiteral("Historique des tirages et calcul des gains de vos grilles, simples "
                            "et multiples."));
    licence = AddLabel(page, 24, 104,
                       QStringLiteral("Logiciel gratuit, fourni tel quel, sans aucune garantie : "
                                      "seuls les résultats officiels des tirages font foi."));

    adresse = AddLabel(page, 24, Bottom(licence) + 20, QString::fromLatin1(kContactAddress));
    adresse->setCursor(Qt::PointingHandCursor);
    adresse->setFixedWidth(adresse->sizeHint().width());
    SetTextColour(adresse, kLinkColour);
    adresse->installEventFilter(this);

    // What the program stands on, one per line.
    Remerciements =
        AddLabel(page, 24, Bottom(adresse) + 20,
                 QStringLiteral("Remerciements à : \nSQLite\nQt\nlibcurl\nlibzip\ninih"));

    // The page keeps its whole text, with the margin of its left edge all round.
    const QRect text = page->childrenRect();
    page->setMinimumSize(text.right() + 1 + text.left(), text.bottom() + 1 + text.left());
}

QUrl TfrmAide::ContactUrl() {
    return QUrl(QStringLiteral("mailto:") + QString::fromLatin1(kContactAddress) +
                QStringLiteral("?subject=Quintaro"));
}

bool TfrmAide::eventFilter(QObject* watched, QEvent* event) {
    if (watched == adresse) {
        switch (event->type()) {
        case QEvent::Enter:
        case QEvent::Leave: {
            const bool hot = event->type() == QEvent::Enter;
            SetTextColour(adresse, hot ? kLinkHotColour : kLinkColour);
            QFont font = adresse->font();
            font.setUnderline(hot);
            adresse->setFont(font);
            break;
        }
        case QEvent::MouseButtonRelease:
            if (static_cast<QMouseEvent*>(event)->button() == Qt::LeftButton)
                QDesktopServices::openUrl(ContactUrl());
            break;
        default:
            break;
        }
    }
    return ViewWindow::eventFilter(watched, event);
}

} // namespace quintaro
