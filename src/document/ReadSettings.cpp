// Reading the project-wide settings, both axes and the view settings.

#include "document/FileLimits.h"
#include "document/ReadSteps.h"

#include <algorithm>
#include <cmath>

namespace tarlix {

namespace {

template <typename Mode> Mode readMode(ProjectInput& in, Mode fallback) {
    return readKind(in, fallback, static_cast<Mode>(1), static_cast<Mode>(2));
}

void readAxisTicks(ProjectInput& in, AxisState& a) {
    in.skip();
    a.divisions = readInRange(in, a.divisions, limits::kMinTickNumber, limits::kMaxTickNumber);
    const Extended base = in.readFloat(a.base);
    if (limits::validBase(base)) a.base = base;
    a.labelInterval = readInRange(in, a.labelInterval, limits::kMinLInterval, 1000000);
    in.next();
    in.skip();
    const Extended high = in.readFloat(a.high);
    const Extended low = in.readFloat(a.low);
    if (limits::validRange(low, high) && std::isfinite(high - low)) {
        a.high = high;
        a.low = low;
    }
    in.next();
    in.skipPast();
}

void readAxisPixels(ProjectInput& in, AxisState& a) {
    in.skip();
    in.skip();
    a.pixelStart = readInRange(in, a.pixelStart, 0, limits::kMaxPixelLength);
    a.pixelLength = in.readInt(a.pixelLength);
    a.caption = in.text();
}

// Lengths beyond the largest drawing are scaled down together; lengths that stay outside the
// range leave both axes as they were.
void checkPixelLengths(AxisState& x, AxisState& y, int previousX, int previousY) {
    const int longest = std::max(x.pixelLength, y.pixelLength);
    if (longest > limits::kMaxPixelLength) {
        const long double k = static_cast<long double>(limits::kMaxPixelLength) / longest;
        x.pixelLength = static_cast<int>(std::lround(x.pixelLength * k));
        y.pixelLength = static_cast<int>(std::lround(y.pixelLength * k));
    }
    if (std::min(x.pixelLength, y.pixelLength) < limits::kMinPixelLength) {
        x.pixelLength = previousX;
        y.pixelLength = previousY;
    }
}

} // namespace

void readSettings(ReadState& s) {
    ProjectInput& in = s.in;
    ProjectSettings& ps = s.p.settings;
    EngineSettings& e = s.p.engine;
    e.thetaMode = ThetaMode::Parameter;
    e.logMode = LogMode::Common;
    ps.scanWidth = 4;
    ps.capStyle = LineEnds::Round;
    ps.drawWhileDragging = false;
    ps.drawWhileComputing = true;
    e.complexMode = false;
    e.allowSqrtN = false;
    ps.afterimageFills = false;
    in.skip();
    e.angleMode = readMode(in, e.angleMode);
    const std::int32_t scan = in.readInt(ps.scanWidth);
    if (limits::validScanWidth(scan)) ps.scanWidth = static_cast<std::uint8_t>(scan);
    e.logMode = readMode(in, e.logMode);
    e.thetaMode = readMode(in, e.thetaMode);
    e.angleArea = readMode(in, e.angleArea);
    ps.capStyle = readKind(in, ps.capStyle, LineEnds::Round, LineEnds::Flat);
    ps.drawWhileDragging = in.readBool(ps.drawWhileDragging);
    ps.drawWhileComputing = in.readBool(ps.drawWhileComputing);
    e.complexMode = in.readBool(e.complexMode);
    e.allowSqrtN = in.readBool(e.allowSqrtN);
    ps.afterimageFills = in.readBool(ps.afterimageFills);
    in.next();
    in.skip();
    ps.showSync = true;
    ps.drawMode =
        static_cast<FunctionDrawMode>(readByte(in, static_cast<std::uint8_t>(ps.drawMode)));
    ps.showSync = in.readBool(ps.showSync);
    in.next();
    in.skip();
    ps.afterimagesOn = true;
    ps.afterimageColorIndex = readByte(in, ps.afterimageColorIndex, 0, limits::kMaxPaletteNumber);
    ps.afterimagesOn = in.readBool(ps.afterimagesOn);
    in.next();
    in.skip();
    e.circleMode = readMode(in, e.circleMode);
    in.next();
    in.skipPast();
}

void readAxes(ReadState& s) {
    ProjectInput& in = s.in;
    AxisState& x = s.view.x;
    AxisState& y = s.view.y;
    const int previousX = x.pixelLength;
    const int previousY = y.pixelLength;

    readAxisPixels(in, x);
    if (!in.from("2.1") && x.caption.empty()) x.caption = "x";
    if (in.from("2.1")) {
        char letter = x.letter;
        in.list.readChar(letter);
        if (letter == 'x' || letter == '@') x.letter = letter;
        in.next();
    }
    in.skip();
    s.p.settings.degreeFont = false;
    x.axesVisible = in.readBool(x.axesVisible);
    x.scaleVisible = in.readBool(x.scaleVisible);
    x.valueVisible = in.readBool(x.valueVisible);
    s.p.settings.degreeFont = in.readBool(false);
    x.guideVisible = in.readBool(x.guideVisible);
    in.next();
    readAxisTicks(in, x);

    readAxisPixels(in, y);
    y.caption = trimmed(y.caption);
    if (!in.from("2.1") && y.caption.empty()) y.caption = "y";
    in.skip();
    y.axesVisible = in.readBool(y.axesVisible);
    y.scaleVisible = in.readBool(y.scaleVisible);
    y.valueVisible = in.readBool(y.valueVisible);
    y.guideVisible = in.readBool(y.guideVisible);
    in.next();
    readAxisTicks(in, y);
    checkPixelLengths(x, y, previousX, previousY);
}

void readViewSettings(ReadState& s) {
    ProjectInput& in = s.in;
    ViewFileState& v = s.view;
    ProjectSettings& ps = s.p.settings;
    in.skip();
    in.skip();
    v.axisOn = false;
    v.equalScales = in.readBool(v.equalScales);
    v.areaRectify = in.readBool(v.areaRectify);
    v.gridStyle = readKind(in, v.gridStyle, GridStyle::Lines, GridStyle::DarkLines);
    v.axisWidth = readByte(in, v.axisWidth, 1, 3);
    v.fontSize = readByte(in, v.fontSize, 1, 255);
    v.axisOn = in.readBool(v.axisOn);
    v.tickLabelPlacement = static_cast<TickLabelPlacement>(
        readByte(in, static_cast<std::uint8_t>(v.tickLabelPlacement)));
    ps.showCoordinates = in.readBool(ps.showCoordinates);
    ps.showEquation = in.readBool(ps.showEquation);
    v.axisType = static_cast<AxisType>(readByte(in, 0));
    const std::int32_t thetaNum = in.readInt(12);
    v.thetaNum = limits::validThetaNum(thetaNum) ? thetaNum : 12;
    ps.areaFixed = in.readBool(false);
    in.next();
    in.skipPast();
}

} // namespace tarlix
