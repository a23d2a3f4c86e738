#pragma once

#include <QApplication>

namespace quintaro {

// The desktop application: title "Quintaro", Qt's own French texts, and the standard error
// message for a failure that no handler catches.
class QuintaroApplication : public QApplication {
    Q_OBJECT
public:
    QuintaroApplication(int& argc, char** argv);
    bool notify(QObject* receiver, QEvent* event) override;
};

} // namespace quintaro
