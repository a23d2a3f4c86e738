#include "gui/ui/angle_label_geometry.h"

#include <cmath>
#include <numbers>

namespace quintaro {

namespace {
// To the nearest integer, halves to the even neighbour.
int Round(double v) {
    return static_cast<int>(std::nearbyint(v));
}
double Radians(int angle) {
    return angle * std::numbers::pi / 180.0;
}
} // namespace

AngleLabelLayout AutoSizedAngleLabel(double w, double h, int angle) {
    const double s = std::fabs(std::sin(Radians(angle)));
    const double c = std::fabs(std::cos(Radians(angle)));
    AngleLabelLayout l{Round(h * s + w * c) + 4, Round(w * s + h * c) + 4, 2, 2};
    if (angle >= 91 && angle <= 269)
        l.textX += Round(w * c);
    if (angle > 180)
        l.textX += Round(h * s);
    if (angle < 180)
        l.textY += Round(w * s);
    if (angle > 90 && angle < 270)
        l.textY += Round(h * c);
    return l;
}

AngleLabelLayout CentredAngleLabel(double w, double h, int angle, int clientWidth,
                                   int clientHeight) {
    const double t = Radians(angle);
    return {clientWidth, clientHeight,
            Round(clientWidth / 2.0 - (w / 2) * std::cos(t) - (h / 2) * std::sin(t)),
            Round(clientHeight / 2.0 + (w / 2) * std::sin(t) - (h / 2) * std::cos(t))};
}

} // namespace quintaro
