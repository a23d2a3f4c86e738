#include "gui/app/gui_application.h"

#include "gui/ui/dialogs.h"
#include "gui/ui/regional_format.h"

#include <QIcon>
#include <QLibraryInfo>
#include <QLocale>
#include <QTranslator>

// The pictures and help pages are linked into a static library: register them explicitly.
static void RegisterResources() {
    Q_INIT_RESOURCE(app);
}

namespace quintaro {

QuintaroApplication::QuintaroApplication(int& argc, char** argv) : QApplication(argc, argv) {
    RegisterResources();
    setApplicationName(QStringLiteral("Quintaro"));
    setWindowIcon(QIcon(QStringLiteral(":/icons/quintaro.svg")));
    QLocale::setDefault(RegionalLocale());
    auto* translator = new QTranslator(this);
    if (translator->load(QStringLiteral("qtbase_fr"),
                         QLibraryInfo::path(QLibraryInfo::TranslationsPath)))
        installTranslator(translator);
}

bool QuintaroApplication::notify(QObject* receiver, QEvent* event) {
    try {
        return QApplication::notify(receiver, event);
    } catch (const std::exception& e) {
        ShowStandardError(e.what());
    }
    return false;
}

} // namespace quintaro
