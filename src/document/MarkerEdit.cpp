#include "document/MarkerEdit.h"

#include "document/EntryCompile.h"
#include "expression/References.h"
#include "expression/eval/NumberText.h"

#include <cstdlib>
#include <utility>

namespace tarlix {

namespace {

constexpr int kMarkerReach = 2; // pixels either side of a marker's column
constexpr int kWrittenDigits = 15;

} // namespace

const CompiledExpression& markerExpression(const Project& p, Marker m) {
    switch (m) {
    case Marker::ValueX:
        return p.valueWindow.x;
    case Marker::LowerLimit:
        return p.integralWindow.bounds.low;
    case Marker::UpperLimit:
        break;
    }
    return p.integralWindow.bounds.high;
}

CompiledExpression& markerExpression(Project& p, Marker m) {
    return const_cast<CompiledExpression&>(markerExpression(std::as_const(p), m));
}

std::optional<Extended> draggableMarkerX(const Project& project, MarkerWindows open,
                                         Marker marker) {
    const bool windowOpen = marker == Marker::ValueX ? open.valueWindow : open.integralWindow;
    const CompiledExpression& e = markerExpression(project, marker);
    if (!windowOpen || !e.marked || !isNumberText(e)) return std::nullopt;
    return readNumber(e.source, project.engine.decimalChar);
}

std::optional<Marker> markerAt(const Document& ctx, MarkerWindows open, int px) {
    for (const Marker m : {Marker::ValueX, Marker::LowerLimit, Marker::UpperLimit}) {
        const std::optional<Extended> x = draggableMarkerX(ctx.project, open, m);
        if (x && std::abs(ctx.view.xAxis.toPixel(*x) - px) <= kMarkerReach) return m;
    }
    return std::nullopt;
}

bool setMarkerX(Document& ctx, Marker marker, Extended x) {
    CompiledExpression& e = markerExpression(ctx.project, marker);
    const std::string text = formatGeneral(x, kWrittenDigits, ctx.project.engine.decimalChar);
    if (e.source == text) return false;
    e.source = text;
    compileWindowTexts(ctx.project, false, ctx.compileEnv());
    ctx.project.modified = true;
    ctx.hooks().redraw();
    return true;
}

} // namespace tarlix
