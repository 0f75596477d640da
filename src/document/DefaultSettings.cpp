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

template <typename AxisSettings> void readAxisSettings(const KeyReader& r, AxisSettings& axis) {
    r.boolean("AxesVisible", axis.AxesVisible);
    r.boolean("ScaleVisible", axis.ScaleVisible);
    r.boolean("ValueVisible", axis.ValueVisible);
    r.boolean("GuideVisible", axis.GuideVisible);
    r.integer("Number", axis.Number, limits::validTickNumber);
    r.real("base", axis.base, limits::validBase);
    r.integer("LInterval", axis.LInterval, [](int v) { return v >= limits::kMinLInterval; });
    r.text("SCaption", axis.SCaption);
    r.text("Caption", axis.Caption);
}

// The stored x letter: x or theta; an empty string gives the axis's own letter x.
char readLetter(const KeyReader& r, char current) {
    std::string letter(1, current);
    r.text("Letter", letter);
    if (letter.empty()) return 'x';
    return letter[0] == '@' || letter[0] == 'x' ? letter[0] : current;
}

// The y Number is kept relative to the drawing height it was stored with.
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
        axis.High = high;
        axis.Low = low;
    }
}

template <typename AxisSettings>
void writeAxisSettings(SettingsStore& s, const std::string& key, const AxisSettings& a) {
    s.writeBool(key, "AxesVisible", a.AxesVisible);
    s.writeBool(key, "ScaleVisible", a.ScaleVisible);
    s.writeBool(key, "ValueVisible", a.ValueVisible);
    s.writeBool(key, "GuideVisible", a.GuideVisible);
    s.writeInteger(key, "Number", a.Number);
    s.writeFloat(key, "base", static_cast<double>(a.base));
    s.writeInteger(key, "LInterval", a.LInterval);
    s.writeString(key, "SCaption", a.SCaption);
    s.writeString(key, "Caption", a.Caption);
}

void writeAxis(SettingsStore& s, const std::string& key, const Axis& a) {
    s.writeInteger(key, "VHigh", a.PixelLength);
    s.writeFloat(key, "High", static_cast<double>(a.High));
    s.writeFloat(key, "Low", static_cast<double>(a.Low));
    writeAxisSettings(s, key, a);
}

void readPen(const KeyReader& r, PenDefaults& pen) {
    r.integer("ColorNo1", pen.Color, nonNegative);
    r.integer("Width", pen.Width, positive);
    r.integer("LineStyle", pen.LineStyle, nonNegative);
}

void writePen(SettingsStore& s, const std::string& key, const PenDefaults& pen) {
    s.writeInteger(key, "ColorNo1", static_cast<std::int32_t>(pen.Color));
    s.writeInteger(key, "Width", pen.Width);
    s.writeInteger(key, "LineStyle", pen.LineStyle);
}

void readEngine(const SettingsStore& s, EngineSettings& e) {
    const KeyReader r(s, kFunction);
    r.integer("AngleMode", e.AngleMode, oneOrTwo);
    r.integer("LogMode", e.LogMode, oneOrTwo);
    r.integer("AngleArea", e.AngleArea, any);
    r.integer("CircleMode", e.CircleMode, oneOrTwo);
    r.integer("ThetaMode", e.ThetaMode, oneOrTwo);
    r.boolean("ComplexMode", e.ComplexMode);
    r.boolean("AllowSqrtN", e.AllowSqrtN);
}

void readGraphOptions(const SettingsStore& s, ProjectSettings& p, NewObjectDefaults& o) {
    const KeyReader r(s, kGraph);
    r.boolean("DrawOnDrag", p.DrawOnDrag);
    r.boolean("DrawOnCalc", p.DrawOnCalc);
    r.boolean("ShowSync", p.ShowSync);
    r.integer("ScanWidth", p.ScanWidth, limits::validScanWidth);
    r.integer("DrawMode", p.DrawMode, [](int v) { return v >= 1 && v <= 3; });
    r.integer("AfterImageColorNo", p.AfterImageColorNo, limits::validPaletteNumber);
    r.integer("CapStyle", p.CapStyle, byteValue);
    r.boolean("ShowProperty", o.ShowProperty);
    r.boolean("AimgOfArea", p.AimgOfArea);
}

