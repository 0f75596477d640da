#include "document/DefaultSettings.h"

#include "document/FileLimits.h"

#include <cmath>
#include <string>

namespace tarlix {

namespace {
const std::string kRoot = "SOFTWARE\\TARLIX";
const std::string kArea = kRoot + "\\Option\\Area";
const std::string kScaleX = kRoot + "\\Option\\ScaleX";
const std::string kScaleY = kRoot + "\\Option\\ScaleY";
const std::string kScale = kRoot + "\\Option\\Scale";
const std::string kFunction = kRoot + "\\Option\\Function";
const std::string kGraph = kRoot + "\\Option\\Graph";
const std::string kMarker = kRoot + "\\Option\\Marker";
const std::string kDefaultGraph = kRoot + "\\Default\\Graph";
const std::string kDefaultSegment = kRoot + "\\Default\\Segment";
const std::string kDefaultFigure = kRoot + "\\Default\\Figure";
const std::string kState = kRoot + "\\State";

bool any(int) {
    return true;
}
bool oneOrTwo(int v) {
    return v == 1 || v == 2;
}
bool nonNegative(int v) {
    return v >= 0;
}
bool positive(int v) {
    return v > 0;
}
bool byteValue(int v) {
    return v >= 0 && v <= 255;
}
bool pixelLength(int v) {
    return v >= limits::kMinPixelLength && v <= limits::kMaxPixelLength;
}

// Guarded reads of one key: a missing value, one of another kind or one out of range leaves
// the target unchanged.
class KeyReader {
public:
    KeyReader(const SettingsStore& store, std::string key) : store_(store), key_(std::move(key)) {}

