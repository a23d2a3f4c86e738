#include "gui/ui/angle_label_geometry.h"
#include "gui/ui/ox_angle_label.h"

#include <gtest/gtest.h>

namespace quintaro {
namespace {

TEST(AngleLabelGeometry, AutoSizedLabelFitsTheRotatedCaption) {
    struct Case {
        int angle;
        AngleLabelLayout expected;
    };
    // A caption 30 wide and 12 high.
    const Case cases[] = {
        {0, {34, 16, 2, 2}},
        {90, {16, 34, 2, 32}},
        {180, {34, 16, 32, 14}},
        {270, {16, 34, 14, 2}},
    };
    for (const Case& c : cases) {
        const AngleLabelLayout l = AutoSizedAngleLabel(30, 12, c.angle);
        EXPECT_EQ(l.width, c.expected.width) << c.angle;
        EXPECT_EQ(l.height, c.expected.height) << c.angle;
        EXPECT_EQ(l.textX, c.expected.textX) << c.angle;
        EXPECT_EQ(l.textY, c.expected.textY) << c.angle;
    }
}

TEST(AngleLabelGeometry, FixedLabelCentresTheCaption) {
    const AngleLabelLayout l = CentredAngleLabel(30, 12, 0, 100, 40);
    EXPECT_EQ(l.textX, 35);
    EXPECT_EQ(l.textY, 14);
}

TEST(TOxAngleLabel, MenuTabIsCaptionHeightWideAndCaptionWidthHigh) {
    TOxAngleLabel label;
    QFont font = label.font();
    font.setBold(true);
    font.setPixelSize(11);
    label.setFont(font);
    label.SetAngle(270);
    label.SetCaption(QStringLiteral("Menu"));
    const QFontMetricsF metrics(font);
    EXPECT_EQ(label.width(), qRound(metrics.height()) + 4);
    EXPECT_EQ(label.height(), qRound(metrics.horizontalAdvance(QStringLiteral("Menu"))) + 4);
}

} // namespace
} // namespace quintaro
