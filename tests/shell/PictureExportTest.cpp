// Saving, copying and printing the program's pictures through the platform's in-memory
// services: the file types and their names, continuous saving, the clipboard's content in each
// mode, printing at the computed place and to a PDF file without a printer, the print dialog.

#include "ProgramFixture.h"
#include "RecordingPlatform.h"
#include "platform/qt/QtPictureFiles.h"
#include "shell/DataPanel.h"
#include "shell/GraphWindow.h"
#include "shell/PictureExport.h"
#include "shell/dialogs/PrintDialog.h"

#include <QAction>
#include <QCheckBox>
#include <QFile>
#include <QImageReader>
#include <QLabel>
#include <QRadioButton>
#include <QSlider>
#include <QTimer>

#include <gtest/gtest.h>

using namespace tarlix;
using namespace tarlix::testing;

namespace {

struct PictureExportTest : ::testing::Test {
    RecordingPlatform platform;
    ProgramShowingAx shown;
    void SetUp() override { platform.useIn(*shown.program); }
    Program& program() { return *shown.program; }
    QAction* action(const char* name) { return program().dataPanel()->action(name); }
    QString file(const char* name) { return shown.folder.filePath(name); }
    QByteArray start(const QString& path) {
        QFile f(path);
        return f.open(QIODevice::ReadOnly) ? f.read(4) : QByteArray();
    }
};

} // namespace

// The typed extension wins over the filter; a name without one takes the filter's; an
// extension the program does not write gives no type.
TEST(PictureExportTypes, TheTypeANameAsksFor) {
    struct Case {
        const char* name;
        int filter; // 0 bmp, 1 gif, 2 jpg, 3 emf, 4 wmf
        std::optional<PictureFileType> type;
    };
    const Case cases[] = {
        {"graf", 2, PictureFileType::Jpeg}, {"graf.bmp", 2, PictureFileType::Bmp},
        {"graf.JPG", 0, PictureFileType::Jpeg}, {"graf", 4, PictureFileType::Wmf},
        {"graf.xyz", 0, std::nullopt},       {"graf.png", 0, std::nullopt},
        {"a.b/graf", 1, PictureFileType::Gif},
    };
    for (const Case& c : cases) EXPECT_EQ(PictureExport::typeFor(c.name, c.filter), c.type) << c.name;
}

TEST_F(PictureExportTest, SavingAPictureByNameAndFilter) {
    platform.files.reply(file("sin-extension").toStdString(), 2); // JPEG filter
    action("FileSaveImage")->trigger();
    EXPECT_EQ(start(file("sin-extension.jpg")).left(3), QByteArray("\xFF\xD8\xFF"));
    ASSERT_EQ(platform.files.asked.size(), 1u);
    EXPECT_EQ(platform.files.asked[0].request.filters.size(), 5u);
    EXPECT_TRUE(platform.files.asked[0].request.filterSetsExtension);

    platform.files.reply(file("mapa.bmp").toStdString(), 2);
    action("FileSaveImage")->trigger();
    EXPECT_EQ(start(file("mapa.bmp")).left(2), QByteArray("BM"));
    EXPECT_FALSE(QFile::exists(file("mapa.jpg")));

    platform.files.reply(file("raro.xyz").toStdString(), 0);
    action("FileSaveImage")->trigger();
    EXPECT_FALSE(QFile::exists(file("raro.xyz")));
    EXPECT_FALSE(QFile::exists(file("raro.bmp")));
    ASSERT_EQ(shown.messages.entries.size(), 1u) << "an unwritable type is said, not ignored";
}

// Continuous saving: the first picture at once, then one per redraw, numbered, with the
// filter's extension; the stop button is down and enabled only while it runs.
TEST_F(PictureExportTest, ContinuousSavingNumbersOnePicturePerRedraw) {
    QAction* stop = action("Toolbar.stopContinuousSave");
    EXPECT_FALSE(stop->isEnabled());
    platform.files.reply(file("run").toStdString(), 0);
    action("FileContinuousSave")->trigger();
    EXPECT_FALSE(platform.files.asked[0].request.confirmOverwrite);
    EXPECT_TRUE(stop->isEnabled());
    EXPECT_TRUE(stop->isChecked());
    ASSERT_EQ(shown.messages.entries.size(), 1u);
    EXPECT_NE(shown.messages.entries[0].text.find("runxxx.bmp"), std::string::npos);
    program().repaintGraph();
    program().repaintGraph();
    for (const char* name : {"run000.bmp", "run001.bmp", "run002.bmp"})
        EXPECT_EQ(start(file(name)).left(2), QByteArray("BM")) << name;
    stop->trigger();
    EXPECT_FALSE(stop->isEnabled());
    program().repaintGraph();
    EXPECT_FALSE(QFile::exists(file("run003.bmp")));

    action("FileContinuousSave")->trigger(); // cancelled: stays off
    EXPECT_FALSE(program().pictureExport().continuousSaving());
}

