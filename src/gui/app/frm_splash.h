#pragma once

#include <QTimer>
#include <QWidget>

class QLabel;
class QPlainTextEdit;

namespace quintaro {

// The splash window: the program's name and version over a banner, and the list of the
// start-up's progress lines.
class TfrmSplash : public QWidget {
    Q_OBJECT
public:
    // Creates the splash, shows it centred on the screen and paints it at once.
    static TfrmSplash* ShowSplash(QWidget* owner);

    void SplashMessage(const std::string& text);
    // Hides the splash 2 seconds after the event loop runs.
    void CloseSplashLater();
    QStringList Lines() const;

private:
    explicit TfrmSplash(QWidget* owner);

    QLabel* lblTitre_;
    QLabel* lblVersion_;
    QLabel* lblCopyright_;
    QPlainTextEdit* Memo1_;
    QTimer Timer1_;
};

} // namespace quintaro
