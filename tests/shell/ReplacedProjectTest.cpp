// Open, New and undo replace the project as a whole: the afterimages, traces and places the
// picture showed of the project before never join the new one, on screen or in its files.
#include "QtTestApp.h"
#include "document/ProjectEdit.h"
#include "shell/Program.h"

#include <QApplication>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <filesystem>
#include <memory>

namespace tarlix::testing {
namespace {

QString example(const char* name) {
    return QString(TARLIX_SOURCE_DIR) + "/examples/" + name;
}

struct AnimatedProgram {
    QTemporaryDir folder;
    RecordingMessageBox messages{true};
    std::unique_ptr<Program> program;

    AnimatedProgram() {
        qttest::qtApp<QApplication>();
        program = std::make_unique<Program>(folder.path() + "/tarlix.ini", 0);
        program->objects().document.setMessageBox(&messages);
        program->start({});
        EXPECT_TRUE(program->openProjectFile(example("animacion.tlx"), false));
        program->repaintGraph();
        // The point P goes round the circle, leaving afterimages behind.
        for (int step = 0; step < 4; ++step) {
            stepParameterValue(document(), 1, 1, false);
            program->repaintGraph();
        }
        EXPECT_FALSE(document().afterimages.empty());
    }
    Document& document() { return program->objects().document; }
    // The first drawings of the new project: where the old places would join the store.
    void redraw() {
        for (int i = 0; i < 2; ++i) program->repaintGraph();
    }
};

} // namespace

TEST(ReplacedProject, OpeningAnotherProjectLeavesNoAfterimageOfTheOldOne) {
    for (const char* next : {"construccion.tlx", "poligono.tlx"}) {
        SCOPED_TRACE(next);
        AnimatedProgram a;
        ASSERT_TRUE(a.program->openProjectFile(example(next), false));
        a.redraw();
        EXPECT_TRUE(a.document().afterimages.empty());

        // Nor does its afterimage file hold any.
        const QString saved = a.folder.path() + "/copia";
        ASSERT_TRUE(a.program->saveProjectAs(saved + ".tlx"));
        EXPECT_FALSE(std::filesystem::exists((saved + ".tlp").toStdString()));
    }
}

TEST(ReplacedProject, NewAndUndoLeaveNoPlaceOfThePictureBefore) {
    AnimatedProgram a;
    a.document().clear(ViewDefaults{}, 0);
    a.redraw();
    EXPECT_TRUE(a.document().afterimages.empty()) << "New";

    AnimatedProgram b;
    const std::size_t kept = b.document().afterimages.size();
    storeExplicitFunction(b.document(), 2, blankEquation()); // an undo step
    EquationEntry line = blankEquation();
    line.expr.source = "x";
    storeExplicitFunction(b.document(), 2, line);
    ASSERT_TRUE(b.document().undo());
    b.redraw();
    EXPECT_EQ(b.document().afterimages.size(), kept) << "undo adds no snapshot of its own";
}

} // namespace tarlix::testing
