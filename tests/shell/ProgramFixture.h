#pragma once
// A started program, offscreen with its own settings folder, showing y1 = a x (so that the
// row of parameter a is on show) and nothing modified.

#include "QtTestApp.h"
#include "document/ProjectEdit.h"
#include "shell/Program.h"

#include <QApplication>
#include <QTemporaryDir>

#include <memory>

namespace tarlix::testing {

struct ProgramShowingAx {
    QTemporaryDir folder;
    RecordingMessageBox messages{false};
    std::unique_ptr<Program> program;

    ProgramShowingAx() {
        qttest::qtApp<QApplication>();
        program = std::make_unique<Program>(folder.path() + "/tarlix.ini", 0);
        program->objects().document.setMessageBox(&messages);
        program->start({});
        Document& ctx = program->context();
        EquationEntry f;
        f.expr.source = "a x";
        storeExplicitFunction(ctx, 1, f);
        project().modified = false;
    }
    Project& project() { return program->objects().document.project; }
};

} // namespace tarlix::testing
