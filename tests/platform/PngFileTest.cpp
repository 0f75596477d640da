#include "platform/qt/QtHeadless.h"
#include "platform/qt/QtImageCanvas.h"

#include <QImage>
#include <QTemporaryDir>

#include <gtest/gtest.h>

using namespace tarlix;

// A picture of few colours is written with a palette and one of many colours in full colour;
// either way every pixel reads back as it was drawn.
TEST(PngFile, EveryPixelReadsBackWhateverTheNumberOfColours) {
    QtHeadless platform;
    QTemporaryDir dir;
    const struct {
        const char* name;
        int colours;
        QImage::Format written;
    } cases[] = {
        {"two colours", 2, QImage::Format_Indexed8},
        {"256 colours", 256, QImage::Format_Indexed8},
        {"257 colours", 257, QImage::Format_RGB32},
    };
    for (const auto& k : cases) {
        SCOPED_TRACE(k.name);
        QtImageCanvas canvas(40, 30);
        for (int y = 0; y < 30; ++y)
            for (int x = 0; x < 40; ++x) {
                const int n = (y * 40 + x) % k.colours;
                canvas.setPixel(x, y, rgbColor(n % 256, n / 256 * 100, 7));
            }
        const std::string path = dir.filePath("p.png").toStdString();
        ASSERT_TRUE(platform.savePng(canvas, path).ok());
        const QImage read(QString::fromStdString(path));
        EXPECT_EQ(read.format() == QImage::Format_Indexed8, k.written == QImage::Format_Indexed8);
        for (int y = 0; y < 30; ++y)
            for (int x = 0; x < 40; ++x)
                ASSERT_EQ(read.pixel(x, y) | 0xFF000000u, canvas.image().pixel(x, y) | 0xFF000000u)
                    << x << "," << y;
    }
}
