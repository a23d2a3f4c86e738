#include "gui/app/gui_application.h"

#include "core/base/text_util.h"

#include <QLibraryInfo>
#include <QLocale>
#include <QMessageBox>
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
    QLocale::setDefault(QLocale(QLocale::French, QLocale::France));
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
