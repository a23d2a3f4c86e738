#pragma once

#include <QWidget>

class QTextBrowser;

namespace quintaro {

// The help: French HTML pages shown in a window of the program, one per help context.
class HelpWindow : public QWidget {
    Q_OBJECT
public:
    explicit HelpWindow(QWidget* owner);
    // Shows the page of the context, or the contents when the context has none.
    void ShowContext(int context);
    QTextBrowser* Browser() const { return browser_; }

protected:
    void keyPressEvent(QKeyEvent* event) override;

private:
    QTextBrowser* browser_;
};

} // namespace quintaro
