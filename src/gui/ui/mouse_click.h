#pragma once

class QMouseEvent;
class QWidget;

namespace quintaro {

// A click on one of the program's clickable controls: the left button released over the
// control. A release dragged off the control is no click.
bool IsClick(const QWidget& control, const QMouseEvent& release);

} // namespace quintaro
