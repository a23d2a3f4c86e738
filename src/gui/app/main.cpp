#include "core/app/installation.h"
#include "core/base/app_paths.h"
#include "gui/app/frm_maitre.h"
#include "gui/app/gui_application.h"

#include <QMessageBox>
#include <QScreen>
#include <cstdlib>

int main(int argc, char** argv) {
    quintaro::QuintaroApplication app(argc, argv);
    quintaro::SettingsStore settings(
        quintaro::SettingsFilePath(std::getenv("XDG_CONFIG_HOME"), std::getenv("HOME")));
    if (!settings.DamageNotice().empty())
        QMessageBox::warning(nullptr, QStringLiteral("Quintaro"),
                             QString::fromStdString(settings.DamageNotice()));

    quintaro::InstallationEnvironment folders = quintaro::ProcessEnvironment();
    // --app-dir DIR names the installation folder outright.
    const QStringList args = QCoreApplication::arguments();
    if (const auto i = args.indexOf(QStringLiteral("--app-dir")); i >= 0 && i + 1 < args.size())
        folders.appDir = args[i + 1].toStdString();
    quintaro::TfrmMaitre maitre(quintaro::LocateInstallation(folders), settings);
    maitre.CreateViews();
    // Without a window manager a maximise request is not honoured: start at the screen's size.
    if (QScreen* screen = QGuiApplication::primaryScreen())
        maitre.resize(screen->availableGeometry().size());
    maitre.showMaximized();
    return app.exec();
}
