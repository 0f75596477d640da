#include "platform/qt/QtAnimatedGif.h"
#include "platform/qt/QtHeadless.h"
#include "platform/qt/QtPictureFiles.h"

#include <QImage>
#include <QImageReader>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <cstdlib>

using namespace tarlix;

namespace {

// A graph-like picture of exactly `colours` colours in stripes and blocks.
QImage fewColours(int colours) {
    QImage image(97, 61, QImage::Format_RGB32);
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x) {
            const int n = (x / 3 + y * 7) % colours;
            image.setPixel(x, y, qRgb(n, 255 - n, (n * 37) & 0xFF));
        }
    return image;
}

// A photograph-like picture: smooth gradients in every channel, far more than 256 colours.
QImage gradient() {
    QImage image(200, 150, QImage::Format_RGB32);
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x)
            image.setPixel(x, y, qRgb(x * 255 / 199, y * 255 / 149, (x + y) * 255 / 348));
    return image;
}

struct Difference {
    int largest = 0;
    double mean = 0;
};

Difference compare(const QImage& written, const QImage& read) {
    Difference d;
    long total = 0;
    for (int y = 0; y < written.height(); ++y)
        for (int x = 0; x < written.width(); ++x) {
            const QRgb a = written.pixel(x, y);
            const QRgb b = read.pixel(x, y);
            for (int e : {qRed(a) - qRed(b), qGreen(a) - qGreen(b), qBlue(a) - qBlue(b)}) {
                d.largest = std::max(d.largest, std::abs(e));
                total += std::abs(e);
            }
        }
    d.mean = static_cast<double>(total) / (3.0 * written.width() * written.height());
    return d;
}

class BitmapFiles : public ::testing::Test {
protected:
    QtHeadless platform; // the application object Qt's image readers need
    QTemporaryDir dir;
    std::string path(const char* name) const { return dir.filePath(name).toStdString(); }
};

} // namespace

// The reader is Qt's own, independent of the writers; each type keeps what it promises.
TEST_F(BitmapFiles, EachTypeReadsBackWithinItsError) {
    const struct {
        const char* name;
        PictureFileType type;
        QImage image;
        int largest;
        double mean;
        const char* format;
    } cases[] = {
        {"p.gif", PictureFileType::Gif, fewColours(2), 0, 0, "gif"},
        {"q.gif", PictureFileType::Gif, fewColours(256), 0, 0, "gif"},
        {"r.gif", PictureFileType::Gif, gradient(), 24, 5.0, "gif"},
        {"p.bmp", PictureFileType::Bmp, gradient(), 0, 0, "bmp"},
        {"p.jpg", PictureFileType::Jpeg, gradient(), 12, 1.5, "jpeg"},
    };
    for (const auto& k : cases) {
        SCOPED_TRACE(k.name);
        ASSERT_TRUE(saveBitmapFile(k.image, path(k.name), k.type).ok());
        QImageReader reader(QString::fromStdString(path(k.name)));
        EXPECT_EQ(reader.format(), k.format);
        const QImage read = reader.read();
        ASSERT_EQ(read.size(), k.image.size());
        const Difference d = compare(k.image, read);
        EXPECT_LE(d.largest, k.largest);
        EXPECT_LE(d.mean, k.mean);
    }
}

TEST_F(BitmapFiles, BmpIsTwentyFourBitsAPixel) {
    ASSERT_TRUE(saveBitmapFile(fewColours(3), path("p.bmp"), PictureFileType::Bmp).ok());
    QFile file(QString::fromStdString(path("p.bmp")));
    ASSERT_TRUE(file.open(QIODevice::ReadOnly));
    const QByteArray header = file.read(30);
    EXPECT_EQ(static_cast<unsigned char>(header[28]), 24);
}

TEST_F(BitmapFiles, AnimatedGifHoldsEveryFrameWithItsDelayAndLoops) {
    AnimatedGifWriter writer(120);
    QImage frames[] = {fewColours(2), fewColours(40), gradient()};
    for (const QImage& f : frames) writer.addFrame(f);
    EXPECT_EQ(writer.frameCount(), 3);
    ASSERT_TRUE(writer.save(path("a.gif")).ok());
    QImageReader reader(QString::fromStdString(path("a.gif")));
    EXPECT_EQ(reader.imageCount(), 3);
    EXPECT_EQ(reader.loopCount(), -1); // for ever
    for (int i = 0; i < 3; ++i) {
        SCOPED_TRACE(i);
        const QImage read = reader.read();
        // The first frame fixes the size; a larger one is scaled down to it.
        ASSERT_EQ(read.size(), frames[0].size());
        EXPECT_EQ(reader.nextImageDelay(), 120);
        if (i < 2) {
            EXPECT_EQ(compare(frames[i], read).largest, 0);
        }
    }
}

TEST_F(BitmapFiles, AnimatedGifWithoutFramesWritesNothing) {
    AnimatedGifWriter writer(80);
    EXPECT_FALSE(writer.save(path("none.gif")).ok());
    EXPECT_FALSE(QFile::exists(QString::fromStdString(path("none.gif"))));
}
