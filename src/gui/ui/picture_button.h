#pragma once

#include <QToolButton>

namespace quintaro {

// A command button of the views: its picture above its caption, in a font of 10 pixels, or
// down to 8 when the caption would not fit the button's width on one line.
QToolButton* PictureButton(QWidget* parent, const QString& icon, const QString& caption,
                           const QRect& geometry);

} // namespace quintaro
