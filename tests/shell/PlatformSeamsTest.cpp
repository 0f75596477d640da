// The program reaches the clipboard, the printer and the file dialogs only through the
// platform's interfaces: in-memory forms in their place see every use.

#include "ProgramFixture.h"
#include "RecordingPlatform.h"
#include "platform/RecordingCanvas.h"
#include "platform/qt/QtPaintStyle.h"
#include "shell/BackgroundCommands.h"
#include "shell/DataPanel.h"
#include "shell/GraphWindow.h"

#include <QAction>
#include <QApplication>
#include <QKeyEvent>
#include <QMenu>

#include <gtest/gtest.h>

using namespace tarlix;
using namespace tarlix::testing;

namespace {

struct PlatformSeams : ::testing::Test {
    RecordingPlatform platform;
    ProgramShowingAx shown;
    void SetUp() override { platform.useIn(*shown.program); }
    Program& program() { return *shown.program; }
    QAction* action(const char* name) { return program().dataPanel()->action(name); }
    QImage graph() { return program().graph()->graphImage()->image(); }
};

} // namespace

TEST_F(PlatformSeams, FileCommandsAskTheDialogAndFollowItsReply) {
    const QString base = shown.folder.filePath("clase");
    action("FileSaveAs")->trigger(); // cancelled
    ASSERT_EQ(platform.files.asked.size(), 1u);
    const ScriptedFileDialog::Asked& save = platform.files.asked[0];
    EXPECT_EQ(save.kind, ScriptedFileDialog::Kind::Save);
    EXPECT_EQ(save.request.title, "Guardar proyecto de TARLIX");
    EXPECT_EQ(save.request.filters, std::vector<std::string>{"Archivo de TARLIX (*.tlx)"});
    EXPECT_EQ(save.request.defaultSuffix, "tlx");
    EXPECT_TRUE(save.request.name.empty()) << "an unsaved project proposes no name";
    EXPECT_TRUE(shown.project().projectPath.empty());

    platform.choose(base + ".tlx");
    action("FileSaveAs")->trigger();
    EXPECT_TRUE(platform.files.asked[1].request.name.empty());
    EXPECT_EQ(shown.project().projectPath, base.toStdString());
    action("FileSaveAs")->trigger(); // cancelled: the project keeps its name
    EXPECT_EQ(platform.files.asked[2].request.name.native(), base.toStdString() + ".tlx");
    EXPECT_EQ(shown.project().projectPath, base.toStdString());

    // Open starts beside the project, with its name; a cancel opens nothing.
    shown.project().explicitFunctions[1].expr.source = "changed";
    action("FileOpen")->trigger();
    const ScriptedFileDialog::Asked& open = platform.files.asked[3];
    EXPECT_EQ(open.kind, ScriptedFileDialog::Kind::Open);
    EXPECT_EQ(open.request.title, "Abrir Proyecto de TARLIX");
    EXPECT_EQ(open.request.folder.native(), shown.folder.path().toStdString());
    EXPECT_EQ(open.request.name.native(), "clase");
    EXPECT_EQ(shown.project().explicitFunctions[1].expr.source, "changed");
    platform.choose(base + ".tlx");
    action("FileOpen")->trigger();
    EXPECT_EQ(shown.project().explicitFunctions[1].expr.source, "a x");
    EXPECT_TRUE(shown.messages.entries.empty());
}

TEST_F(PlatformSeams, TheBackgroundPictureComesThroughTheDialogAndTheClipboard) {
    const QString file = shown.folder.filePath("red.png");
    QImage red(4, 4, QImage::Format_RGB32);
    red.fill(Qt::red);
    ASSERT_TRUE(red.save(file));
    const GraphWindow::BackgroundButtons& buttons = program().graph()->backgroundButtons();
    buttons.fromFile->trigger(); // cancelled
    ASSERT_EQ(platform.files.asked.size(), 1u);
    EXPECT_EQ(platform.files.asked[0].request.filters,
              std::vector<std::string>{"Im\xE1genes (*.bmp *.ico *.jpg *.jpeg *.gif *.png)"});
    EXPECT_FALSE(program().background().picture().isOn());
    platform.choose(file);
    buttons.fromFile->trigger();
    EXPECT_TRUE(program().background().picture().isOn());
    EXPECT_EQ(shown.project().settings.backgroundFile, file.toStdString());
    program().background().turnOff();

    // Text on the clipboard is no picture; a picture put there is pasted, without a file.
    const QImage plain = graph();
    platform.clipboard.putText("hola");
    buttons.fromClipboard->trigger();
    EXPECT_FALSE(program().background().picture().isOn());
    platform.clipboard.putImage(RecordingCanvas(4, 4, rgbColor(0, 0, 255)));
    buttons.fromClipboard->trigger();
    ASSERT_TRUE(program().background().picture().isOn());
    EXPECT_EQ(program().background().picture().image().pixel(2, 2), qRgb(0, 0, 255));
    EXPECT_TRUE(shown.project().settings.backgroundFile.empty());
    EXPECT_NE(graph(), plain);
}

// Ctrl+C copies what the copy button's choice names: here the graph's bitmap, which is the
// picture on show pixel for pixel.
TEST_F(PlatformSeams, CopyingTheGraphPutsItsPictureOnTheClipboard) {
    program().objects().state.copyMode = 0;
    QKeyEvent press(QEvent::KeyPress, Qt::Key_C, Qt::ControlModifier);
    QApplication::sendEvent(program().graph(), &press);
    ASSERT_EQ(platform.clipboard.puts.size(), 1u);
    const RasterImage& put = platform.clipboard.puts[0].image;
    const QImage shownImage = graph();
    ASSERT_EQ(put.width, shownImage.width());
    ASSERT_EQ(put.height, shownImage.height());
    int differ = 0;
    for (int y = 0; y < put.height; ++y)
        for (int x = 0; x < put.width; ++x)
            if (toQRgb(put.at(x, y)) != (shownImage.pixel(x, y) | 0xFF000000u)) ++differ;
    EXPECT_EQ(differ, 0);
}

TEST_F(PlatformSeams, ThePrinterSetupIsThePrintersAndOnlyWhenThereIsOne) {
    QAction* setup = action("FilePrinterSetup");
    QMenu* file = qobject_cast<QMenu*>(setup->parent());
    ASSERT_NE(file, nullptr);
    platform.printer.hasPrinter = false;
    Q_EMIT file->aboutToShow();
    EXPECT_FALSE(setup->isEnabled());
    platform.printer.hasPrinter = true;
    Q_EMIT file->aboutToShow();
    EXPECT_TRUE(setup->isEnabled());
    setup->trigger();
    EXPECT_EQ(platform.printer.setupShown, 1);
}