void readViewOptions(const SettingsStore& s, View& v, ProjectSettings& p) {
    const KeyReader r(s, kScale);
    r.boolean("SquareQ", v.SquareQ);
    r.boolean("AxisOn", v.AxisOn);
    r.integer("PsMesh", v.PsMesh, byteValue);
    r.integer("Letterposition", v.Letterposition, byteValue);
    r.integer("AxisWidth", v.AxisWidth, [](int w) { return w >= 1 && w <= 255; });
    r.integer("ThetaNum", v.ThetaNum, limits::validThetaNum);
    r.integer("AxisType", v.AxisType, byteValue);
    r.integer("FontSize", v.FontSize, [](int f) { return f >= 1 && f <= 255; });
    r.boolean("DegreeFont", p.DegreeFont);
}

void readObjectDefaults(const SettingsStore& s, NewObjectDefaults& o) {
    readPen(KeyReader(s, kDefaultGraph), o.Graph);
    readPen(KeyReader(s, kDefaultSegment), o.Segment);
    const KeyReader f(s, kDefaultFigure);
    f.integer("ColorNo1", o.Figure.PointColor, nonNegative);
    f.integer("Width", o.Figure.PointWidth, positive);
    f.integer("RColorNo1", o.Figure.LineColor, nonNegative);
    f.integer("RWidth", o.Figure.LineWidth, positive);
    f.integer("LineStyle", o.Figure.LineStyle, nonNegative);
    f.integer("Dimension", o.Figure.Dimension, nonNegative);
    const KeyReader m(s, kMarker);
    m.integer("ColorNo1", o.MarkerColorNo, limits::validPaletteNumber);
    m.integer("Size", o.MarkerSize, positive);
}
} // namespace

void ReadDefaults(const SettingsStore& store, DefaultTargets t) {
    const KeyReader area(store, kArea);
    area.boolean("AreaFixed", t.project.AreaFixed);
    area.boolean("AreaRectify", t.view.AreaRectify);

    const KeyReader x(store, kScaleX);
    readAxisSettings(x, t.view.XAxis);
    t.view.XAxis.Letter = readLetter(x, t.view.XAxis.Letter);

    const KeyReader y(store, kScaleY);
    readAxisSettings(y, t.view.YAxis);
    if (const auto n = y.integerValue("Number", limits::validTickNumber))
        t.view.YAxis.Number = rescaledNumber(*n, y, t.view.YAxis.PixelLength);

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
        sx.Letter = readLetter(x, 'x');
        d.x.stored = sx;
        AxisStoredSettings sy;
        readAxisSettings(y, sy);
        if (const auto n = y.integerValue("Number", limits::validTickNumber))
            sy.Number = rescaledNumber(*n, y, currentYPixelLength);
        d.y.stored = sy;
        const int xLength = x.integerValue("VHigh", pixelLength).value_or(sizes.width);
        const int yLength = y.integerValue("VHigh", pixelLength).value_or(sizes.height);
        d.StoredAspect = (d.y.High - d.y.Low) * xLength / yLength / (d.x.High - d.x.Low);
    }
    return d;
}

std::optional<int> preferredDrawingWidth(const SettingsStore& store) {
    return KeyReader(store, kScaleX).integerValue("VHigh", pixelLength);
}

