#pragma once

#include <QApplication>
#include <QTimer>
#include <QWidget>
#include <functional>

namespace quintaro::test {

// Answers the next modal window as a user would: polls until one is shown, however long the
// code under test takes to get there, then hands it to `answer` once.
inline void AnswerNextModal(std::function<void(QWidget*)> answer) {
    auto* poll = new QTimer(qApp);
    poll->setInterval(10);
    QObject::connect(poll, &QTimer::timeout, [poll, answer = std::move(answer)] {
        QWidget* box = QApplication::activeModalWidget();
        if (!box)
            return;
        poll->stop();
        poll->deleteLater();
        answer(box);
    });
    poll->start();
}

} // namespace quintaro::test
