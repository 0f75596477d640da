// The Qt forms of the system's services, on the offscreen platform: the clipboard, printing
// into a PDF file, and sound where the system has no device.

#include "QtTestApp.h"
#include "platform/qt/QtAudioOutput.h"
#include "platform/qt/QtClipboard.h"
#include "platform/qt/QtImageCanvas.h"
#include "platform/qt/QtPicture.h"
#include "platform/qt/QtPrinter.h"

#include <QClipboard>
#include <QEventLoop>
#include <QFile>
#include <QGuiApplication>
#include <QMimeData>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <QTimer>

#include <gtest/gtest.h>

using namespace tarlix;

namespace {
constexpr Color kBlue = rgbColor(0, 0, 255);
} // namespace

TEST(QtClipboard, TextImagesAndPicturesGoThroughTheSystemsClipboard) {
    qttest::qtApp<QGuiApplication>();
    QtClipboard clipboard;
    clipboard.putText("a\xF1o 30\xB0");
    EXPECT_TRUE(clipboard.hasText());
    EXPECT_EQ(QGuiApplication::clipboard()->text(), QString::fromUtf8("año 30°"));
    EXPECT_EQ(clipboard.text(), "a\xF1o 30\xB0");

    QtImageCanvas blue(5, 3, kBlue);
    clipboard.putImage(blue);
    EXPECT_FALSE(clipboard.hasText());
    RasterImage back = clipboard.image();
    ASSERT_EQ(back.width, 5);
    ASSERT_EQ(back.height, 3);
    EXPECT_EQ(back.at(4, 2), kBlue);

    // A picture goes as SVG, as PDF and as an image of the size it was put at.
    QtPicture picture(true);
    Canvas& c = picture.beginRecording(10, 10);
    Brush brush;
    brush.color = kBlue;
    c.setBrush(brush);
    c.fillRect({0, 0, 10, 10});
    picture.endRecording();
    clipboard.putPicture(picture, {20, 20}, 192);
    const QMimeData* data = QGuiApplication::clipboard()->mimeData();
    ASSERT_NE(data, nullptr);
    EXPECT_TRUE(data->data("image/svg+xml").contains("<svg"));
    EXPECT_TRUE(data->data("application/pdf").startsWith("%PDF")) << "office programs paste it";
    EXPECT_TRUE(data->hasImage());
    back = clipboard.image();
    ASSERT_EQ(back.width, 20);
    EXPECT_EQ(back.at(15, 15), kBlue);

    // Parts that other programs left transparent are white, as a background shows them.
    QImage clear(2, 2, QImage::Format_ARGB32);
    clear.fill(Qt::transparent);
    QGuiApplication::clipboard()->setImage(clear);
    back = clipboard.image();
    ASSERT_EQ(back.width, 2);
    EXPECT_EQ(back.at(1, 1), kWhite);
    QGuiApplication::clipboard()->clear();
    EXPECT_EQ(clipboard.image().width, 0);
}

// Each page drawn on its canvas is a page of the job.
TEST(QtPrinter, PrintsEachPageOfAJob) {
    qttest::qtApp<QGuiApplication>();
    QTemporaryDir dir;
    const QString pdf = dir.filePath("gráfico ñ.pdf");
    QtPrinter printer;
    printer.printToFile(QFile::encodeName(pdf).toStdString());
    const Size page = printer.pageSize();
    EXPECT_GT(page.width, 1000);
    EXPECT_GT(page.height, page.width) << "upright paper";
    EXPECT_GE(printer.resolution(), 300);
    EXPECT_EQ(printer.newPage(), nullptr);

    ASSERT_TRUE(printer.beginDocument("TARLIX - clase"));
    EXPECT_FALSE(printer.beginDocument("another"));
    for (int n = 0; n < 3; ++n) {
        Canvas* canvas = printer.newPage();
        ASSERT_NE(canvas, nullptr);
        EXPECT_EQ(canvas->width(), page.width);
        canvas->setPen({kBlue, 20});
        canvas->moveTo(0, 0);
        canvas->lineTo(page.width, page.height);
    }
    ASSERT_TRUE(printer.endDocument());
    QFile file(pdf);
    ASSERT_TRUE(file.open(QIODevice::ReadOnly));
    const QByteArray bytes = file.readAll();
    const QString text = QString::fromLatin1(bytes);
    int pages = 0;
    for (auto m = QRegularExpression("/Type\\s*/Page\\b").globalMatch(text); m.hasNext(); m.next())
        ++pages;
    EXPECT_EQ(pages, 3);
    // The job's title is the document's, in UTF-16.
    QByteArray title("\xFE\xFF");
    for (char c : std::string("TARLIX - clase")) title.append('\0').append(c);
    EXPECT_TRUE(bytes.contains(title));
}

// Without a device a sound is refused and nothing plays; with one it plays to its end.
TEST(QtAudioOutput, PlaysOnlyWhereThereIsADevice) {
    qttest::qtApp<QGuiApplication>();
    QtAudioOutput audio;
    bool finished = false;
    audio.finished = [&] { finished = true; };
    const std::vector<std::uint8_t> tenth(2205 * 4, 0); // a tenth of a second of silence
    if (!audio.hasDevice()) {
        EXPECT_FALSE(audio.play(tenth, AudioFormat{}));
        EXPECT_FALSE(audio.isPlaying());
        return;
    }
    QEventLoop loop;
    audio.finished = [&] {
        finished = true;
        loop.quit();
    };
    ASSERT_TRUE(audio.play(tenth, AudioFormat{}));
    EXPECT_TRUE(audio.isPlaying());
    QTimer::singleShot(5000, &loop, &QEventLoop::quit);
    loop.exec();
    EXPECT_TRUE(finished);
    EXPECT_FALSE(audio.isPlaying());
}
