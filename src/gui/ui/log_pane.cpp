#include "gui/ui/log_pane.h"

#include <QPlainTextEdit>

namespace quintaro {

void StyleAsLogPane(QPlainTextEdit& pane) {
    pane.setReadOnly(true);
    pane.setFrameShape(QFrame::NoFrame);
    QFont mono(QStringLiteral("Courier New"));
    mono.setStyleHint(QFont::Monospace);
    mono.setPixelSize(11);
    pane.setFont(mono);
    QPalette colours = pane.palette();
    colours.setColor(QPalette::Base, Qt::black);
    colours.setColor(QPalette::Text, QColor(0, 255, 0));
    pane.setPalette(colours);
}

} // namespace quintaro
