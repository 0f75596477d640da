#pragma once
// The hatch patterns that fill the region of an inequality: pixels on a pattern are set in the
// pen colour on screen; in vector output each such pixel becomes a short segment (or a dot)
// and the segments are joined into long lines.

#include "platform/Canvas.h"
#include "render/SegmentJoiner.h"
#include "render/relation/RegionBitmap.h"

#include <cstdint>
#include <span>

namespace tarlix {

inline constexpr int hatchPatternCount = 10;

// Whether the grid pixel (x, y) lies on hatch pattern 1..10; pattern 0 marks nothing.
bool onHatchPattern(int pattern, int x, int y);

struct HatchTarget {
    Canvas* main = nullptr;
    Canvas* second = nullptr; // the afterimage canvas
    bool skipMain = false;
    bool drawSecond = false; // the region also goes to the afterimage canvas
    Color mainColor = kBlack;
    Color secondColor = kBlack;
    bool vector = false;
    int scale = 1; // output pixels per grid pixel (vector output)
    LineDrawOptions options;
};

void fillRegion(const HatchTarget& target, int pattern, std::span<const std::uint8_t> groups,
                const RegionBitmap& region, SegmentJoiner& lines);

} // namespace tarlix
