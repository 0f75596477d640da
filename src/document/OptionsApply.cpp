// What the options dialog's OK does: the checks that keep it open, then one undo step that
// applies every page.

#include "document/Calculator.h"
#include "document/OptionsForm.h"
#include "expression/eval/NumberText.h"

#include <charconv>
#include <optional>

namespace tarlix {

namespace {

struct CheckedValues {
    Extended xBase = 1, yBase = 1;
    int width = 0, height = 0;
    Extended xLow = 0, xHigh = 0, yLow = 0, yHigh = 0;
};

// A base is a number or an expression with a positive real value.
std::optional<Extended> baseValue(Document& ctx, const std::string& text) {
    if (auto n = readNumber(text, ctx.project.engine.decimalChar)) {
        if (*n > 0) return n;
    } else if (auto v = calculate(ctx, text)) {
        if (v->valid && v->kind == ValueKind::Real && v->x > 0) return v->x;
    } else {
        return std::nullopt; // the compiler has told why
    }
    ctx.messages.show(kInvalidNumber, MessageKind::Error, false);
    return std::nullopt;
}

std::optional<int> drawingSize(const std::string& text) {
    int n = 0;
    const char* end = text.data() + text.size();
    const auto [rest, error] = std::from_chars(text.data(), end, n);
    if (error != std::errc() || rest != end || n < kMinDrawingSize || n > kMaxDrawingSize)
        return std::nullopt;
    return n;
}

bool checkArea(const OptionsForm& f, char decimalChar, CheckedValues& out) {
    const auto xl = readNumber(f.x.lowText, decimalChar),
               xh = readNumber(f.x.highText, decimalChar);
    const auto yl = readNumber(f.y.lowText, decimalChar),
               yh = readNumber(f.y.highText, decimalChar);
    if (!xl || !xh || !yl || !yh || !(*xl < *xh) || !(*yl < *yh)) return false;
    out.xLow = *xl;
    out.xHigh = *xh;
    out.yLow = *yl;
    out.yHigh = *yh;
    return true;
}

std::optional<CheckedValues> check(Document& ctx, const OptionsForm& f) {
    CheckedValues v;
    const auto xBase = baseValue(ctx, f.x.baseText);
    if (!xBase) return std::nullopt;
    const auto yBase = baseValue(ctx, f.y.baseText);
    if (!yBase) return std::nullopt;
    v.xBase = *xBase;
    v.yBase = *yBase;
    const auto width = drawingSize(f.widthText), height = drawingSize(f.heightText);
    if (!width || !height) {
        ctx.messages.show(kMsgDrawingSize, MessageKind::Error, false);
        return std::nullopt;
    }
    v.width = *width;
    v.height = *height;
    if (!checkArea(f, ctx.project.engine.decimalChar, v)) {
        ctx.messages.show(kMsgInvalidArea, MessageKind::Error, false);
        return std::nullopt;
    }
    return v;
}

void applyAxis(Axis& a, const AxisOptions& o, Extended base) {
    a.guideVisible = o.guideVisible;
    a.scaleVisible = o.scaleVisible;
    a.valueVisible = o.valueVisible;
    a.axesVisible = o.axesVisible;
    a.caption = o.caption;
    a.recomputeCaptionText();
    a.base = base;
}

void applyScalePage(View& v, ProjectSettings& s, const OptionsForm& f, const CheckedValues& c) {
    applyAxis(v.xAxis, f.x, c.xBase);
    applyAxis(v.yAxis, f.y, c.yBase);
    v.xAxis.letter = f.thetaIsHorizontal ? '@' : 'x';
    s.degreeFont = f.degreeFont;
    v.axisType = f.axisType;
    v.gridStyle = f.gridStyle;
    v.axisWidth = static_cast<std::uint8_t>(f.axisWidth);
    v.tickLabelPlacement = f.tickLabelPlacement;
    v.fontSize = static_cast<std::uint8_t>(f.fontSize);
}

void applyDrawingPage(ProjectSettings& s, const OptionsForm& f) {
    s.showSync = f.showSync;
    s.drawWhileDragging = f.drawWhileDragging;
    s.drawWhileComputing = f.drawWhileComputing;
    s.afterimageFills = f.afterimageFills;
    s.scanWidth = static_cast<std::uint8_t>(f.scanWidth);
    s.drawMode = f.drawMode;
    s.afterimageColorIndex = static_cast<std::uint8_t>(f.afterimageColorIndex);
    s.capStyle = f.capStyle;
}

void applyFunctionPage(EngineSettings& e, const OptionsForm& f) {
    e.circleMode = f.circleMode;
    e.complexMode = f.complexMode;
    e.allowSqrtN = f.complexMode && f.allowSqrtN;
    e.thetaMode = f.thetaMode;
    e.logMode = f.logMode;
    e.angleMode = f.angleMode;
    e.angleArea = f.angleArea;
}

// The settings the compiled code depends on: the language's modes and the horizontal letter.
bool compiledDiffers(const OptionsForm& a, const OptionsForm& b) {
    return a.circleMode != b.circleMode || a.complexMode != b.complexMode ||
           a.allowSqrtN != b.allowSqrtN || a.thetaMode != b.thetaMode || a.logMode != b.logMode ||
           a.angleMode != b.angleMode || a.angleArea != b.angleArea ||
           a.thetaIsHorizontal != b.thetaIsHorizontal;
}

} // namespace

bool confirmOptions(Document& ctx, NewObjectDefaults& objects, const OptionsForm& form) {
    const std::optional<CheckedValues> checked = check(ctx, form);
    if (!checked) return false;
    // The property switch belongs to the program, not to the project: it is no undo step.
    objects.showProperty = form.showProperty;
    const OptionsForm before = readOptions(ctx, objects);
    // Nothing else edited: no undo step, and the project stays unmodified.
    if (form == before) return true;
    ctx.recordUndo();
    View& v = ctx.view;
    v.areaRectify = form.areaRectify;
    ctx.project.settings.areaFixed = form.areaFixed;
    applyScalePage(v, ctx.project.settings, form, *checked);
    applyDrawingPage(ctx.project.settings, form);
    applyFunctionPage(ctx.project.engine, form);
    if (compiledDiffers(form, before)) compileAll(ctx, false);
    v.xAxis.pixelLength = checked->width;
    v.yAxis.pixelLength = checked->height;
    // One redraw at the end draws everything; the view's own would draw it twice.
    ViewHooks* viewHooks = v.setHooks(nullptr);
    v.setView(checked->xLow, checked->xHigh, checked->yLow, checked->yHigh);
    v.setHooks(viewHooks);
    v.redrawState().markEverything();
    ctx.project.modified = true;
    ctx.hooks().allCategoriesChanged();
    ctx.hooks().redraw();
    return true;
}

} // namespace tarlix
