#include "shell/BackgroundPicture.h"
#include "ProgramFixture.h"
#include "shell/BackgroundCommands.h"
#include "shell/GraphWindow.h"

#include <QFile>

#include <gtest/gtest.h>

using namespace tarlix;

namespace {

// A 1 x 1 red GIF (Qt reads GIF but does not write it).
const unsigned char kRedGif[] = {0x47, 0x49, 0x46, 0x38, 0x39, 0x61, 0x01, 0x00, 0x01,
                                 0x00, 0x80, 0x00, 0x00, 0xFF, 0x00, 0x00, 0x00, 0x00,
                                 0x00, 0x2C, 0x00, 0x00, 0x00, 0x00, 0x01, 0x00, 0x01,
                                 0x00, 0x00, 0x02, 0x02, 0x44, 0x01, 0x00, 0x3B};

struct BackgroundTest : ::testing::Test {
    tarlix::testing::ProgramShowingAx shown;
    BackgroundCommands& background() { return shown.program->background(); }
    QImage graph() { return shown.program->graph()->graphImage()->image(); }

    QString writeRed(const char* name) {
        const QString path = shown.folder.filePath(name);
        if (QString(name).endsWith(".gif")) {
            QFile f(path);
            f.open(QIODevice::WriteOnly);
            f.write(reinterpret_cast<const char*>(kRedGif), sizeof kRedGif);
        } else {
            QImage red(4, 4, QImage::Format_RGB32);
            red.fill(Qt::red);
            red.save(path);
        }
        return path;
    }
    QString writeBytes(const char* name, const QByteArray& bytes) {
        const QString path = shown.folder.filePath(name);
        QFile f(path);
        f.open(QIODevice::WriteOnly);
        f.write(bytes);
        return path;
    }
};

bool nearRed(QRgb c) {
    return qRed(c) > 220 && qGreen(c) < 40 && qBlue(c) < 40;
}

} // namespace

// Centred on ((W + 2) / 2, (H + 2) / 2): at its own size, as wide as the plot, as high, or
// over all of it.
TEST(BackgroundPlace, EachModeCentresThePicture) {
    struct Case {
        int mode;
        PicturePlace place;
    };
    const Case cases[] = {{0, {151, 126, 100, 50}},
                          {1, {0, 51, 402, 200}},
                          {2, {-101, 0, 604, 302}},
                          {3, {0, 0, 402, 302}}};
    for (const Case& c : cases) {
        const PicturePlace p = backgroundPlace(400, 300, 100, 50, c.mode);
        EXPECT_EQ(p.left, c.place.left) << c.mode;
        EXPECT_EQ(p.top, c.place.top) << c.mode;
        EXPECT_EQ(p.width, c.place.width) << c.mode;
        EXPECT_EQ(p.height, c.place.height) << c.mode;
    }
}

// A picture of each format, stretched over the plot, shows through every white pixel of the
// drawing and under none of the others.
TEST_F(BackgroundTest, PicturesOfEachFormatShowThroughTheWhiteOfTheDrawing) {
    const QImage before = graph();
    background().setStretch(3);
    for (const char* name : {"red.png", "red.bmp", "red.jpg", "red.gif"}) {
        SCOPED_TRACE(name);
        ASSERT_TRUE(background().loadFile(writeRed(name)));
        const QImage after = graph();
        ASSERT_EQ(after.size(), before.size());
        int whites = 0;
        for (int y = 0; y < before.height(); y += 7)
            for (int x = 0; x < before.width(); x += 7) {
                const QRgb b = before.pixel(x, y);
                if (b == qRgb(255, 255, 255)) {
                    ++whites;
                    ASSERT_TRUE(nearRed(after.pixel(x, y))) << x << "," << y;
                } else {
                    ASSERT_EQ(after.pixel(x, y), b) << x << "," << y;
                }
            }
        EXPECT_GT(whites, 100);
    }
    background().turnOff();
    EXPECT_EQ(graph(), before);
}

// A file that is missing, not a picture or cut short is refused with a message, and the
// picture and the project stay as they were.
TEST_F(BackgroundTest, AnUnreadablePictureIsRefusedWithItsMessage) {
    ASSERT_TRUE(background().loadFile(writeRed("red.png")));
    const QImage shownBefore = graph();
    const std::string fileBefore = shown.project().settings.backgroundFile;
    QFile png(writeRed("whole.png"));
    png.open(QIODevice::ReadOnly);
    const QByteArray cut = png.readAll().left(30);
    for (const QString& path :
         {shown.folder.filePath("missing.png"), writeBytes("text.png", "not a picture at all"),
          writeBytes("cut.png", cut)}) {
        SCOPED_TRACE(path.toStdString());
        shown.messages.entries.clear();
        EXPECT_FALSE(background().loadFile(path));
        ASSERT_EQ(shown.messages.entries.size(), 1u);
        EXPECT_EQ(shown.messages.entries[0].kind, MessageKind::Error);
        EXPECT_NE(shown.messages.entries[0].text.find("No se puede leer la imagen"),
                  std::string::npos);
        EXPECT_EQ(graph(), shownBefore);
        EXPECT_EQ(shown.project().settings.backgroundFile, fileBefore);
    }
}

// The project keeps the picture's file and stretch mode: opened again, it shows the picture.
TEST_F(BackgroundTest, TheProjectKeepsItsPicture) {
    ASSERT_TRUE(background().loadFile(writeRed("red.png")));
    background().setStretch(2);
    const QImage withPicture = graph();
    ASSERT_TRUE(shown.program->saveProjectAs(shown.folder.filePath("drawing.tlx")));
    background().turnOff();
    ASSERT_TRUE(shown.program->openProjectFile(shown.folder.filePath("drawing.tlx"), false));
    EXPECT_TRUE(background().picture().isOn());
    EXPECT_EQ(shown.project().settings.backgroundStretch, 2);
    EXPECT_EQ(graph(), withPicture);
}
