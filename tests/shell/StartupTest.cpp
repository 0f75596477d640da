#include "QtTestApp.h"
#include "document/ProjectEdit.h"
#include "shell/CalculatorWindow.h"
#include "shell/DataPanel.h"
#include "shell/GraphWindow.h"
#include "shell/Program.h"
#include "shell/VersionWindow.h"
#include "shell/dialogs/PenPalette.h"

#include <QAction>
#include <QApplication>
#include <QDir>
#include <QExposeEvent>
#include <QFile>
#include <QScreen>
#include <QTemporaryDir>
#include <QWindow>

#include <gtest/gtest.h>

using namespace tarlix;

namespace {
struct StartedProgram {
    QTemporaryDir folder;
    RecordingMessageBox messages{false}; // answers "&Cancelar" to questions
    std::unique_ptr<Program> program;

    StartedProgram() {
        qttest::qtApp<QApplication>();
        program = std::make_unique<Program>(folder.path() + "/tarlix.ini", 0);
        program->objects().document.setMessageBox(&messages);
    }
};
} // namespace

TEST(Startup, CreatesTheFourWindowsInOrderWithTheirCaptions) {
    StartedProgram p;
    const auto& w = p.program->windows();
    ASSERT_EQ(w.size(), 4u);
    EXPECT_EQ(w[0], p.program->graph());
    EXPECT_EQ(w[1], p.program->palette());
    EXPECT_EQ(w[2], p.program->dataPanel());
    EXPECT_EQ(w[3], p.program->calculator());
    EXPECT_EQ(w[0]->windowTitle(), "TARLIX");
    EXPECT_EQ(w[1]->windowTitle(), QString::fromUtf8("Color del lápiz"));
    EXPECT_EQ(w[2]->windowTitle(), "Panel de Datos");
    EXPECT_EQ(w[3]->windowTitle(), "Calculadora");
    EXPECT_EQ(QApplication::applicationName(), "TARLIX");
}

TEST(Startup, MissingCommandLineFileGivesTheMessageAndAnEmptyProject) {
    StartedProgram p;
    const QString missing = p.folder.path() + "/no such folder/pro ject";
    p.program->start(missing.split(' '));
    ASSERT_EQ(p.messages.entries.size(), 1u);
    EXPECT_EQ(p.messages.entries[0].text,
              "No se encuentra el archivo" + missing.toStdString() + ".tlx");
    EXPECT_TRUE(p.program->objects().document.project.projectPath.empty());
    EXPECT_TRUE(p.program->objects().document.project.explicitFunctions[1].expr.source.empty());
}

TEST(Startup, ClosingAModifiedProjectAsksAndStaysOnCancel) {
    StartedProgram p;
    p.program->start({});
    p.program->objects().document.project.modified = true;
    EXPECT_FALSE(p.program->graph()->close());
    ASSERT_EQ(p.messages.entries.size(), 1u);
    EXPECT_EQ(p.messages.entries[0].text, "Salir usando [OK]");
    EXPECT_TRUE(p.program->graph()->isVisible());
    // The state values are written whatever the answer.
    EXPECT_TRUE(QFile::exists(p.folder.path() + "/tarlix.ini"));

    // The data panel never closes itself: it asks the graph window to close.
    p.messages.setAnswer(true);
    EXPECT_FALSE(p.program->dataPanel()->close());
    EXPECT_EQ(p.messages.entries.size(), 2u);
    EXPECT_FALSE(p.program->graph()->isVisible());
}

TEST(Startup, AnUnmodifiedProjectClosesWithoutAQuestion) {
    StartedProgram p;
    p.program->start({});
    EXPECT_TRUE(p.program->graph()->close());
    EXPECT_TRUE(p.messages.entries.empty());
}

TEST(Startup, OpensTheCommandLineProjectJoinedByBlanksAndSavesItBack) {
    StartedProgram first;
    first.program->start({});
    Project& project = first.program->objects().document.project;
    Document& ctx = first.program->context();
    EquationEntry f;
    f.expr.source = "x^2";
    storeExplicitFunction(ctx, 1, f);
    EXPECT_TRUE(project.modified);
    const QString base = first.folder.path() + "/my projects/parabola";
    QDir().mkpath(first.folder.path() + "/my projects");
    ASSERT_TRUE(first.program->saveProjectAs(base + ".tlx"));
    EXPECT_FALSE(project.modified);
    EXPECT_EQ(first.program->graph()->windowTitle(), "TARLIX : parabola");

    StartedProgram second;
    second.program->start((base + ".tlx").split(' ')); // arrives as two arguments
    EXPECT_TRUE(second.messages.entries.empty());
    EXPECT_EQ(second.program->objects().document.project.explicitFunctions[1].expr.source, "x^2");
    EXPECT_EQ(second.program->objects().document.project.projectPath, base.toStdString());
    EXPECT_EQ(second.program->graph()->windowTitle(), "TARLIX : parabola");
    // The graph window shows the parabola: some blue pixels in its picture.
    const QImage& picture = second.program->graph()->graphImage()->image();
    int blue = 0;
    for (int y = 0; y < picture.height(); ++y)
        for (int x = 0; x < picture.width(); ++x)
            if (picture.pixelColor(x, y) == QColor(0, 0, 255)) ++blue;
    EXPECT_GT(blue, 100);
}

TEST(Startup, OpeningOverAModifiedProjectAsksFirst) {
    StartedProgram p;
    p.program->start({});
    p.program->objects().document.project.modified = true;
    EXPECT_FALSE(p.program->openProjectFile(p.folder.path() + "/whatever.tlx"));
    ASSERT_EQ(p.messages.entries.size(), 1u);
    EXPECT_EQ(p.messages.entries[0].text, "Limpiar datos actuales usando [OK]");
    EXPECT_TRUE(p.program->objects().document.project.modified);
}

// The window manager frames a window after it is shown; a window placed before that could end
// with its title bar above the screen, its client area at the top. When either main window shows
// so, both are placed again by their frames: their title bars come down into the screen's
// available area, the windows keep their sizes and the graph window its column.
TEST(Startup, AWindowShownWithItsTitleBarAboveTheScreenComesDown) {
    StartedProgram p;
    p.program->start({});
    GraphWindow* graph = p.program->graph();
    DataPanel* panel = p.program->dataPanel();
    const QRect work = graph->screen()->availableGeometry();
    const QRect arranged[] = {graph->frameGeometry(), panel->frameGeometry()};
    ASSERT_EQ(arranged[0].top(), work.top());
    for (QWidget* shown : {static_cast<QWidget*>(graph), static_cast<QWidget*>(panel)}) {
        SCOPED_TRACE(shown->objectName().toStdString());
        // Both frames end above the screen without the program hearing of it.
        const auto graphMoved = std::exchange(graph->moved, nullptr);
        const auto panelMoved = std::exchange(panel->moved, nullptr);
        for (QWidget* w : {static_cast<QWidget*>(graph), static_cast<QWidget*>(panel)})
            w->move(w->frameGeometry().left(), work.top() - 15);
        graph->moved = graphMoved;
        panel->moved = panelMoved;
        ASSERT_LT(graph->frameGeometry().top(), work.top());

        QExposeEvent exposed(QRegion(QRect(QPoint(), shown->size())));
        QApplication::sendEvent(shown->windowHandle(), &exposed);
        EXPECT_EQ(graph->frameGeometry(), arranged[0]);
        EXPECT_EQ(panel->frameGeometry().top(), work.top());
        EXPECT_EQ(panel->frameGeometry().size(), arranged[1].size());
    }
}
