#include "render/relation/Hatching.h"

#include <algorithm>
#include <cmath>

namespace tarlix {

namespace {

struct PatternStep {
    int cx, cy, o;
};

constexpr PatternStep kSteps[hatchPatternCount + 1] = {
    {0, 0, 0},  {1, 0, 0},  {0, 1, 0}, {1, 1, 0}, {1, 15, 0}, {1, 2, 0},
    {1, 14, 0}, {14, 1, 0}, {2, 1, 0}, {1, 4, 0}, {1, 4, 10}};

struct Segment {
    Point a, b;
};

// The segment of a pattern pixel whose cell spans (X, Y) .. (X + S, Y + S).
Segment hatchSegment(int pattern, int phase, int X, int Y, int S, int h) {
    const bool first = phase == 0;
    switch (pattern) {
    case 1:
        return {{X + h, Y}, {X + h, Y + S}};
    case 2:
        return {{X, Y + h}, {X + S, Y + h}};
    case 3:
        return {{X, Y}, {X + S, Y + S}};
    case 4:
        return {{X, Y + S}, {X + S, Y}};
    case 5:
        return first ? Segment{{X, Y + h}, {X + S, Y + S}} : Segment{{X, Y}, {X + S, Y + h}};
    case 6:
        return first ? Segment{{X, Y + h}, {X + S, Y}} : Segment{{X, Y + S}, {X + S, Y + h}};
    case 7:
        return first ? Segment{{X, Y + S}, {X + h, Y}} : Segment{{X + h, Y + S}, {X + S, Y}};
    default:
        return first ? Segment{{X + h, Y}, {X + S, Y + S}} : Segment{{X, Y}, {X + h, Y + S}};
    }
}

// 0 on the pattern, 1 beside it (patterns 5-10 draw half steps there), -1 nothing.
int vectorPhase(int pattern, int x, int y) {
    const int dy = pattern == 9 ? 2 : 0; // the dots of 9 sit two rows lower in vector output
    if (onHatchPattern(pattern, x, y + dy)) return 0;
    if (pattern < 5) return -1;
    int nx = x, ny = y + dy;
    if (pattern <= 6)
        nx += 1;
    else if (pattern <= 8)
        ny += 1;
    else {
        nx += 2;
        ny += 2;
    }
    return onHatchPattern(pattern, nx, ny) ? 1 : -1;
}

void setPen(Canvas* canvas, Color color, int width) {
    if (!canvas) return;
    Pen pen;
    pen.color = color;
    pen.width = width;
    pen.mode = PenMode::Mask;
    canvas->setPen(pen);
    Brush brush;
    brush.color = color;
    canvas->setBrush(brush);
}

void fillPixels(const HatchTarget& t, int pattern, std::span<const std::uint8_t> groups,
                const RegionBitmap& region) {
    Canvas* main = t.skipMain ? nullptr : t.main;
    Canvas* second = t.drawSecond ? t.second : nullptr;
    for (int y = 0; y < region.rows() - 1; ++y) {
        const std::uint8_t* bits = region.row(y);
        for (int x = 0; x < region.columns() - 1; ++x) {
            if (!inRegion(bits[x + 1], groups) || !onHatchPattern(pattern, x, y)) continue;
            if (main) main->setPixel(x, y, t.mainColor);
            if (second) second->setPixel(x, y, t.secondColor);
        }
    }
}

void fillVector(const HatchTarget& t, int pattern, std::span<const std::uint8_t> groups,
                const RegionBitmap& region, SegmentJoiner& lines) {
    const int S = std::max(1, t.scale), h = S / 2;
    const int width = pattern <= 4 ? h : pattern <= 8 ? h / 2 : 0;
    setPen(t.skipMain ? nullptr : t.main, t.mainColor, width);
    setPen(t.drawSecond ? t.second : nullptr, t.secondColor, width);
    const bool dots = pattern >= 9;
    Canvas* dotCanvas = !t.skipMain ? t.main : (t.drawSecond ? t.second : nullptr);
    const int radius = static_cast<int>(std::lround(3.0 * h / 4));
    lines.reset(t.main, t.second, true, t.skipMain, t.drawSecond, t.options);
    for (int y = -1; y < region.rows() - 1; ++y) {
        const std::uint8_t* bits = region.row(y);
        const int Y = y * S - h;
        for (int x = -1; x < region.columns() - 1; ++x) {
            if (!inRegion(bits[x + 1], groups)) continue;
            const int phase = vectorPhase(pattern, x, y);
            if (phase < 0) continue;
            const int X = x * S - h;
            if (dots) {
                if (!dotCanvas) continue;
                const int cy = phase == 0 ? Y + h / 2 : Y - h / 2;
                dotCanvas->ellipse(Rect{X - radius, cy - radius, X + radius, cy + radius});
            } else {
                const Segment s = hatchSegment(pattern, phase, X, Y, S, h);
                lines.addSegment(s.a, s.b);
            }
        }
        lines.flushAbove(Y - S);
    }
    lines.finish();
}

} // namespace

bool onHatchPattern(int pattern, int x, int y) {
    if (pattern < 1 || pattern > hatchPatternCount) return false;
    const PatternStep& p = kSteps[pattern];
    const int v = x * p.cx + p.o - y * p.cy;
    return ((v % 16) + 16) % 16 == 0;
}

void fillRegion(const HatchTarget& target, int pattern, std::span<const std::uint8_t> groups,
                const RegionBitmap& region, SegmentJoiner& lines) {
    if (pattern < 1 || pattern > hatchPatternCount || groups.empty()) return;
    if (target.vector)
        fillVector(target, pattern, groups, region, lines);
    else
        fillPixels(target, pattern, groups, region);
}

} // namespace tarlix
