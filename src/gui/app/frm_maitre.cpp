#include "gui/app/frm_maitre.h"

#include "gui/app/frm_aide.h"
#include "gui/app/frm_configuration.h"
#include "gui/app/frm_splash.h"
#include "gui/app/help_window.h"
#include "gui/grids/frm_grille.h"
#include "gui/stats/frm_statistique.h"
#include "gui/ui/dialogs.h"
#include "gui/ui/ox_angle_label.h"
#include "gui/ui/ox_panel.h"
#include "gui/update/frm_import_progress.h"
#include "gui/update/frm_maj.h"
#include "gui/winnings/frm_calcul.h"
#include "gui/winnings/frm_tirage.h"

#include <QCloseEvent>
#include <QCoreApplication>
#include <QCursor>
#include <QHBoxLayout>
#include <QMdiArea>
#include <QMouseEvent>
#include <QToolButton>
#include <algorithm>

namespace quintaro {

namespace {

constexpr int kMenuButtonSize = 60;
constexpr int kMenuButtonLeft = 6; // in the open menu
constexpr int kMenuButtonTop = 8;  // of the first button, and the margin below the last
constexpr int kMenuButtonStep = 64;
const QColor kMenuHotTrackColour(128, 0, 128);

struct MenuButton {
    const char* name;
    const char* icon;
    const char* tooltip;
};

constexpr std::array<MenuButton, 8> kMenuButtons = {{
    {"cmdMaj", ":/icons/maj.svg", "Mise à jour des tirages"},
    {"cmdTirages", ":/icons/tirages.svg", "Les tirages"},
    {"cmdMesGrilles", ":/icons/grilles.svg", "Mes Grilles"},
    {"cmdCalculer", ":/icons/calculer.svg", "Calculer ses gains"},
    {"cmdStat", ":/icons/stat.svg", "Statistiques"},
    {"cmdOption", ":/icons/option.svg", "Options"},
    {"cmdAide", ":/icons/aide.svg", "Aide"},
    {"cmdQuitter", ":/icons/quitter.svg", "Quitter"},
}};

} // namespace

TfrmMaitre::TfrmMaitre(const Installation& where, SettingsStore& settings) {
    setWindowTitle(QStringLiteral("Quintaro"));
    app_.where = where;
    app_.settings = &settings;
    app_.dialogs = {[this](const std::string& text) { ShowErrorDialog(this, text); },
                    [this](const std::string& text) { ShowMessage(this, text); }};

    splash_ = TfrmSplash::ShowSplash(this);
    BuildMenu();
    SetMenuWidth(kMenuStripWidth);

    menuTimer_.setInterval(1000);
    connect(&menuTimer_, &QTimer::timeout, this, &TfrmMaitre::MenuTimerTick);
    errorTimer_.setInterval(1000);
    connect(&errorTimer_, &QTimer::timeout, this, &QWidget::close);

    const StartupOutcome outcome = RunStartupSequence(app_, *this);
    startupOk_ = outcome.ok;
    if (outcome.ok) {
        splash_->CloseSplashLater();
    } else {
        // The splash stays on top until the program ends: the dialog belongs to it, so that
        // it shows in front of it.
        ShowErrorDialog(splash_, outcome.errorText);
        errorTimer_.start();
    }
}

TfrmMaitre::~TfrmMaitre() {
    // The views are deleted with the widgets, once this window is no more than a QWidget:
    // the state changes of their closing must not reach it then.
    for (QMdiSubWindow* view : mdiArea_->subWindowList())
        view->disconnect(this);
}

void TfrmMaitre::SplashMessage(const std::string& text) {
    splash_->SplashMessage(text);
}

void TfrmMaitre::ProcessPendingMessages() {
    QCoreApplication::processEvents();
}

void TfrmMaitre::BuildMenu() {
    auto* central = new QWidget(this);
    auto* layout = new QHBoxLayout(central);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);

    pnlMenu_ = new TOxPanel(central);
    pnlMenu_->setObjectName(QStringLiteral("pnlMenu"));
    pnlMenu_->installEventFilter(this);

    pnlActiveMenu_ = new TOxPanel(pnlMenu_);
    pnlActiveMenu_->setObjectName(QStringLiteral("pnlActiveMenu"));
    pnlActiveMenu_->setCursor(Qt::PointingHandCursor);
    pnlActiveMenu_->installEventFilter(this);