void WriteDefaults(SettingsStore& s, const DefaultTargets& t) {
    s.writeBool(kArea, "AreaFixed", t.project.AreaFixed);
    s.writeBool(kArea, "AreaRectify", t.view.AreaRectify);
    writeAxis(s, kScaleX, t.view.XAxis);
    s.writeString(kScaleX, "Letter", std::string(1, t.view.XAxis.Letter));
    writeAxis(s, kScaleY, t.view.YAxis);

    s.writeBool(kScale, "SquareQ", t.view.SquareQ);
    s.writeBool(kScale, "AxisOn", t.view.AxisOn);
    s.writeInteger(kScale, "PsMesh", t.view.PsMesh);
    s.writeInteger(kScale, "Letterposition", t.view.Letterposition);
    s.writeInteger(kScale, "AxisWidth", t.view.AxisWidth);
    s.writeInteger(kScale, "ThetaNum", t.view.ThetaNum);
    s.writeInteger(kScale, "AxisType", t.view.AxisType);
    s.writeInteger(kScale, "FontSize", t.view.FontSize);
    s.writeBool(kScale, "DegreeFont", t.project.DegreeFont);

    s.writeInteger(kFunction, "AngleMode", t.engine.AngleMode);
    s.writeInteger(kFunction, "LogMode", t.engine.LogMode);
    s.writeInteger(kFunction, "AngleArea", t.engine.AngleArea);
    s.writeInteger(kFunction, "CircleMode", t.engine.CircleMode);
    s.writeInteger(kFunction, "ThetaMode", t.engine.ThetaMode);
    s.writeBool(kFunction, "ComplexMode", t.engine.ComplexMode);
    s.writeBool(kFunction, "AllowSqrtN", t.engine.AllowSqrtN);

    s.writeBool(kGraph, "DrawOnDrag", t.project.DrawOnDrag);
    s.writeBool(kGraph, "DrawOnCalc", t.project.DrawOnCalc);
    s.writeBool(kGraph, "ShowSync", t.project.ShowSync);
    s.writeInteger(kGraph, "ScanWidth", t.project.ScanWidth);
    s.writeInteger(kGraph, "DrawMode", t.project.DrawMode);
    s.writeInteger(kGraph, "AfterImageColorNo", t.project.AfterImageColorNo);
    s.writeInteger(kGraph, "CapStyle", t.project.CapStyle);
    s.writeBool(kGraph, "ShowProperty", t.objects.ShowProperty);
    s.writeBool(kGraph, "AimgOfArea", t.project.AimgOfArea);

    s.writeInteger(kMarker, "ColorNo1", t.objects.MarkerColorNo);
    s.writeInteger(kMarker, "Size", t.objects.MarkerSize);
    writePen(s, kDefaultGraph, t.objects.Graph);
    writePen(s, kDefaultSegment, t.objects.Segment);
    const FigureDefaults& f = t.objects.Figure;
    s.writeInteger(kDefaultFigure, "ColorNo1", static_cast<std::int32_t>(f.PointColor));
    s.writeInteger(kDefaultFigure, "Width", f.PointWidth);
    s.writeInteger(kDefaultFigure, "RColorNo1", static_cast<std::int32_t>(f.LineColor));
    s.writeInteger(kDefaultFigure, "RWidth", f.LineWidth);
    s.writeInteger(kDefaultFigure, "LineStyle", f.LineStyle);
    s.writeInteger(kDefaultFigure, "Dimension", f.Dimension);
    s.flush();
}

void DeleteDefaults(SettingsStore& store) {
    store.deleteKey(kRoot);
    store.flush();
}

void ReadState(const SettingsStore& store, AppState& st) {
    const KeyReader r(store, kState);
    r.boolean("ControlPalette", st.ControlPalette);
    r.boolean("GraphIsLeft", st.GraphIsLeft);
    r.integer("PrintSize", st.PrintSize, [](int v) { return v >= 1 && v <= 100; });
    r.integer("PrintMode", st.PrintMode, nonNegative);
    r.integer("CopyMode", st.CopyMode, nonNegative);
    r.boolean("presentationMode", st.presentationMode);
    r.boolean("VectorOn", st.VectorOn);
    r.integer("BGMode", st.BGMode, nonNegative);
    r.boolean("FunctionArea", st.FunctionArea);
}

void WriteState(SettingsStore& s, const AppState& st) {
    s.writeBool(kState, "ControlPalette", st.ControlPalette);
    s.writeBool(kState, "GraphIsLeft", st.GraphIsLeft);
    s.writeInteger(kState, "PrintSize", st.PrintSize);
    s.writeInteger(kState, "PrintMode", st.PrintMode);
    s.writeInteger(kState, "CopyMode", st.CopyMode);
    s.writeBool(kState, "presentationMode", st.presentationMode);
    s.writeBool(kState, "VectorOn", st.VectorOn);
    s.writeInteger(kState, "BGMode", st.BGMode);
    s.writeBool(kState, "FunctionArea", st.FunctionArea);
    s.flush();
}

} // namespace tarlix
