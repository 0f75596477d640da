// Dragging a point with the graph redrawn live: a project at 800 x 600 in which ten objects
// depend on the point P (six figures built from it, two lines through it, a connected figure
// from it and a function through it) beside objects that do not (two functions, a curve and
// free points). One drag step (P's coordinates written as the mouse writes them, the picture
// recomputed and drawn) next to a full redraw of the same project (the view moved).
//
// TARLIX_DRAG_PROJECT=PATH writes the project file, so that it can be opened in the program.
#include "BenchPicture.h"
#include "document/ProjectFile.h"
#include "document/SegmentEdit.h"

#include <string>

using namespace tarlix;
using namespace tarlix::bench;

namespace {

struct FigureText {
    int n;
    int kind;
    const char* x;
    const char* y;
    const char* r;
};

// P is dragged; S T U V A B C D J K depend on it, Q R and L do not.
const FigureText kFigureTexts[] = {
    {1, 1, "-2", "-1", ""},                           // P
    {2, 1, "3", "-1", ""},                            // Q
    {3, 1, "1", "3", ""},                             // R
    {4, 1, "mid(P,Q).x", "mid(P,Q).y", ""},           // S
    {5, 1, "mid(P,R).x", "mid(P,R).y", ""},           // T
    {6, 1, "rot(Q,P,1).x", "rot(Q,P,1).y", ""},       // U
    {7, 2, "P.x", "P.y", "1"},                        // V
    {8, 2, "S.x", "S.y", "0.5"},                      // A
    {9, 1, "intr(P,R,Q,T).x", "intr(P,R,Q,T).y", ""}, // B
    {10, 1, "mid(S,T).x", "mid(S,T).y", ""},          // C
    {11, 3, "", "P.y", "0"},                          // D
    {12, 4, "P.x", "", "0"},                          // E
    {19, 6, "2cos(3t)", "2sin(2t)", ""},              // L
};

FigureEntry figureOf(const FigureText& t) {
    FigureEntry f = blankFigure(t.n);
    f.kind = static_cast<FigureKind>(t.kind);
    f.x.source = t.x;
    f.y.source = t.y;
    f.radius.source = t.r;
    f.pointColor = 0xFF0000;
    f.lineColor = 0x00A000;
    f.lineWidth = 2;
    f.pointSize = 2;
    f.labelPosition = 3;
    f.drag = t.n == 1;
    if (t.kind == 6) {
        f.paramStep = 0.01L;
        f.curveStyle = 1;
    }
    return f;
}

struct DragProject : BenchPicture {
    int step = 0;

    DragProject() : BenchPicture(-6, 6, -4.5, 4.5) {
        for (const FigureText& t : kFigureTexts) storeFigure(ctx, t.n, figureOf(t));
        addSegment(ctx, PenDefaults{}, 1, 2);
        addSegment(ctx, PenDefaults{}, 2, 3);
        storeFunction(1, "P.y+(x-P.x)^2/4"); // through P
        storeFunction(2, "sin x");
        storeFunction(3, "x^3/10-x");
        picture.recompute();
    }

    // P to the next pixel of a small circle, its coordinates written as text.
    void dragStep() {
        step = (step + 1) % 64;
        const double a = step * 0.1;
        FigureEntry p = project.figures[1];
        p.x.source = std::to_string(-2 + 0.5 * std::cos(a));
        p.y.source = std::to_string(-1 + 0.5 * std::sin(a));
        storeFigure(ctx, 1, std::move(p));
    }
};

DragProject& dragProject() {
    static DragProject p;
    return p;
}

void dragStep(benchmark::State& state) {
    DragProject& p = dragProject();
    for (auto _ : state) {
        p.dragStep();
        p.picture.recompute();
        p.drawPicture();
    }
}

void dragFullRedraw(benchmark::State& state) {
    DragProject& p = dragProject();
    for (auto _ : state) {
        p.redraw.viewChanged = true;
        p.picture.recompute();
        p.drawPicture();
    }
}

} // namespace

BENCHMARK(dragStep)->Unit(benchmark::kMicrosecond);
BENCHMARK(dragFullRedraw)->Unit(benchmark::kMicrosecond);

int main(int argc, char** argv) {
    return runBenchmarks(argc, argv, [] {
        const char* path = std::getenv("TARLIX_DRAG_PROJECT");
        return !path || writeProjectFile(dragProject().ctx, path);
    });
}
