#include "QtTestApp.h"
#include "platform/RecordingPicture.h"
#include "platform/qt/QtImageCanvas.h"
#include "platform/qt/QtPainterCanvas.h"
#include "platform/qt/QtSurfaces.h"

#include <QGuiApplication>

#include <gtest/gtest.h>

using namespace tarlix;

namespace {
constexpr Color kRed = rgbColor(255, 0, 0);
constexpr Color kCyan = rgbColor(0, 255, 255);
} // namespace

// The Qt picture, and the recording picture that tests of the drawing code use, must both land
// a replayed line at the scaled place.
class PictureReplayTest : public ::testing::TestWithParam<bool> {
protected:
    void SetUp() override { qttest::qtApp<QGuiApplication>(); }
    std::unique_ptr<Picture> createPicture() {
        if (GetParam()) return QtSurfaces().createPicture();
        return RecordingSurfaces().createPicture();
    }
};

TEST_P(PictureReplayTest, ReplaysScaledIntoAnImage) {
    QtSurfaces surfaces;
    auto picture = createPicture();
    EXPECT_TRUE(picture->isEmpty());
    Canvas& rec = picture->beginRecording(100, 50);
    EXPECT_EQ(rec.width(), 100);
    rec.setPen({kRed, 1});
    rec.moveTo(10, 20);
    rec.lineTo(60, 20);
    picture->endRecording();
    EXPECT_FALSE(picture->isEmpty());
    EXPECT_EQ(picture->size().width, 100);

    auto image = surfaces.createImage(300, 200);
    picture->replay(*image, {0, 0, 200, 100}); // twice the size
    EXPECT_EQ(image->pixel(20, 40), kRed);
    EXPECT_EQ(image->pixel(100, 40), kRed);
    EXPECT_EQ(image->pixel(118, 40), kRed);
    EXPECT_EQ(image->pixel(10, 20), kWhite); // not at the recorded place
    EXPECT_EQ(image->pixel(130, 40), kWhite);

    // Replayed again at an offset and the recorded size, into an image already painted on.
    picture->replay(*image, {100, 100, 200, 150});
    EXPECT_EQ(image->pixel(130, 120), kRed);
    EXPECT_EQ(image->pixel(100, 40), kRed);
}

INSTANTIATE_TEST_SUITE_P(BothPictures, PictureReplayTest, ::testing::Values(true, false),
                         [](const auto& info) { return info.param ? "Qt" : "Recording"; });

TEST(QtPicture, KeepsPenModesAndClip) {
    qttest::qtApp<QGuiApplication>();
    QtSurfaces surfaces;
    auto picture = surfaces.createPicture();
    Canvas& rec = picture->beginRecording(40, 40);
    rec.setClip({0, 0, 20, 40});
    Pen pen{kRed, 1};
    pen.mode = PenMode::Mask;
    rec.setPen(pen);
    rec.moveTo(0, 10);
    rec.lineTo(40, 10);
    picture->endRecording();

    QtImageCanvas image(40, 40, kCyan);
    picture->replay(image, {0, 0, 40, 40});
    EXPECT_EQ(image.pixel(5, 10), kBlack); // red AND cyan
    EXPECT_EQ(image.pixel(30, 10), kCyan); // clipped away

    // The picture's clip narrows the target's clip and does not outlive the replay.
    QtImageCanvas clipped(40, 40, kCyan);
    clipped.setClip({0, 0, 10, 40});
    picture->replay(clipped, {0, 0, 40, 40});
    EXPECT_EQ(clipped.pixel(5, 10), kBlack);
    EXPECT_EQ(clipped.pixel(15, 10), kCyan);
    clipped.moveTo(0, 20);
    clipped.lineTo(40, 20);
    EXPECT_EQ(clipped.pixel(5, 20), kBlack);
    EXPECT_EQ(clipped.pixel(15, 20), kCyan);
}

// A picture played on a device of another resolution (a printer, a PDF of an enlarged picture)
// fills the rectangle it is given in the device's pixels, not a multiple of it.
TEST(QtPictureResolution, APictureFillsItsRectangleOnADeviceOfAnyResolution) {
    qttest::qtApp<QGuiApplication>();
    QtSurfaces surfaces(true);
    auto picture = surfaces.createPicture();
    Canvas& c = picture->beginRecording(100, 100);
    Brush black;
    black.color = kBlack;
    c.setBrush(black);
    c.fillRect(Rect{0, 0, 100, 100});
    picture->endRecording();
    for (const int dpi : {96, 384, 1200}) {
        QImage image(400, 400, QImage::Format_RGB32);
        image.fill(Qt::white);
        image.setDotsPerMeterX(static_cast<int>(dpi / 0.0254));
        image.setDotsPerMeterY(static_cast<int>(dpi / 0.0254));
        {
            QtDeviceCanvas device(image, {400, 400}, false, true);
            picture->replay(device, Rect{100, 100, 300, 300});
        }
        EXPECT_EQ(image.pixel(200, 200), qRgb(0, 0, 0)) << dpi << " dpi";
        EXPECT_EQ(image.pixel(299, 150), qRgb(0, 0, 0)) << dpi << " dpi";
        EXPECT_EQ(image.pixel(320, 200), qRgb(255, 255, 255)) << dpi << " dpi: beyond the rectangle";
        EXPECT_EQ(image.pixel(50, 50), qRgb(255, 255, 255)) << dpi << " dpi";
    }
}
