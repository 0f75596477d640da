// The cost of the data history against a full redraw of the same project at 800 x 600, every
// store half full: taking the snapshot before an edit, and one undo step (the project read
// back from its snapshot, recomputed and drawn). The memory of a full history of one-entry
// edits is reported as a multiple of the project's text size.
#include "BenchPicture.h"
#include "document/ObjectTokens.h"
#include "document/ProjectWriter.h"
#include "document/UndoHistories.h"

#include <set>
#include <string>

using namespace tarlix;
using namespace tarlix::bench;

namespace {

const char* const kFunctions[] = {"a sin x",  "x^2/4-a", "a x^3/10-x", "exp(-x^2/2)a+1",
                                  "cos(2x)",  "x^2/4-2", "Sqrt(x+5)",  "1/(x^2+1)",
                                  "abs(x)-3", "log(x+6)"};
const char* const kRelations[] = {"x^2+y^2<4", "y>x^2-3", "abs(x)+abs(y)<b", "y<sin(x)"};

struct HalfFullProject : BenchPicture {
    HalfFullProject() : BenchPicture(-5, 5, -5, 5) {
        for (int n = 1; n <= 10; ++n) storeFunction(n, kFunctions[n - 1]);
        for (int n = 1; n <= 4; ++n) storeRelation(ctx, n, equation(kRelations[n - 1]));
        for (int n = 1; n <= 4; ++n) {
            CompiledExpression f;
            f.source = "f" + std::to_string(n) + "(x)=x^" + std::to_string(n) + "+1";
            storeUserFunction(ctx, n, f);
        }
        for (int n = 1; n <= 11; ++n) {
            FigureEntry p = blankFigure(n);
            p.kind = FigureKind::Point;
            p.x.source = std::to_string(n - 6);
            p.y.source = "a+" + std::to_string(n % 3);
            storeFigure(ctx, n, p);
        }
        for (int i = 0; i < 40; ++i)
            project.memoText.push_back("Nota de la clase, linea " + std::to_string(i));
        picture.recompute();
    }

    static EquationEntry equation(const char* text) {
        EquationEntry f = blankEquation();
        f.expr.source = text;
        return f;
    }

    void redrawAll() {
        redraw.markEverything();
        picture.markEverythingDirty();
        picture.recompute();
        drawPicture();
    }
};

HalfFullProject& halfFullProject() {
    static HalfFullProject p;
    return p;
}

void fullRedraw(benchmark::State& state) {
    HalfFullProject& p = halfFullProject();
    for (auto _ : state) p.redrawAll();
}

// The push before an edit: the project written as text and compared with the newest step.
void snapshotBeforeEdit(benchmark::State& state) {
    HalfFullProject& p = halfFullProject();
    DataHistory history;
    int n = 0;
    for (auto _ : state) {
        p.project.explicitFunctions[12].expr.source = "x+" + std::to_string(++n % 40);
        history.push(p.project, p.view);
    }
}

void undoStep(benchmark::State& state) {
    HalfFullProject& p = halfFullProject();
    DataHistory history;
    history.push(p.project, p.view);
    storeExplicitFunction(p.ctx, 15, HalfFullProject::equation("x/3+1"));
    history.undo(p.ctx); // now at the older state, with a redo step
    bool back = false;
    for (auto _ : state) {
        if (back)
            history.undo(p.ctx);
        else
            history.redo(p.ctx);
        back = !back;
        p.redrawAll();
    }
}

// Fifty edits of one entry each: the bytes held by the history's distinct blocks and snapshot
// tables, against the project file's text.
void historyMemory(benchmark::State& state) {
    HalfFullProject& p = halfFullProject();
    TokenLines text;
    writeProject(p.project, p.view, text);
    const double textBytes = static_cast<double>(text.toText().size());
    double ratio = 0;
    for (auto _ : state) {
        DataHistory history;
        for (int i = 0; i < 60; ++i) {
            history.push(p.project, p.view);
            p.project.explicitFunctions[1 + i % 10].expr.source = "x+" + std::to_string(i);
        }
        std::set<const ProjectSnapshot::Block*> seen;
        double bytes = 0;
        for (int i = 0; i < history.steps().count(); ++i) {
            const ProjectSnapshot& step = history.steps().at(i);
            bytes += static_cast<double>(step.blocks().capacity() * sizeof(step.blocks()[0]));
            for (const auto& block : step.blocks()) {
                if (!seen.insert(block.get()).second) continue;
                bytes += sizeof(*block) + 32; // the block and its shared count
                for (const std::string& line : *block)
                    bytes += sizeof(line) + (line.capacity() > 15 ? line.capacity() + 1 : 0);
            }
        }
        ratio = bytes / textBytes;
    }
    state.counters["history_over_text"] = ratio;
    state.counters["text_bytes"] = textBytes;
}

} // namespace

BENCHMARK(fullRedraw)->Unit(benchmark::kMillisecond);
BENCHMARK(snapshotBeforeEdit)->Unit(benchmark::kMillisecond);
BENCHMARK(undoStep)->Unit(benchmark::kMillisecond);
BENCHMARK(historyMemory)->Unit(benchmark::kMillisecond)->Iterations(1);

int main(int argc, char** argv) {
    return runBenchmarks(argc, argv);
}
