#include "gui/ui/ox_check_button.h"

#include <QPainter>
#include <QSignalSpy>
#include <QTest>

#include <gtest/gtest.h>

namespace quintaro {
namespace {

// Buttons of one group under one parent.
class CheckButtonGroup : public ::testing::Test {
protected:
    TOxCheckButton* Add(int group, bool multidown = false) {
        auto* button = new TOxCheckButton(&parent);
        button->SetGroupIndex(group);
        button->SetAllowMultidown(multidown);
        return button;
    }
    QWidget parent;
};

TEST_F(CheckButtonGroup, OnlyAReleaseOverTheButtonClicksIt) {
    TOxCheckButton* button = Add(1);
    button->SetAllowAllUp(true);
    QSignalSpy clicks(button, &TOxCheckButton::clicked);
    QTest::mouseClick(button, Qt::LeftButton);
    EXPECT_TRUE(button->Down());
    EXPECT_EQ(clicks.count(), 1);

    // Dragged off before the release: no click, no change.
    QTest::mousePress(button, Qt::LeftButton);
    EXPECT_EQ(button->CurrentState(), TOxCheckButton::State::Down);
    QTest::mouseRelease(button, Qt::LeftButton, {}, QPoint(40, 5));
    EXPECT_TRUE(button->Down());
    EXPECT_EQ(clicks.count(), 1);

    QTest::mouseClick(button, Qt::RightButton);
    EXPECT_TRUE(button->Down());
    QTest::mouseClick(button, Qt::LeftButton);
    EXPECT_FALSE(button->Down());
    EXPECT_EQ(clicks.count(), 2);
}

TEST_F(CheckButtonGroup, SettingDownFromTheProgramNeverClicks) {
    TOxCheckButton* button = Add(1);
    QSignalSpy clicks(button, &TOxCheckButton::clicked);
    button->SetDown(true);
    EXPECT_TRUE(button->Down());
    // Without AllowAllUp a down button stays down, by the program as by a click.
    button->SetDown(false);
    EXPECT_TRUE(button->Down());
    QTest::mouseClick(button, Qt::LeftButton);
    EXPECT_TRUE(button->Down());
    EXPECT_EQ(clicks.count(), 1);
    button->SetAllowAllUp(true);
    button->SetDown(false);
    EXPECT_FALSE(button->Down());
    EXPECT_EQ(clicks.count(), 1);

    // A button without a group cannot be down; a click still clicks it.
    TOxCheckButton* single = Add(0);
    QSignalSpy singleClicks(single, &TOxCheckButton::clicked);
    single->SetDown(true);
    QTest::mouseClick(single, Qt::LeftButton);
    EXPECT_FALSE(single->Down());
    EXPECT_EQ(singleClicks.count(), 1);
}

TEST_F(CheckButtonGroup, AButtonGoingDownReleasesTheOthersUnlessTheyAllowMultidown) {
    TOxCheckButton* a = Add(1);
    TOxCheckButton* b = Add(1);
    TOxCheckButton* multi = Add(1, true);
    TOxCheckButton* other = Add(2);
    QWidget elsewhere;
    auto* away = new TOxCheckButton(&elsewhere);
    away->SetGroupIndex(1);
    a->SetDown(true);
    other->SetDown(true);
    multi->SetDown(true);
    away->SetDown(true);
    EXPECT_FALSE(a->Down()); // released by multi
    QTest::mouseClick(b, Qt::LeftButton);
    EXPECT_TRUE(b->Down());
    EXPECT_FALSE(a->Down());
    EXPECT_TRUE(multi->Down());
    EXPECT_TRUE(other->Down()); // another group
    EXPECT_TRUE(away->Down());  // another parent

    // With AllowMultidown on every button, the group is a set of independent toggles; the
    // group shares AllowAllUp.
    QWidget grid;
    std::vector<TOxCheckButton*> numbers;
    for (int i = 0; i < 3; ++i) {
        numbers.push_back(new TOxCheckButton(&grid));
        numbers.back()->SetGroupIndex(1);
        numbers.back()->SetAllowMultidown(true);
    }
    numbers[0]->SetAllowAllUp(true);
    for (TOxCheckButton* n : numbers)
        QTest::mouseClick(n, Qt::LeftButton);
    for (TOxCheckButton* n : numbers)
        EXPECT_TRUE(n->Down());
    QTest::mouseClick(numbers[2], Qt::LeftButton);
    EXPECT_FALSE(numbers[2]->Down());
}

TEST_F(CheckButtonGroup, ADoubleClickOnADownButtonIsADoubleClick) {
    TOxCheckButton* button = Add(1);
    button->SetAllowAllUp(true);
    QSignalSpy doubles(button, &TOxCheckButton::doubleClicked);
    QTest::mouseDClick(button, Qt::LeftButton);
    EXPECT_EQ(doubles.count(), 0);
    button->SetDown(true);
    QTest::mouseDClick(button, Qt::LeftButton);
    EXPECT_EQ(doubles.count(), 1);
}

// Four pictures of one colour each: up, disabled, pressed, down.
QPixmap Strip(int count) {
    const QColor colours[] = {Qt::red, Qt::green, Qt::blue, Qt::yellow};
    QPixmap strip(10 * count, 10);
    QPainter painter(&strip);
    for (int i = 0; i < count; ++i)
        painter.fillRect(10 * i, 0, 10, 10, colours[i]);
    return strip;
}

QColor Colour(const QPixmap& image) {
    return image.toImage().pixelColor(5, 5);
}

TEST_F(CheckButtonGroup, ThePictureFollowsTheButtonsState) {
    TOxCheckButton* button = Add(1);
    button->SetAllowAllUp(true);
    button->SetGlyph(Strip(4), 4);
    EXPECT_EQ(Colour(button->GlyphFor(button->CurrentState())), QColor(Qt::red));
    QTest::mousePress(button, Qt::LeftButton);
    EXPECT_EQ(button->CurrentState(), TOxCheckButton::State::Pressed);
    EXPECT_EQ(Colour(button->GlyphFor(button->CurrentState())), QColor(Qt::blue));
    QTest::mouseRelease(button, Qt::LeftButton);
    EXPECT_EQ(button->CurrentState(), TOxCheckButton::State::Down);
    EXPECT_EQ(Colour(button->GlyphFor(button->CurrentState())), QColor(Qt::yellow));
    button->setEnabled(false);
    EXPECT_EQ(Colour(button->GlyphFor(button->CurrentState())), QColor(Qt::green));

    // One picture serves every state, dimmed when disabled.
    button->SetGlyph(Strip(1), 1);
    EXPECT_EQ(Colour(button->GlyphFor(TOxCheckButton::State::Down)), QColor(Qt::red));
    EXPECT_NE(Colour(button->GlyphFor(TOxCheckButton::State::Disabled)), QColor(Qt::red));
}

TEST_F(CheckButtonGroup, AFlatButtonShowsItsFrameOnlyUnderTheMouse) {
    TOxCheckButton* button = Add(1);
    button->SetFlat(true);
    parent.resize(100, 100);
    const QImage away = button->grab().toImage();
    QEnterEvent enter(QPointF(5, 5), QPointF(5, 5), QPointF(5, 5));
    QCoreApplication::sendEvent(button, &enter);
    EXPECT_TRUE(button->MouseOver());
    EXPECT_NE(button->grab().toImage(), away);
    QEvent leave(QEvent::Leave);
    QCoreApplication::sendEvent(button, &leave);
    EXPECT_FALSE(button->MouseOver());
    EXPECT_EQ(button->grab().toImage(), away);
    EXPECT_EQ(button->size(), QSize(22, 23));
}

} // namespace
} // namespace quintaro
