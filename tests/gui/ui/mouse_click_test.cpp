#include "gui/ui/colour_panel.h"
#include "gui/ui/ox_angle_label.h"

#include <QSignalSpy>
#include <QTest>

#include <gtest/gtest.h>

namespace quintaro {
namespace {

// Only the left button released over the control is a click, whichever control it is.
void ExpectClicksOnlyWhenReleasedOverIt(QWidget& control) {
    control.resize(60, 30);
    control.show();
    QSignalSpy clicked(&control, SIGNAL(clicked()));
    const QPoint inside(30, 15), outside(90, 15);

    QTest::mouseClick(&control, Qt::LeftButton, {}, inside);
    EXPECT_EQ(clicked.count(), 1);
    QTest::mouseClick(&control, Qt::RightButton, {}, inside);
    EXPECT_EQ(clicked.count(), 1);
    QTest::mousePress(&control, Qt::LeftButton, {}, inside);
    QTest::mouseRelease(&control, Qt::LeftButton, {}, outside);
    EXPECT_EQ(clicked.count(), 1);
}

TEST(MouseClick, ColourPanelAndAngleLabelClickTheSameWay) {
    ColourPanel panel(QStringLiteral("Ligne 1"), Rgb(1, 2, 3), nullptr);
    ExpectClicksOnlyWhenReleasedOverIt(panel);
    TOxAngleLabel label;
    label.SetAutoSize(false);
    ExpectClicksOnlyWhenReleasedOverIt(label);
}

} // namespace
} // namespace quintaro
