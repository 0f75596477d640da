#include "document/OptionsForm.h"

#include "expression/eval/NumberText.h"

#include <numbers>

namespace tarlix {

namespace {

constexpr int kAreaDigits = 6;

std::string numberText(Extended v, char decimalChar) {
    return formatGeneral(v, kAreaDigits, decimalChar);
}

AxisOptions axisOptions(const Axis& a, char decimalChar) {
    AxisOptions o;
    o.guideVisible = a.guideVisible;
    o.scaleVisible = a.scaleVisible;
    o.valueVisible = a.valueVisible;
    o.axesVisible = a.axesVisible;
    o.caption = a.caption;
    o.baseText = numberText(a.base, decimalChar);
    o.lowText = numberText(a.low, decimalChar);
    o.highText = numberText(a.high, decimalChar);
    return o;
}

void readPages(OptionsForm& f, const Document& ctx) {
    const View& v = ctx.view;
    const ProjectSettings& s = ctx.project.settings;
    const EngineSettings& e = ctx.project.engine;
    f.widthText = std::to_string(v.xAxis.pixelLength);
    f.heightText = std::to_string(v.yAxis.pixelLength);
    f.areaFixed = s.areaFixed;
    f.areaRectify = v.areaRectify;
    f.x = axisOptions(v.xAxis, e.decimalChar);
    f.y = axisOptions(v.yAxis, e.decimalChar);
    f.degreeFont = s.degreeFont;
    f.thetaIsHorizontal = v.xAxis.letter == '@';
    f.axisType = v.axisType;
    f.gridStyle = v.gridStyle;
    f.axisWidth = v.axisWidth;
    f.tickLabelPlacement = v.tickLabelPlacement;
    f.fontSize = v.fontSize;
    f.showSync = s.showSync;
    f.drawWhileDragging = s.drawWhileDragging;
    f.drawWhileComputing = s.drawWhileComputing;
    f.afterimageFills = s.afterimageFills;
    f.scanWidth = s.scanWidth;
    f.drawMode = s.drawMode;
    f.afterimageColorIndex = s.afterimageColorIndex;
    f.capStyle = s.capStyle;
    f.circleMode = e.circleMode;
    f.complexMode = e.complexMode;
    f.allowSqrtN = e.allowSqrtN;
    f.thetaMode = e.thetaMode;
    f.logMode = e.logMode;
    f.angleMode = e.angleMode;
    f.angleArea = e.angleArea;
}

struct PresetRanges {
    Extended xLow, xHigh, yLow, yHigh;
    Extended xBase, yBase; // 0 leaves the base as it is
    AngleMode angleMode;
    AxisType grid;
};

PresetRanges presetRanges(OptionsPreset preset) {
    constexpr Extended halfPi = std::numbers::pi_v<Extended> / 2;
    switch (preset) {
    case OptionsPreset::HalfPi:
        return {-4, 4, -4, 4, halfPi, 1, AngleMode::Radians, AxisType::Cartesian};
    case OptionsPreset::Degrees:
        return {-100, 380, -4, 4, 90, 1, AngleMode::Degrees, AxisType::Cartesian};
    case OptionsPreset::Polar:
        return {-5, 5, -5, 5, 1, 0, AngleMode::Radians, AxisType::Polar};
    case OptionsPreset::Standard:
        break;
    }
    return {-5, 5, -5, 5, 1, 1, AngleMode::Radians, AxisType::Cartesian};
}

void showEverything(AxisOptions& a) {
    a.guideVisible = a.scaleVisible = a.valueVisible = a.axesVisible = true;
}

} // namespace

OptionsForm readOptions(const Document& ctx, const NewObjectDefaults& objects) {
    OptionsForm f;
    readPages(f, ctx);
    f.showProperty = objects.showProperty;
    return f;
}

void applyPreset(OptionsForm& f, OptionsPreset preset, char decimalChar, MessageBox& messages) {
    const PresetRanges p = presetRanges(preset);
    f.x.lowText = numberText(p.xLow, decimalChar);
    f.x.highText = numberText(p.xHigh, decimalChar);
    f.y.lowText = numberText(p.yLow, decimalChar);
    f.y.highText = numberText(p.yHigh, decimalChar);
    if (p.xBase > 0) f.x.baseText = numberText(p.xBase, decimalChar);
    if (p.yBase > 0) f.y.baseText = numberText(p.yBase, decimalChar);
    chooseAngleUnit(f, p.angleMode, messages);
    showEverything(f.x);
    showEverything(f.y);
    f.axisType = p.grid;
}

bool chooseAngleUnit(OptionsForm& f, AngleMode mode, MessageBox& messages) {
    f.angleMode = mode;
    if (mode != AngleMode::Degrees || !f.complexMode) return true;
    messages.show(kMsgDegreesInComplexMode, MessageKind::Warning, false);
    f.complexMode = false;
    f.allowSqrtN = false;
    return false;
}

bool chooseComplexMode(OptionsForm& f, bool on, MessageBox& messages) {
    f.complexMode = on;
    if (!on) f.allowSqrtN = false;
    if (!on || f.angleMode != AngleMode::Degrees) return true;
    messages.show(kMsgDegreesInComplexMode, MessageKind::Warning, false);
    f.angleMode = AngleMode::Radians;
    return false;
}

void resetAreaPage(OptionsForm& f, char decimalChar) {
    const AxisState initial;
    f.widthText = std::to_string(initial.pixelLength);
    f.heightText = std::to_string(initial.pixelLength);
    for (AxisOptions* a : {&f.x, &f.y}) {
        a->lowText = numberText(initial.low, decimalChar);
        a->highText = numberText(initial.high, decimalChar);
    }
    f.areaRectify = true;
    f.areaFixed = false;
}

void resetScalePage(OptionsForm& f) {
    const OptionsForm initial;
    for (AxisOptions* a : {&f.x, &f.y}) {
        showEverything(*a);
        a->baseText = initial.x.baseText;
    }
    f.x.caption = "x";
    f.y.caption = "y";
    f.degreeFont = initial.degreeFont;
    f.thetaIsHorizontal = initial.thetaIsHorizontal;
    f.axisType = initial.axisType;
    f.gridStyle = initial.gridStyle;
    f.axisWidth = initial.axisWidth;
    f.tickLabelPlacement = initial.tickLabelPlacement;
    f.fontSize = initial.fontSize;
}

void resetDrawingPage(OptionsForm& f) {
    const OptionsForm initial;
    f.showSync = initial.showSync;
    f.drawWhileDragging = initial.drawWhileDragging;
    f.drawWhileComputing = initial.drawWhileComputing;
    f.showProperty = initial.showProperty;
    f.afterimageFills = initial.afterimageFills;
    f.scanWidth = initial.scanWidth;
    f.drawMode = initial.drawMode;
    f.afterimageColorIndex = initial.afterimageColorIndex;
    f.capStyle = initial.capStyle;
}

void resetFunctionPage(OptionsForm& f) {
    const OptionsForm initial;
    f.circleMode = initial.circleMode;
    f.complexMode = initial.complexMode;
    f.allowSqrtN = initial.allowSqrtN;
    f.thetaMode = initial.thetaMode;
    f.logMode = initial.logMode;
    f.angleMode = initial.angleMode;
    f.angleArea = initial.angleArea;
}

} // namespace tarlix