// What each mode puts on the clipboard: the graph's bitmap, both windows side by side, or a
// picture recorded at four times the screen's resolution.
TEST_F(PictureExportTest, TheClipboardTakesEachMode) {
    PictureExport& out = program().pictureExport();
    out.copy(CaptureMode::Graph);
    out.copy(CaptureMode::WholeProgram);
    out.copy(CaptureMode::VectorBlackAndWhite);
    ASSERT_EQ(platform.clipboard.puts.size(), 3u);
    const QImage graph = out.captureBitmap(CaptureMode::Graph);
    EXPECT_EQ(platform.clipboard.puts[0].image.width, graph.width());
    const QImage left = program().graph()->grab().toImage();
    const QImage right = program().dataPanel()->grab().toImage();
    EXPECT_EQ(platform.clipboard.puts[1].image.width, left.width() + right.width());
    EXPECT_EQ(platform.clipboard.puts[1].image.height, std::max(left.height(), right.height()));
    EXPECT_EQ(platform.clipboard.puts[2].kind, RecordingClipboard::Kind::Picture);
    EXPECT_EQ(platform.clipboard.puts[2].dotsPerInch, 4 * 96);
    EXPECT_NEAR(platform.clipboard.puts[2].size.width,
                4 * program().objects().document.view.xAxis.pixelLength, 8);
}

// A captured picture is stretched into its computed place on one page (and copied, as the copy
// button does); a high-resolution drawing fills the same place.
TEST_F(PictureExportTest, PrintingPlacesThePictureOnThePage) {
    PictureExport& out = program().pictureExport();
    const QImage graph = out.captureBitmap(CaptureMode::Graph);
    ASSERT_TRUE(out.print(CaptureMode::Graph, 75, false));
    ASSERT_EQ(platform.printer.jobs.size(), 1u);
    const RecordingPrinter::Job& job = platform.printer.jobs[0];
    EXPECT_TRUE(job.ended);
    EXPECT_EQ(job.title, program().graph()->windowTitle().toStdString());
    ASSERT_EQ(job.pages.size(), 1u);
    const auto copies = job.pages[0]->recording()->callsOf(CanvasCall::CopyFrom);
    ASSERT_EQ(copies.size(), 1u);
    EXPECT_EQ(copies[0]->rect, printedPlace({graph.width(), graph.height()}, {4800, 6600}, 75, false));
    EXPECT_EQ(platform.clipboard.puts.size(), 1u);

    ASSERT_TRUE(out.print(CaptureMode::VectorColour, 50, false));
    ASSERT_EQ(platform.printer.jobs.size(), 2u);
    EXPECT_EQ(platform.printer.jobs[1].pages.size(), 1u);
    EXPECT_TRUE(platform.printer.jobs[1].ended);
}

// Without a printer the page goes to a PDF file the user names, and the program says where.
TEST_F(PictureExportTest, WithoutAPrinterItPrintsToAPdfFile) {
    platform.printer.hasPrinter = false;
    platform.files.reply(file("hoja.pdf").toStdString());
    ASSERT_TRUE(program().pictureExport().print(CaptureMode::Graph, 75, true));
    EXPECT_EQ(platform.printer.outputFile, file("hoja.pdf").toStdString());
    ASSERT_EQ(shown.messages.entries.size(), 1u);
    EXPECT_NE(shown.messages.entries[0].text.find("hoja.pdf"), std::string::npos);
    // Cancelling the file dialog prints nothing.
    EXPECT_FALSE(program().pictureExport().print(CaptureMode::Graph, 75, true));
    EXPECT_EQ(platform.printer.jobs.size(), 1u);
}

