#include "gui/update/frm_import_progress.h"

#include <QImage>
#include <QProgressBar>
#include <QScreen>
#include <gtest/gtest.h>

namespace quintaro {
namespace {

// What the screen shows of the window, next to what the window would draw: the import pumps no
// events, so the window must reach the screen without them.
QImage OnScreen(QWidget& window) {
    return window.screen()
        ->grabWindow(window.winId())
        .toImage()
        .convertToFormat(QImage::Format_RGB32);
}

QImage Drawn(QWidget& window) {
    return window.grab().toImage().convertToFormat(QImage::Format_RGB32);
}

TEST(FrmProgress, ShowsItsBarAtEveryStepOfEveryFileWithoutTheEventLoop) {
    QWidget owner;
    owner.setGeometry(100, 100, 800, 600);
    owner.show();
    TfrmProgress progress(&owner);
    for (int file = 0; file < 2; ++file) {
        progress.Start(4);
        ASSERT_TRUE(progress.isVisible());
        EXPECT_EQ(progress.geometry().center(), owner.geometry().center());
        for (int step = 1; step <= 4; ++step) {
            progress.Step(1);
            EXPECT_EQ(progress.Bar()->value(), step);
            EXPECT_TRUE(OnScreen(progress) == Drawn(progress))
                << "file " << file << ", step " << step;
        }
        progress.Finish();
        EXPECT_FALSE(progress.isVisible());
    }
}

} // namespace
} // namespace quintaro
