#include "gui/ui/ox_angle_label.h"
#include "gui/ui/ox_label.h"
#include "gui/ui/ox_panel.h"

#include <QApplication>
#include <QLineEdit>
#include <QSignalSpy>
#include <QTest>
#include <QToolTip>

#include <gtest/gtest.h>

namespace quintaro {
namespace {

void Enter(QWidget* widget) {
    QEnterEvent enter(QPointF(1, 1), QPointF(1, 1), QPointF(1, 1));
    QCoreApplication::sendEvent(widget, &enter);
}
void Leave(QWidget* widget) {
    QEvent leave(QEvent::Leave);
    QCoreApplication::sendEvent(widget, &leave);
}

TEST(TOxLabel, AHotTrackedLabelTakesItsHotTrackFontUnderTheMouse) {
    TOxLabel label;
    label.SetCaption(QStringLiteral("Grilles"));
    QFont hot = label.font();
    hot.setUnderline(true);
    hot.setPixelSize(20);
    label.SetHotTrackFont(hot, QColor(128, 0, 128));
    label.SetHintColor(QColor(1, 2, 3));
    const QFont normal = label.font();
    const QColor hint = HintColourSwap::ApplicationHintColour();
    QSignalSpy entered(&label, &TOxLabel::mouseEntered);
    QSignalSpy left(&label, &TOxLabel::mouseLeft);

    Enter(&label);
    EXPECT_EQ(label.font(), normal); // without HotTrack the font stays
    EXPECT_EQ(HintColourSwap::ApplicationHintColour(), QColor(1, 2, 3));
    Leave(&label);
    EXPECT_EQ(HintColourSwap::ApplicationHintColour(), hint);

    label.SetHotTrack(true);
    Enter(&label);
    Enter(&label); // once until the mouse leaves
    EXPECT_EQ(label.font(), hot);
    EXPECT_EQ(label.TextColor(), QColor(128, 0, 128));
    Leave(&label);
    EXPECT_EQ(label.font(), normal);
    EXPECT_NE(label.TextColor(), QColor(128, 0, 128));
    EXPECT_EQ(entered.count(), 2);
    EXPECT_EQ(left.count(), 2);
}

TEST(TOxLabel, ItsAcceleratorPassesOverAControlTheTabKeyWouldSkip) {
    QWidget window;
    auto* label = new TOxLabel(&window);
    auto* skipped = new QLineEdit(&window);
    auto* next = new QLineEdit(&window);
    skipped->setFocusPolicy(Qt::ClickFocus);
    label->SetCaption(QStringLiteral("&Nom"));
    label->setBuddy(skipped);
    window.show();
    QApplication::setActiveWindow(&window);
    ASSERT_TRUE(QTest::qWaitForWindowActive(&window));
    QTest::keyClick(&window, Qt::Key_N, Qt::AltModifier);
    EXPECT_TRUE(next->hasFocus());
}

TEST(TOxAngleLabel, AHotTrackFontSizesTheLabelAnew) {
    TOxAngleLabel label;
    label.SetAngle(270);
    label.SetCaption(QStringLiteral("Menu"));
    const QSize normal = label.size();
    QFont large = label.font();
    large.setPixelSize(30);
    label.SetHotTrackFont(large);
    label.SetHotTrack(true);
    Enter(&label);
    EXPECT_GT(label.height(), normal.height());
    Leave(&label);
    EXPECT_EQ(label.size(), normal);
    QSignalSpy clicks(&label, &TOxLabel::clicked);
    QTest::mouseClick(&label, Qt::LeftButton);
    EXPECT_EQ(clicks.count(), 1);
}

TEST(TOxPanel, ItsHintColourHoldsWhileTheMouseIsOverIt) {
    TOxPanel panel;
    panel.SetHintColor(QColor(9, 8, 7));
    const QColor hint = HintColourSwap::ApplicationHintColour();
    QSignalSpy entered(&panel, &TOxPanel::mouseEntered);
    QSignalSpy left(&panel, &TOxPanel::mouseLeft);
    Enter(&panel);
    EXPECT_EQ(HintColourSwap::ApplicationHintColour(), QColor(9, 8, 7));
    Leave(&panel);
    Leave(&panel);
    EXPECT_EQ(HintColourSwap::ApplicationHintColour(), hint);
    EXPECT_EQ(entered.count(), 1);
    EXPECT_EQ(left.count(), 1);

    QSignalSpy colour(&panel, &TOxPanel::parentColorChanged);
    QPalette palette = panel.palette();
    palette.setColor(QPalette::Window, Qt::darkGreen);
    panel.setPalette(palette);
    EXPECT_EQ(colour.count(), 1);
}

TEST(TOxPanel, BordersBevelsAndTransparency) {
    QWidget parent;
    parent.resize(60, 60);
    QPalette red = parent.palette();
    red.setColor(QPalette::Window, Qt::red);
    parent.setPalette(red);
    parent.setAutoFillBackground(true);
    auto* panel = new TOxPanel(&parent);
    panel->setGeometry(10, 10, 40, 40);
    QPalette grey = panel->palette();
    grey.setColor(QPalette::Window, Qt::gray);
    panel->setPalette(grey);
    panel->SetBevelInner(TOxPanel::Bevel::Lowered);
    panel->SetBorderWidth(2);
    EXPECT_EQ(panel->CaptionRect(), QRect(4, 4, 32, 32));

    auto centre = [&] { return parent.grab().toImage().pixelColor(30, 30); };
    EXPECT_EQ(centre(), QColor(Qt::gray));
    panel->SetTransparent(true);
    EXPECT_EQ(centre(), QColor(Qt::red));

    panel->SetFlatBorder(true);
    panel->SetFlatBorderColor(Qt::blue);
    EXPECT_EQ(parent.grab().toImage().pixelColor(10, 10), QColor(Qt::blue));
    EXPECT_EQ(parent.grab().toImage().pixelColor(49, 49), QColor(Qt::blue));
}

} // namespace
} // namespace quintaro