// The print dialog: the settings' size, the whole-multiple box following the mode, the page and
// the print size in printer pixels refreshed at each change, printing on OK.
TEST_F(PictureExportTest, ThePrintDialog) {
    int size = 50;
    int mode = 10;
    PrintDialog dialog(platform.printer, size, mode);
    dialog.pictureSize = [](CaptureMode) { return Size{600, 400}; };
    std::vector<int> printed;
    dialog.print = [&](CaptureMode m, int percent, bool whole) {
        printed = {static_cast<int>(m), percent, whole ? 1 : 0};
    };
    platform.printer.setPage({4800, 6800}, 600);
    QTimer::singleShot(0, &dialog, [&] {
        EXPECT_TRUE(dialog.modeButton(CaptureMode::VectorColour)->isChecked());
        EXPECT_FALSE(dialog.wholeMultipleBox()->isChecked());
        EXPECT_EQ(dialog.pageLabel()->text(), " 4800 × 6800 pixels");
        EXPECT_EQ(dialog.printLabel()->text(), " 2400 × 1600 pixels");
        dialog.modeButton(CaptureMode::Graph)->click();
        EXPECT_TRUE(dialog.wholeMultipleBox()->isChecked());
        EXPECT_EQ(mode, 0);
        dialog.sizeBar()->setValue(60);
        EXPECT_EQ(size, 60);
        EXPECT_EQ(dialog.printLabel()->text(), " 2400 × 1600 pixels") << "k = 4";
        dialog.wholeMultipleBox()->setChecked(false);
        EXPECT_EQ(dialog.printLabel()->text(), " 2880 × 1920 pixels");
        dialog.sizeBar()->setValue(0);
        EXPECT_EQ(dialog.printLabel()->text(), " 0 × 0 pixels");
        dialog.sizeBar()->setValue(75);
        dialog.accept();
    });
    dialog.exec();
    EXPECT_EQ(printed, (std::vector<int>{0, 75, 0}));
}

// The system's printer, sent to a PDF file: both a captured picture and a high-resolution
// drawing come out as one-page PDF documents.
TEST_F(PictureExportTest, TheSystemPrinterWritesAPdfPage) {
    PlatformServices& services = program().objects().platform;
    services.printer = &services.systemPrinter;
    for (const CaptureMode mode : {CaptureMode::Graph, CaptureMode::VectorBlackAndWhite}) {
        const QString pdf = file(mode == CaptureMode::Graph ? "captura.pdf" : "vector.pdf");
        services.systemPrinter.printToFile(pdf.toStdString());
        platform.files.reply(pdf.toStdString()); // asked only where no printer is known
        ASSERT_TRUE(program().pictureExport().print(mode, 75, false));
        QFile f(pdf);
        ASSERT_TRUE(f.open(QIODevice::ReadOnly)) << pdf.toStdString();
        const QByteArray bytes = f.readAll();
        EXPECT_TRUE(bytes.startsWith("%PDF"));
        EXPECT_EQ(bytes.count("/Type /Page\n") + bytes.count("/Type /Page\r") +
                      bytes.count("/Type /Page "), 1);
    }
}

// Every type of the save dialog writes its own file: GIF and the two metafiles too.
TEST_F(PictureExportTest, EveryTypeOfTheDialogWritesItsFile) {
    struct Case {
        const char* name;
        int filter;
        const char* written;
        QByteArray magic;
    };
    const Case cases[] = {
        {"g", 1, "g.gif", QByteArray("GIF8")},
        {"e", 3, "e.emf", QByteArray("\x01\x00\x00\x00", 4)},
        {"w", 4, "w.wmf", QByteArray("\xD7\xCD\xC6\x9A", 4)},
    };
    for (const Case& c : cases) {
        platform.files.reply(file(c.name).toStdString(), static_cast<std::size_t>(c.filter));
        action("FileSaveImage")->trigger();
        EXPECT_EQ(start(file(c.written)), c.magic) << c.written;
    }
}

// Continuous saving under the GIF type makes one animated file, a frame per redraw, written
// when the sequence stops.
TEST_F(PictureExportTest, ContinuousSavingAsGifMakesOneAnimatedFile) {
    platform.files.reply(file("anim").toStdString(), 1);
    action("FileContinuousSave")->trigger();
    ASSERT_TRUE(program().pictureExport().continuousSaving());
    EXPECT_NE(shown.messages.entries.at(0).text.find("anim.gif"), std::string::npos);
    program().repaintGraph();
    program().repaintGraph();
    action("Toolbar.stopContinuousSave")->trigger();
    QImageReader reader(file("anim.gif"));
    EXPECT_EQ(reader.imageCount(), 3);
    EXPECT_FALSE(QFile::exists(file("anim000.gif")));
}
