#include "gui/grids/grid_button_faces.h"

#include <QPainter>
#include <QPainterPath>
#include <array>
#include <cmath>
#include <numbers>

namespace quintaro {

namespace {

struct Colours {
    QColor fill, border, text;
};

// Up, disabled, pressed, down.
using StateColours = std::array<Colours, 4>;

const StateColours& ColoursOf(FaceKind kind) {
    static const StateColours number = {{
        {QColor(0xff, 0xff, 0xff), QColor(0x8a, 0x94, 0xa6), QColor(0x2b, 0x33, 0x40)},
        {QColor(0xee, 0xee, 0xee), QColor(0xc8, 0xc8, 0xc8), QColor(0xa0, 0xa0, 0xa0)},
        {QColor(0xd6, 0xe4, 0xf5), QColor(0x1f, 0x4e, 0x8c), QColor(0x1f, 0x4e, 0x8c)},
        {QColor(0x1f, 0x4e, 0x8c), QColor(0x16, 0x39, 0x6a), QColor(0xff, 0xff, 0xff)},
    }};
    static const StateColours star = {{
        {QColor(0xff, 0xf8, 0xdc), QColor(0xc9, 0xa2, 0x27), QColor(0x2b, 0x33, 0x40)},
        {QColor(0xee, 0xee, 0xee), QColor(0xc8, 0xc8, 0xc8), QColor(0xa0, 0xa0, 0xa0)},
        {QColor(0xfb, 0xe7, 0xa1), QColor(0xa6, 0x7c, 0x00), QColor(0x2b, 0x33, 0x40)},
        {QColor(0xf0, 0xb4, 0x00), QColor(0xa6, 0x7c, 0x00), QColor(0x2b, 0x33, 0x40)},
    }};
    static const StateColours chance = {{
        number[0],
        number[1],
        {QColor(0xf5, 0xd0, 0xcc), QColor(0xc0, 0x39, 0x2b), QColor(0xc0, 0x39, 0x2b)},
        {QColor(0xc0, 0x39, 0x2b), QColor(0x8e, 0x2a, 0x20), QColor(0xff, 0xff, 0xff)},
    }};
    switch (kind) {
    case FaceKind::Star:
        return star;
    case FaceKind::Chance:
        return chance;
    case FaceKind::Number:
        break;
    }
    return number;
}

// A five-pointed star filling a square cell.
QPainterPath Star(const QRectF& cell) {
    QPainterPath path;
    const QPointF centre = cell.center() + QPointF(0, cell.height() * 0.04);
    const double outer = cell.width() / 2;
    const double inner = outer * 0.5;
    for (int i = 0; i < 10; ++i) {
        const double angle = -std::numbers::pi / 2 + i * std::numbers::pi / 5;
        const double radius = i % 2 ? inner : outer;
        const QPointF point = centre + QPointF(radius * std::cos(angle), radius * std::sin(angle));
        if (i == 0)
            path.moveTo(point);
        else
            path.lineTo(point);
    }
    path.closeSubpath();
    return path;
}

} // namespace

QPixmap ButtonFaces(int value, FaceKind kind, int side, qreal pixelRatio, const QFont& font) {
    const StateColours& colours = ColoursOf(kind);
    QPixmap faces(QSize(side * 4, side) * pixelRatio);
    faces.setDevicePixelRatio(pixelRatio);
    faces.fill(Qt::transparent);
    QPainter painter(&faces);
    painter.setRenderHint(QPainter::Antialiasing);
    QFont bold = font;
    bold.setBold(true);
    bold.setPixelSize(kind == FaceKind::Star ? std::max(8, side * 10 / 31)
                                             : std::max(8, side * 9 / 20));
    painter.setFont(bold);
    for (int state = 0; state < 4; ++state) {
        const Colours& c = colours[static_cast<std::size_t>(state)];
        const QRectF cell(state * side + 0.5, 0.5, side - 1.0, side - 1.0);
        painter.setPen(QPen(c.border, 1));
        painter.setBrush(c.fill);
        if (kind == FaceKind::Star)
            painter.drawPath(Star(cell));
        else
            painter.drawEllipse(cell);
        painter.setPen(c.text);
        painter.drawText(cell.translated(0, kind == FaceKind::Star ? side * 0.04 : 0),
                         Qt::AlignCenter, QString::number(value));
    }
    return faces;
}

} // namespace quintaro
