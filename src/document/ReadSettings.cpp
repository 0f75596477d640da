// Reading the project-wide settings, both axes and the view settings.

#include "document/FileLimits.h"
#include "document/ReadSteps.h"

#include <algorithm>
#include <cmath>

namespace tarlix {

namespace {

int readMode(ProjectInput& in, int fallback) {
    return readInRange(in, fallback, 1, 2);
}

void readAxisTicks(ProjectInput& in, AxisFileState& a) {
    in.skip();
    a.Number = readInRange(in, a.Number, limits::kMinTickNumber, limits::kMaxTickNumber);
    const Extended base = in.readFloat(a.base);
    if (limits::validBase(base)) a.base = base;
    a.LInterval = readInRange(in, a.LInterval, limits::kMinLInterval, 1000000);
    in.next();
    in.skip();
    const Extended high = in.readFloat(a.High);
    const Extended low = in.readFloat(a.Low);
    if (limits::validRange(low, high) && std::isfinite(high - low)) {
        a.High = high;
        a.Low = low;
    }
    in.next();
    in.skipPast();
}

void readAxisPixels(ProjectInput& in, AxisFileState& a) {
    in.skip();
    in.skip();
    a.PixelStart = readInRange(in, a.PixelStart, 0, limits::kMaxPixelLength);
    a.PixelLength = in.readInt(a.PixelLength);
    a.Caption = in.text();
}

// Lengths beyond the largest drawing are scaled down together; lengths that stay outside the
// range leave both axes as they were.
void checkPixelLengths(AxisFileState& x, AxisFileState& y, int previousX, int previousY) {
    const int longest = std::max(x.PixelLength, y.PixelLength);
    if (longest > limits::kMaxPixelLength) {
        const long double k = static_cast<long double>(limits::kMaxPixelLength) / longest;
        x.PixelLength = static_cast<int>(std::lround(x.PixelLength * k));
        y.PixelLength = static_cast<int>(std::lround(y.PixelLength * k));
    }
    if (std::min(x.PixelLength, y.PixelLength) < limits::kMinPixelLength) {
        x.PixelLength = previousX;
        y.PixelLength = previousY;
    }
}

} // namespace

void readSettings(ReadState& s) {
    ProjectInput& in = s.in;
    ProjectSettings& ps = s.p.Settings;
    EngineSettings& e = s.p.Engine;
    e.ThetaMode = 2;
    e.LogMode = 1;
    ps.ScanWidth = 4;
    ps.CapStyle = 0;
    ps.DrawOnDrag = false;
    ps.DrawOnCalc = true;
    e.ComplexMode = false;
    e.AllowSqrtN = false;
    ps.AimgOfArea = false;
    in.skip();
    e.AngleMode = readMode(in, e.AngleMode);
    const std::int32_t scan = in.readInt(ps.ScanWidth);
    if (limits::validScanWidth(scan)) ps.ScanWidth = static_cast<std::uint8_t>(scan);
    e.LogMode = readMode(in, e.LogMode);
    e.ThetaMode = readMode(in, e.ThetaMode);
    e.AngleArea = readMode(in, e.AngleArea);
    ps.CapStyle = readByte(in, ps.CapStyle, 0, 1);
    ps.DrawOnDrag = in.readBool(ps.DrawOnDrag);
    ps.DrawOnCalc = in.readBool(ps.DrawOnCalc);
    e.ComplexMode = in.readBool(e.ComplexMode);
    e.AllowSqrtN = in.readBool(e.AllowSqrtN);
    ps.AimgOfArea = in.readBool(ps.AimgOfArea);
    in.next();
    in.skip();
    ps.ShowSync = true;
    ps.DrawMode = readByte(in, ps.DrawMode);
    ps.ShowSync = in.readBool(ps.ShowSync);
    in.next();
    in.skip();
    ps.CanAImg = true;
    ps.AfterImageColorNo = readByte(in, ps.AfterImageColorNo, 0, limits::kMaxPaletteNumber);
    ps.CanAImg = in.readBool(ps.CanAImg);
    in.next();
    in.skip();
    e.CircleMode = readMode(in, e.CircleMode);
    in.next();
    in.skipPast();
}

void readAxes(ReadState& s) {
    ProjectInput& in = s.in;
    AxisFileState& x = s.view.X;
    AxisFileState& y = s.view.Y;
    const int previousX = x.PixelLength;
    const int previousY = y.PixelLength;

    readAxisPixels(in, x);
    if (!in.from("2.1") && x.Caption.empty()) x.Caption = "x";
    if (in.from("2.1")) {
        char letter = x.Letter;
        in.list.ReadChar(letter);
        if (letter == 'x' || letter == '@') x.Letter = letter;
        in.next();
    }
    in.skip();
    s.p.Settings.DegreeFont = false;
    x.AxesVisible = in.readBool(x.AxesVisible);
    x.ScaleVisible = in.readBool(x.ScaleVisible);
    x.ValueVisible = in.readBool(x.ValueVisible);
    s.p.Settings.DegreeFont = in.readBool(false);
    x.GuideVisible = in.readBool(x.GuideVisible);
    in.next();
    readAxisTicks(in, x);

    readAxisPixels(in, y);
    y.Caption = trimmed(y.Caption);
    if (!in.from("2.1") && y.Caption.empty()) y.Caption = "y";
    in.skip();
    y.AxesVisible = in.readBool(y.AxesVisible);
    y.ScaleVisible = in.readBool(y.ScaleVisible);
    y.ValueVisible = in.readBool(y.ValueVisible);
    y.GuideVisible = in.readBool(y.GuideVisible);
    in.next();
    readAxisTicks(in, y);
    checkPixelLengths(x, y, previousX, previousY);
}

void readViewSettings(ReadState& s) {
    ProjectInput& in = s.in;
    ViewFileState& v = s.view;
    ProjectSettings& ps = s.p.Settings;
    in.skip();
    in.skip();
    v.AxisOn = false;
    v.SquareQ = in.readBool(v.SquareQ);
    v.AreaRectify = in.readBool(v.AreaRectify);
    v.PsMesh = readByte(in, v.PsMesh, 0, 3);
    v.AxisWidth = readByte(in, v.AxisWidth, 1, 3);
    v.FontSize = readByte(in, v.FontSize, 1, 255);
    v.AxisOn = in.readBool(v.AxisOn);
    v.Letterposition = readByte(in, v.Letterposition);
    ps.ShowCoordinates = in.readBool(ps.ShowCoordinates);
    ps.ShowEquation = in.readBool(ps.ShowEquation);
    v.AxisType = readByte(in, 0);
    const std::int32_t thetaNum = in.readInt(12);
    v.ThetaNum = limits::validThetaNum(thetaNum) ? thetaNum : 12;
    ps.AreaFixed = in.readBool(false);
    in.next();
    in.skipPast();
}

} // namespace tarlix
