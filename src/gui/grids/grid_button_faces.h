#pragma once

#include <QFont>
#include <QPixmap>

namespace quintaro {

// What a button of the grid editor stands for: a number, a star or a chance number.
enum class FaceKind { Number, Star, Chance };

// The picture of the button of a value: its up, disabled, pressed and down images side by
// side, each `side` pixels square, drawn for a screen of that pixel ratio.
QPixmap ButtonFaces(int value, FaceKind kind, int side, qreal pixelRatio, const QFont& font);

} // namespace quintaro
