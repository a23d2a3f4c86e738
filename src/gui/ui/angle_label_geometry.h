#pragma once

namespace quintaro {

// Where a caption rotated counter-clockwise by `angle` degrees is drawn, for a caption of
// width w and height h measured in the unrotated font.
struct AngleLabelLayout {
    int width; // the client size of an auto-sized label
    int height;
    int textX; // where the caption's top-left corner lies once rotated
    int textY;
};

AngleLabelLayout AutoSizedAngleLabel(double w, double h, int angle);
// A label of a fixed client size centres its caption.
AngleLabelLayout CentredAngleLabel(double w, double h, int angle, int clientWidth,
                                   int clientHeight);

} // namespace quintaro