    lblMenu_ = new TOxAngleLabel(pnlActiveMenu_);
    lblMenu_->setObjectName(QStringLiteral("lblMenu"));
    QFont font = lblMenu_->font();
    font.setBold(true);
    font.setPixelSize(11);
    lblMenu_->setFont(font);
    lblMenu_->SetAngle(270);
    lblMenu_->SetCaption(QStringLiteral("Menu"));
    lblMenu_->move((kMenuStripWidth - lblMenu_->width()) / 2, 8);
    connect(lblMenu_, &TOxAngleLabel::clicked, this, &TfrmMaitre::MenuStripClicked);

    for (std::size_t i = 0; i < kMenuButtons.size(); ++i) {
        auto* button = new QToolButton(pnlMenu_);
        button->setObjectName(QString::fromLatin1(kMenuButtons[i].name));
        button->setToolTip(QString::fromUtf8(kMenuButtons[i].tooltip));
        button->setIcon(QIcon(QString::fromLatin1(kMenuButtons[i].icon)));
        button->setIconSize(QSize(44, 44));
        button->setAutoRaise(true);
        button->resize(kMenuButtonSize, kMenuButtonSize);
        menuButtons_[i] = button;
    }
    auto bring = [this](auto viewMember) {
        return [this, viewMember] { BringToFront(this->*viewMember); };
    };
    connect(menuButtons_[0], &QToolButton::clicked, this, bring(&TfrmMaitre::maj_));
    connect(menuButtons_[1], &QToolButton::clicked, this, &TfrmMaitre::BringDrawsToFront);
    connect(menuButtons_[2], &QToolButton::clicked, this, bring(&TfrmMaitre::grille_));
    connect(menuButtons_[3], &QToolButton::clicked, this, bring(&TfrmMaitre::calcul_));
    connect(menuButtons_[4], &QToolButton::clicked, this, bring(&TfrmMaitre::statistique_));
    connect(menuButtons_[5], &QToolButton::clicked, this, bring(&TfrmMaitre::configuration_));
    connect(menuButtons_[6], &QToolButton::clicked, this, bring(&TfrmMaitre::aide_));
    connect(menuButtons_[7], &QToolButton::clicked, this, &QWidget::close);

    mdiArea_ = new QMdiArea(central);
    mdiArea_->setObjectName(QStringLiteral("mdiArea"));
    layout->addWidget(pnlMenu_);
    layout->addWidget(mdiArea_, 1);
    setCentralWidget(central);
}

template <class View, class... Args>
View* TfrmMaitre::AddView(Qt::WindowStates state, Args&... args) {
    auto* view = new View(*this, args...);
    mdiArea_->addSubWindow(view);
    view->setWindowState(state);
    view->show();
    connect(view, &QMdiSubWindow::windowStateChanged, this,
            [this, view](Qt::WindowStates before, Qt::WindowStates now) {
                KeepViewsMaximised(view, before, now);
            });
    return view;
}

void TfrmMaitre::KeepViewsMaximised(ViewWindow* view, Qt::WindowStates before,
                                    Qt::WindowStates now) {
    constexpr Qt::WindowStates sizeStates = Qt::WindowMinimized | Qt::WindowMaximized;
    if ((before & sizeStates) == (now & sizeStates) || !view->isVisible())
        return;
    if (now & Qt::WindowMinimized) {
        // A closed view: the view behind it comes to the front.
        const QList<QMdiSubWindow*> stack = mdiArea_->subWindowList(QMdiArea::StackingOrder);
        for (auto it = stack.rbegin(); it != stack.rend(); ++it) {
            auto* behind = static_cast<ViewWindow*>(*it);
            if (behind != view && behind->isVisible() && !behind->isMinimized()) {
                BringToFront(behind);
                return;
            }
        }
    } else if (!(now & Qt::WindowMaximized)) {
        // A view restored from its title bar.
        BringToFront(view);
    }
}

