#include "gui/ui/picture_button.h"

#include <QFontMetrics>

namespace quintaro {

QToolButton* PictureButton(QWidget* parent, const QString& icon, const QString& caption,
                           const QRect& geometry) {
    auto* button = new QToolButton(parent);
    button->setIcon(QIcon(icon));
    button->setIconSize(QSize(32, 32));
    button->setText(caption);
    button->setToolButtonStyle(Qt::ToolButtonTextUnderIcon);
    // A caption too long for the button takes a smaller font rather than being cut.
    QFont font = button->font();
    for (int size = 10; size >= 8; --size) {
        font.setPixelSize(size);
        if (QFontMetrics(font).horizontalAdvance(caption) <= geometry.width() - 8)
            break;
    }
    button->setFont(font);
    button->setGeometry(geometry);
    return button;
}

} // namespace quintaro
