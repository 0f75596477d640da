// The in-memory forms of the system's services keep what tests look at: what went on the
// clipboard, the printed pages with their page size, the dialog's requests, the sounds played.

#include "platform/AudioOutput.h"
#include "platform/FileDialog.h"
#include "platform/RecordingClipboard.h"
#include "platform/RecordingPrinter.h"

#include <gtest/gtest.h>

using namespace tarlix;

TEST(RecordingClipboard, KeepsEveryPutAndAnswersFromTheLast) {
    RecordingClipboard clipboard;
    EXPECT_FALSE(clipboard.hasText());
    EXPECT_EQ(clipboard.image().width, 0);
    clipboard.putImage(RecordingCanvas(3, 2, rgbColor(1, 2, 3)));
    EXPECT_FALSE(clipboard.hasText());
    const RasterImage image = clipboard.image();
    ASSERT_EQ(image.width, 3);
    ASSERT_EQ(image.height, 2);
    EXPECT_EQ(image.at(2, 1), rgbColor(1, 2, 3));

    RecordingPicture picture;
    Canvas& c = picture.beginRecording(100, 50);
    c.moveTo(0, 0);
    c.lineTo(100, 50);
    picture.endRecording();
    clipboard.putPicture(picture, {200, 100}, 300);
    EXPECT_EQ(clipboard.image().width, 0) << "a picture has no pixels here";
    clipboard.putText("a\xF1o");
    EXPECT_TRUE(clipboard.hasText());
    EXPECT_EQ(clipboard.text(), "a\xF1o");

    ASSERT_EQ(clipboard.puts.size(), 3u);
    const RecordingClipboard::Put& put = clipboard.puts[1];
    EXPECT_EQ(put.kind, RecordingClipboard::Kind::Picture);
    EXPECT_EQ(put.size.width, 200);
    EXPECT_EQ(put.dotsPerInch, 300);
    const auto& calls = put.picture->recording()->calls();
    ASSERT_EQ(calls.size(), 2u);
    EXPECT_EQ(calls[1].points[1], (Point{200, 100})) << "replayed at the size it was put";
}

TEST(RecordingPrinter, KeepsEachJobsPagesWithThePageTheyWereGiven) {
    RecordingPrinter printer({1000, 1400}, 300);
    EXPECT_EQ(printer.newPage(), nullptr) << "no page outside a job";
    ASSERT_TRUE(printer.beginDocument("TARLIX - clase"));
    EXPECT_FALSE(printer.beginDocument("another")) << "one job at a time";
    Canvas* first = printer.newPage();
    ASSERT_NE(first, nullptr);
    EXPECT_EQ(first->width(), 1000);
    first->moveTo(0, 0);
    first->lineTo(10, 10);
    printer.newPage()->rectangle({0, 0, 5, 5});
    ASSERT_TRUE(printer.endDocument());
    EXPECT_FALSE(printer.endDocument());

    printer.setupAnswer = false;
    EXPECT_FALSE(printer.showSetup());
    EXPECT_EQ(printer.setupShown, 1);
    printer.setPage({1400, 1000}, 600); // turned to landscape
    ASSERT_TRUE(printer.beginDocument("second"));
    ASSERT_TRUE(printer.endDocument());

    ASSERT_EQ(printer.jobs.size(), 2u);
    const RecordingPrinter::Job& job = printer.jobs[0];
    EXPECT_EQ(job.title, "TARLIX - clase");
    EXPECT_EQ(job.pageSize.width, 1000);
    EXPECT_EQ(job.resolution, 300);
    ASSERT_EQ(job.pages.size(), 2u);
    EXPECT_EQ(job.pages[0]->recording()->calls().back().kind, CanvasCall::LineTo);
    EXPECT_EQ(job.pages[1]->recording()->calls().back().kind, CanvasCall::Rectangle);
    EXPECT_FALSE(job.pages[1]->isRecording());
    EXPECT_EQ(printer.jobs[1].pageSize.width, 1400);
    EXPECT_TRUE(printer.jobs[1].pages.empty());

    printer.hasPrinter = false;
    EXPECT_FALSE(printer.beginDocument("none"));
}

TEST(ScriptedFileDialog, AnswersInOrderAndCancelsWhenTheScriptEnds) {
    ScriptedFileDialog dialog;
    dialog.reply("/a/uno.tlx");
    dialog.reply({}); // a cancel
    dialog.reply("/a/dos.tlx");
    FileRequest request;
    request.title = "Abrir";
    EXPECT_EQ(dialog.openFile(request).native(), "/a/uno.tlx");
    EXPECT_TRUE(dialog.saveFile(request).empty());
    EXPECT_EQ(dialog.saveFile(request).native(), "/a/dos.tlx");
    EXPECT_TRUE(dialog.openFile(request).empty());
    ASSERT_EQ(dialog.asked.size(), 4u);
    EXPECT_EQ(dialog.asked[1].kind, ScriptedFileDialog::Kind::Save);
    EXPECT_EQ(dialog.asked[3].request.title, "Abrir");
}

TEST(RecordingAudioOutput, RecordsWhatPlaysAndCanHaveNoDevice) {
    RecordingAudioOutput audio;
    int finished = 0;
    audio.finished = [&] { ++finished; };
    const AudioFormat mono8{11025, 1, 8};
    ASSERT_TRUE(audio.play({1, 2, 3}, mono8));
    EXPECT_TRUE(audio.isPlaying());
    audio.stop();
    EXPECT_EQ(finished, 0) << "a stopped sound did not finish";
    ASSERT_TRUE(audio.play({4, 5}, AudioFormat{}));
    audio.playToEnd();
    EXPECT_EQ(finished, 1);
    EXPECT_FALSE(audio.isPlaying());
    ASSERT_EQ(audio.played.size(), 2u);
    EXPECT_EQ(audio.played[0].samples, (std::vector<std::uint8_t>{1, 2, 3}));
    EXPECT_EQ(audio.played[0].format, mono8);
    EXPECT_EQ(audio.stops, 1);

    audio.device = false;
    EXPECT_FALSE(audio.hasDevice());
    EXPECT_FALSE(audio.play({1}, AudioFormat{}));
    EXPECT_EQ(audio.played.size(), 2u);
}
