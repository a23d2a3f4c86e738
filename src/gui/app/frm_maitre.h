#pragma once

#include "core/app/startup.h"
#include "core/settings/configuration_settings.h"
#include "gui/ui/view_host.h"

#include <QMainWindow>
#include <QTimer>
#include <array>
#include <memory>

class QMdiArea;
class QToolButton;

namespace quintaro {

class HelpWindow;
class TfrmAide;
class TfrmCalcul;
class TfrmConfiguration;
class TfrmGrille;
class TfrmMaj;
class TfrmProgress;
class TfrmSplash;
class TfrmStatistique;
class TfrmTirage;
class TOxAngleLabel;
class TOxPanel;
class ViewWindow;

// The main window: the frame of the views, with the collapsible side menu. Its creation
// runs the start-up sequence; it owns the data store and what the views share.
class TfrmMaitre : public QMainWindow, public ViewHost, private StartupHost {
    Q_OBJECT
public:
    static constexpr int kMenuOpenWidth = 97;
    static constexpr int kMenuStripWidth = 24;

    TfrmMaitre(const Installation& where, SettingsStore& settings);
    ~TfrmMaitre() override;

    // Creates the views, in their order, once the main window exists.
    void CreateViews();

    bool StartupSucceeded() const override { return startupOk_; }
    AppContext& App() override { return app_; }
    SettingsStore& Settings() override { return *app_.settings; }
    QWidget* DialogParent() override { return this; }
    TfrmSplash* Splash() const { return splash_; }
    QMdiArea* MdiArea() const { return mdiArea_; }
    ViewWindow* View(int order) const; // the views in creation order, from 0

    CurrentSettings& Current() override { return current_; }
    void SetMenuAuto(bool on) { menuAuto_ = on; }
    bool MenuAuto() const { return menuAuto_; }
    bool MenuOpen() const;
    QTimer& MenuTimer() { return menuTimer_; }

    void ShowHelpContext(int context) override;
    // Brings a view to the front, maximised.
    void BringToFront(ViewWindow* view);
    void ShowDraw(std::int32_t reference) override;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;
    // The end of a normal run: the views write back their settings.
    void closeEvent(QCloseEvent* event) override;

private:
    void SplashMessage(const std::string& text) override;
    void ProcessPendingMessages() override;
    void BuildMenu();
    void SetMenuWidth(int width);
    void MenuStripClicked();
    void MenuTimerTick();
    void RepaintActiveView();
    void BringDrawsToFront();
    // Every view shown is maximised: one restored is maximised, and when one is closed the
    // view behind it comes to the front maximised.
    void KeepViewsMaximised(ViewWindow* view, Qt::WindowStates before, Qt::WindowStates now);
    template <class View, class... Args> View* AddView(Qt::WindowStates state, Args&... args);

    AppContext app_;
    bool startupOk_ = false;
    bool menuAuto_ = false;
    CurrentSettings current_;
    TfrmSplash* splash_ = nullptr;
    QMdiArea* mdiArea_ = nullptr;
    TOxPanel* pnlMenu_ = nullptr;
    TOxPanel* pnlActiveMenu_ = nullptr;
    TOxAngleLabel* lblMenu_ = nullptr;
    std::array<QToolButton*, 8> menuButtons_{};
    QTimer menuTimer_;  // Timer1: closes the automatic menu once the pointer has left it
    QTimer errorTimer_; // TimErreur: closes the program after a failed start-up
    HelpWindow* help_ = nullptr;

    TfrmAide* aide_ = nullptr;
    TfrmGrille* grille_ = nullptr;
    TfrmConfiguration* configuration_ = nullptr;
    TfrmMaj* maj_ = nullptr;
    TfrmStatistique* statistique_ = nullptr;
    TfrmCalcul* calcul_ = nullptr;
    TfrmTirage* tirage_ = nullptr;
    TfrmProgress* progress_ = nullptr;
};

} // namespace quintaro
