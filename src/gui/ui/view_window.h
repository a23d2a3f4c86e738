#pragma once

#include <QMdiSubWindow>

namespace quintaro {

class ViewHost;

// The help command a view answers itself; other commands go to the default handling.
inline constexpr int HELP_CONTEXT = 1;

// A view of the main window: a child window that lives as long as the program. Closing it
// only minimises it.
class ViewWindow : public QMdiSubWindow {
    Q_OBJECT
public:
    ViewWindow(ViewHost& host, const QString& caption, int helpContext);

    int HelpContext() const { return helpContext_; }
    // True when the request was handled.
    bool HandleHelpRequest(int command, int data);
    // Writes back what the view remembers, at the end of a normal run.
    virtual void WriteSettings() {}

protected:
    void keyPressEvent(QKeyEvent* event) override;
    void closeEvent(QCloseEvent* event) override;
    ViewHost& host;

private:
    int helpContext_;
};

} // namespace quintaro