void TfrmMaitre::CreateViews() {
    aide_ = AddView<TfrmAide>(Qt::WindowNoState);
    grille_ = AddView<TfrmGrille>(Qt::WindowMinimized);
    configuration_ = AddView<TfrmConfiguration>(Qt::WindowMinimized);
    progress_ = new TfrmProgress(this);
    maj_ = AddView<TfrmMaj>(Qt::WindowMinimized, *progress_);
    statistique_ = AddView<TfrmStatistique>(Qt::WindowMinimized);
    calcul_ = AddView<TfrmCalcul>(Qt::WindowNoState);
    tirage_ = AddView<TfrmTirage>(Qt::WindowMaximized);

    // The smallest window still shows the whole open menu beside the whole about text.
    const int menuHeight = 2 * kMenuButtonTop +
                           static_cast<int>(menuButtons_.size() - 1) * kMenuButtonStep +
                           kMenuButtonSize;
    const QSize about =
        aide_->minimumSizeHint() + 2 * QSize(mdiArea_->frameWidth(), mdiArea_->frameWidth());
    setMinimumSize(kMenuOpenWidth + about.width(), std::max(menuHeight, about.height()));
}

ViewWindow* TfrmMaitre::View(int order) const {
    const std::array<ViewWindow*, 7> views = {aide_,        grille_, configuration_, maj_,
                                              statistique_, calcul_, tirage_};
    return order >= 0 && order < static_cast<int>(views.size()) ? views[order] : nullptr;
}

void TfrmMaitre::BringToFront(ViewWindow* view) {
    view->showMaximized();
    mdiArea_->setActiveSubWindow(view);
    view->raise();
}

void TfrmMaitre::BringDrawsToFront() {
    BringToFront(tirage_);
    tirage_->widget()->setFocus();
}

void TfrmMaitre::ShowDraw(std::int32_t reference) {
    BringDrawsToFront();
    tirage_->ShowDraw(reference);
}

void TfrmMaitre::ShowHelpContext(int context) {
    if (!help_)
        help_ = new HelpWindow(this);
    help_->ShowContext(context);
}

void TfrmMaitre::closeEvent(QCloseEvent* event) {
    for (int order = 0; ViewWindow* view = View(order); ++order)
        view->WriteSettings();
    try {
        Settings().Save();
    } catch (const std::exception& e) {
        ShowStandardError(e.what());
    }
    QMainWindow::closeEvent(event);
}

bool TfrmMaitre::MenuOpen() const {
    return pnlMenu_->width() != kMenuStripWidth;
}

void TfrmMaitre::SetMenuWidth(int width) {
    pnlMenu_->setFixedWidth(width);
}

void TfrmMaitre::MenuStripClicked() {
    if (menuAuto_)
        return;
    SetMenuWidth(MenuOpen() ? kMenuStripWidth : kMenuOpenWidth);
    RepaintActiveView();
}

void TfrmMaitre::MenuTimerTick() {
    const QPoint p = centralWidget()->mapFromGlobal(QCursor::pos());
    if (p.x() >= 0 && p.x() <= pnlMenu_->width() && p.y() >= 0 && p.y() <= pnlMenu_->height())
        return;
    SetMenuWidth(kMenuStripWidth);
    menuTimer_.stop();
    RepaintActiveView();
}

void TfrmMaitre::RepaintActiveView() {
    if (QMdiSubWindow* active = mdiArea_->activeSubWindow())
        active->update();
}

bool TfrmMaitre::eventFilter(QObject* watched, QEvent* event) {
    if (watched == pnlMenu_ && event->type() == QEvent::Resize) {
        // The strip keeps to the right edge; the buttons are anchored to it, so that a
        // collapsed menu hides them.
        const int w = pnlMenu_->width(), h = pnlMenu_->height();
        pnlActiveMenu_->setGeometry(w - kMenuStripWidth, 0, kMenuStripWidth, h);
        const int left = w - kMenuOpenWidth + kMenuButtonLeft;
        for (std::size_t i = 0; i < menuButtons_.size(); ++i)
            menuButtons_[i]->move(left, kMenuButtonTop + static_cast<int>(i) * kMenuButtonStep);
    } else if (watched == pnlActiveMenu_) {
        switch (event->type()) {
        case QEvent::Enter:
            lblMenu_->SetTextColor(kMenuHotTrackColour);
            if (menuAuto_) {
                SetMenuWidth(kMenuOpenWidth);
                menuTimer_.start();
            }
            break;
        case QEvent::Leave:
            lblMenu_->SetTextColor(palette().color(QPalette::WindowText));
            break;
        case QEvent::MouseButtonRelease:
            if (static_cast<QMouseEvent*>(event)->button() == Qt::LeftButton)
                MenuStripClicked();
            break;
        default:
            break;
        }
    }
    return QMainWindow::eventFilter(watched, event);
}

} // namespace quintaro
