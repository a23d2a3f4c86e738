#include "gui/ui/mouse_click.h"

#include <QMouseEvent>
#include <QWidget>

namespace quintaro {

bool IsClick(const QWidget& control, const QMouseEvent& release) {
    return release.button() == Qt::LeftButton &&
           control.rect().contains(release.position().toPoint());
}

} // namespace quintaro