    template <typename T>
    void integer(const char* name, T& target, bool (*valid)(int) = any) const {
        const auto v = store_.readInteger(key_, name);
        if (v && valid(*v)) target = static_cast<T>(*v);
    }
    void boolean(const char* name, bool& target) const {
        if (const auto v = store_.readBool(key_, name)) target = *v;
    }
    void real(const char* name, Extended& target, bool (*valid)(Extended)) const {
        const auto v = store_.readFloat(key_, name);
        if (v && std::isfinite(*v) && valid(*v)) target = *v;
    }
    void text(const char* name, std::string& target) const {
        if (const auto v = store_.readString(key_, name)) target = *v;
    }
    std::optional<int> integerValue(const char* name, bool (*valid)(int)) const {
        const auto v = store_.readInteger(key_, name);
        if (v && valid(*v)) return *v;
        return std::nullopt;
    }

private:
    const SettingsStore& store_;
    std::string key_;
};

void readAxisSettings(const KeyReader& r, AxisSettings& axis) {
    r.boolean("AxesVisible", axis.axesVisible);
    r.boolean("ScaleVisible", axis.scaleVisible);
    r.boolean("ValueVisible", axis.valueVisible);
    r.boolean("GuideVisible", axis.guideVisible);
    r.integer("Number", axis.divisions, limits::validTickNumber);
    r.real("base", axis.base, limits::validBase);
    r.integer("LInterval", axis.labelInterval, [](int v) { return v >= limits::kMinLInterval; });
    r.text("SCaption", axis.captionText);
    r.text("Caption", axis.caption);
}

// The stored x letter: x or theta; an empty string gives the axis's own letter x.
char readLetter(const KeyReader& r, char current) {
    std::string letter(1, current);
    r.text("Letter", letter);
    if (letter.empty()) return 'x';
    return letter[0] == '@' || letter[0] == 'x' ? letter[0] : current;
}

// The y divisions is kept relative to the drawing height it was stored with.
int rescaledNumber(int number, const KeyReader& r, int currentLength) {
    const int stored = r.integerValue("VHigh", pixelLength).value_or(currentLength);
    const long scaled = std::lround(static_cast<double>(number) * currentLength / stored);
    return limits::validTickNumber(static_cast<int>(scaled)) ? static_cast<int>(scaled) : number;
}

void readRange(const KeyReader& r, AxisDefaults& axis) {
    Extended high = 5, low = -5;
    r.real("High", high, [](Extended) { return true; });
    r.real("Low", low, [](Extended) { return true; });
    if (limits::validRange(low, high)) {
        axis.high = high;
        axis.low = low;
    }
}

void writeAxisSettings(SettingsStore& s, const std::string& key, const AxisSettings& a) {
    s.writeBool(key, "AxesVisible", a.axesVisible);
    s.writeBool(key, "ScaleVisible", a.scaleVisible);
    s.writeBool(key, "ValueVisible", a.valueVisible);
    s.writeBool(key, "GuideVisible", a.guideVisible);
    s.writeInteger(key, "Number", a.divisions);
    s.writeFloat(key, "base", static_cast<double>(a.base));
    s.writeInteger(key, "LInterval", a.labelInterval);
    s.writeString(key, "SCaption", a.captionText);
    s.writeString(key, "Caption", a.caption);
}

void writeAxis(SettingsStore& s, const std::string& key, const Axis& a) {
    s.writeInteger(key, "VHigh", a.pixelLength);
    s.writeFloat(key, "High", static_cast<double>(a.high));
    s.writeFloat(key, "Low", static_cast<double>(a.low));
    writeAxisSettings(s, key, a);
}

void readPen(const KeyReader& r, PenDefaults& pen) {
    r.integer("ColorNo1", pen.color, nonNegative);
    r.integer("Width", pen.width, positive);
    r.integer("LineStyle", pen.lineStyle, nonNegative);
}

void writePen(SettingsStore& s, const std::string& key, const PenDefaults& pen) {
    s.writeInteger(key, "ColorNo1", static_cast<std::int32_t>(pen.color));
    s.writeInteger(key, "Width", pen.width);
    s.writeInteger(key, "LineStyle", pen.lineStyle);
}

void readEngine(const SettingsStore& s, EngineSettings& e) {
    const KeyReader r(s, kFunction);
    r.integer("AngleMode", e.angleMode, oneOrTwo);
    r.integer("LogMode", e.logMode, oneOrTwo);
    r.integer("AngleArea", e.angleArea, any);
    r.integer("CircleMode", e.circleMode, oneOrTwo);
    r.integer("ThetaMode", e.thetaMode, oneOrTwo);
    r.boolean("ComplexMode", e.complexMode);
    r.boolean("AllowSqrtN", e.allowSqrtN);
}

void readGraphOptions(const SettingsStore& s, ProjectSettings& p, NewObjectDefaults& o) {
    const KeyReader r(s, kGraph);
    r.boolean("DrawOnDrag", p.drawWhileDragging);
    r.boolean("DrawOnCalc", p.drawWhileComputing);
    r.boolean("ShowSync", p.showSync);
    r.integer("ScanWidth", p.scanWidth, limits::validScanWidth);
    r.integer("DrawMode", p.drawMode, [](int v) { return v >= 1 && v <= 3; });
    r.integer("AfterImageColorNo", p.afterimageColorIndex, limits::validPaletteNumber);
    r.integer("CapStyle", p.capStyle, byteValue);
    r.boolean("ShowProperty", o.showProperty);
    r.boolean("AimgOfArea", p.afterimageFills);
}

void readViewOptions(const SettingsStore& s, View& v, ProjectSettings& p) {
    const KeyReader r(s, kScale);
    r.boolean("SquareQ", v.equalScales);
    r.boolean("AxisOn", v.axisOn);
    r.integer("PsMesh", v.gridStyle, byteValue);
    r.integer("Letterposition", v.tickLabelPlacement, byteValue);
    r.integer("AxisWidth", v.axisWidth, [](int w) { return w >= 1 && w <= 255; });
    r.integer("ThetaNum", v.thetaNum, limits::validThetaNum);
    r.integer("AxisType", v.axisType, byteValue);
    r.integer("FontSize", v.fontSize, [](int f) { return f >= 1 && f <= 255; });
    r.boolean("DegreeFont", p.degreeFont);
}

void readObjectDefaults(const SettingsStore& s, NewObjectDefaults& o) {
    readPen(KeyReader(s, kDefaultGraph), o.graph);
    readPen(KeyReader(s, kDefaultSegment), o.segment);
    const KeyReader f(s, kDefaultFigure);
    f.integer("ColorNo1", o.figure.pointColor, nonNegative);
    f.integer("Width", o.figure.pointWidth, positive);
    f.integer("RColorNo1", o.figure.lineColor, nonNegative);
    f.integer("RWidth", o.figure.lineWidth, positive);
    f.integer("LineStyle", o.figure.lineStyle, nonNegative);
    f.integer("Dimension", o.figure.dimension, nonNegative);
    const KeyReader m(s, kMarker);
    m.integer("ColorNo1", o.markerColorIndex, limits::validPaletteNumber);
    m.integer("Size", o.markerSize, positive);
}
} // namespace

void readDefaults(const SettingsStore& store, DefaultTargets t) {
    const KeyReader area(store, kArea);
    area.boolean("AreaFixed", t.project.areaFixed);
    area.boolean("AreaRectify", t.view.areaRectify);

    const KeyReader x(store, kScaleX);
    readAxisSettings(x, t.view.xAxis);
    t.view.xAxis.letter = readLetter(x, t.view.xAxis.letter);

    const KeyReader y(store, kScaleY);
    readAxisSettings(y, t.view.yAxis);
    if (const auto n = y.integerValue("Number", limits::validTickNumber))
        t.view.yAxis.divisions = rescaledNumber(*n, y, t.view.yAxis.pixelLength);

    readViewOptions(store, t.view, t.project);
    readEngine(store, t.engine);
    readGraphOptions(store, t.project, t.objects);
    readObjectDefaults(store, t.objects);
}

ViewDefaults readViewDefaults(const SettingsStore& store, const DrawingSizes& sizes,
                              int currentYPixelLength) {
    ViewDefaults d;
    d.sizes = sizes;
    const KeyReader x(store, kScaleX), y(store, kScaleY);
    readRange(x, d.x);
    readRange(y, d.y);
    if (store.keyExists(kScaleX)) {
        AxisStoredSettings sx;
        readAxisSettings(x, sx);
        sx.letter = readLetter(x, 'x');
        d.x.stored = sx;
        AxisStoredSettings sy;
        readAxisSettings(y, sy);
        if (const auto n = y.integerValue("Number", limits::validTickNumber))
            sy.divisions = rescaledNumber(*n, y, currentYPixelLength);
        d.y.stored = sy;
        const int xLength = x.integerValue("VHigh", pixelLength).value_or(sizes.width);
        const int yLength = y.integerValue("VHigh", pixelLength).value_or(sizes.height);
        d.storedAspect = (d.y.high - d.y.low) * xLength / yLength / (d.x.high - d.x.low);
    }
    return d;
}

std::optional<int> preferredDrawingWidth(const SettingsStore& store) {
    return KeyReader(store, kScaleX).integerValue("VHigh", pixelLength);
}

void writeDefaults(SettingsStore& s, const DefaultTargets& t) {
    s.writeBool(kArea, "AreaFixed", t.project.areaFixed);
    s.writeBool(kArea, "AreaRectify", t.view.areaRectify);
    writeAxis(s, kScaleX, t.view.xAxis);
    s.writeString(kScaleX, "Letter", std::string(1, t.view.xAxis.letter));
    writeAxis(s, kScaleY, t.view.yAxis);

    s.writeBool(kScale, "SquareQ", t.view.equalScales);
    s.writeBool(kScale, "AxisOn", t.view.axisOn);
    s.writeInteger(kScale, "PsMesh", static_cast<int>(t.view.gridStyle));
    s.writeInteger(kScale, "Letterposition", static_cast<int>(t.view.tickLabelPlacement));
    s.writeInteger(kScale, "AxisWidth", t.view.axisWidth);
    s.writeInteger(kScale, "ThetaNum", t.view.thetaNum);
    s.writeInteger(kScale, "AxisType", static_cast<int>(t.view.axisType));
    s.writeInteger(kScale, "FontSize", t.view.fontSize);
    s.writeBool(kScale, "DegreeFont", t.project.degreeFont);

    s.writeInteger(kFunction, "AngleMode", static_cast<int>(t.engine.angleMode));
    s.writeInteger(kFunction, "LogMode", static_cast<int>(t.engine.logMode));
    s.writeInteger(kFunction, "AngleArea", static_cast<int>(t.engine.angleArea));
    s.writeInteger(kFunction, "CircleMode", static_cast<int>(t.engine.circleMode));
    s.writeInteger(kFunction, "ThetaMode", static_cast<int>(t.engine.thetaMode));
    s.writeBool(kFunction, "ComplexMode", t.engine.complexMode);
    s.writeBool(kFunction, "AllowSqrtN", t.engine.allowSqrtN);

    s.writeBool(kGraph, "DrawOnDrag", t.project.drawWhileDragging);
    s.writeBool(kGraph, "DrawOnCalc", t.project.drawWhileComputing);
    s.writeBool(kGraph, "ShowSync", t.project.showSync);
    s.writeInteger(kGraph, "ScanWidth", t.project.scanWidth);
    s.writeInteger(kGraph, "DrawMode", static_cast<int>(t.project.drawMode));
    s.writeInteger(kGraph, "AfterImageColorNo", t.project.afterimageColorIndex);
    s.writeInteger(kGraph, "CapStyle", static_cast<int>(t.project.capStyle));
    s.writeBool(kGraph, "ShowProperty", t.objects.showProperty);
    s.writeBool(kGraph, "AimgOfArea", t.project.afterimageFills);

    s.writeInteger(kMarker, "ColorNo1", t.objects.markerColorIndex);
    s.writeInteger(kMarker, "Size", t.objects.markerSize);
    writePen(s, kDefaultGraph, t.objects.graph);
    writePen(s, kDefaultSegment, t.objects.segment);
    const FigureDefaults& f = t.objects.figure;
    s.writeInteger(kDefaultFigure, "ColorNo1", static_cast<std::int32_t>(f.pointColor));
    s.writeInteger(kDefaultFigure, "Width", f.pointWidth);
    s.writeInteger(kDefaultFigure, "RColorNo1", static_cast<std::int32_t>(f.lineColor));
    s.writeInteger(kDefaultFigure, "RWidth", f.lineWidth);
    s.writeInteger(kDefaultFigure, "LineStyle", f.lineStyle);
    s.writeInteger(kDefaultFigure, "Dimension", static_cast<int>(f.dimension));
    s.flush();
}

void deleteDefaults(SettingsStore& store) {
    store.deleteKey(kRoot);
    store.flush();
}

namespace {
// What copying and printing can take: the graph, either window alone, both side by side, or
// the graph at high resolution in colour or in black and white.
bool isCaptureMode(int v) {
    return (v >= 0 && v <= 3) || v == 10 || v == 11;
}
} // namespace

void readAppState(const SettingsStore& store, AppState& st) {
    const KeyReader r(store, kState);
    r.boolean("ControlPalette", st.controlPalette);
    r.boolean("GraphIsLeft", st.graphIsLeft);
    r.integer("PrintSize", st.printSize, [](int v) { return v >= 0 && v <= 100; });
    r.integer("PrintMode", st.printMode, isCaptureMode);
    r.integer("CopyMode", st.copyMode, isCaptureMode);
    r.boolean("presentationMode", st.presentationMode);
    r.boolean("VectorOn", st.vectorNotation);
    r.integer("BGMode", st.backgroundStretchMode, nonNegative);
    r.boolean("FunctionArea", st.functionArea);
}

void writeAppState(SettingsStore& s, const AppState& st) {
    s.writeBool(kState, "ControlPalette", st.controlPalette);
    s.writeBool(kState, "GraphIsLeft", st.graphIsLeft);
    s.writeInteger(kState, "PrintSize", st.printSize);
    s.writeInteger(kState, "PrintMode", st.printMode);
    s.writeInteger(kState, "CopyMode", st.copyMode);
    s.writeBool(kState, "presentationMode", st.presentationMode);
    s.writeBool(kState, "VectorOn", st.vectorNotation);
    s.writeInteger(kState, "BGMode", st.backgroundStretchMode);
    s.writeBool(kState, "FunctionArea", st.functionArea);
    s.flush();
}

} // namespace tarlix
