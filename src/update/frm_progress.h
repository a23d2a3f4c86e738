#pragma once

#include <QWidget>

namespace quintaro {

// The borderless stay-on-top progress window of the update, outside the main frame.
class TfrmProgress : public QWidget {
    Q_OBJECT
public:
    explicit TfrmProgress(QWidget* owner);
};

} // namespace quintaro
