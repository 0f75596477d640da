#include "document/WindowSettingsEdit.h"

#include "document/EntryCompile.h"
#include "document/FileLimits.h"

namespace tarlix {

namespace {

void changed(Document& ctx) {
    ctx.project.modified = true;
    ctx.hooks().redraw();
}

} // namespace

void setMarkerText(Document& ctx, Marker marker, const std::string& text) {
    CompiledExpression& e = markerExpression(ctx.project, marker);
    e.source = text;
    compileText(e, kModePlain, true, ctx.compileEnv());
    changed(ctx);
}

void setValueRowText(Document& ctx, int row, const std::string& text) {
    if (!ValueWindowState{}.valueFunctions.contains(row)) return;
    CompiledExpression& e = ctx.project.valueWindow.valueFunctions[row];
    e.source = text;
    compileText(e, kModeExplicit, true, ctx.compileEnv());
    changed(ctx);
}

void toggleMarkerShown(Document& ctx, Marker marker) {
    CompiledExpression& e = markerExpression(ctx.project, marker);
    e.marked = e.marked ? 0 : 1;
    changed(ctx);
}

void setIntegratedFunction(Document& ctx, int k) {
    if (k < 0 || k > kExplicitFunctions) return;
    ctx.project.integralWindow.integratedFunction = k;
    changed(ctx);
}

void setSubtractedFunction(Document& ctx, int k) {
    if (k < 0 || k > kExplicitFunctions) return;
    ctx.project.integralWindow.secondFunction = k;
    changed(ctx);
}

void setIntegralAreaMode(Document& ctx, bool areaMode) {
    ctx.project.integralWindow.areaMode = areaMode;
    changed(ctx);
}

bool setIntegralPartitions(Document& ctx, int n) {
    if (!limits::validIntegralPartitions(n)) return false;
    ctx.project.engine.integralPartitions = n;
    changed(ctx);
    return true;
}

} // namespace tarlix
