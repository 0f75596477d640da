#include "render/FillPatterns.h"

#include <array>

namespace tarlix {

namespace {

using Rows = std::array<std::uint8_t, 8>;

constexpr std::array<Rows, fillPatternCount> kPatterns{{
    {0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF}, // solid
    {0xFF, 0x00, 0x00, 0x00, 0xFF, 0x00, 0x00, 0x00}, // horizontal lines
    {0x88, 0x88, 0x88, 0x88, 0x88, 0x88, 0x88, 0x88}, // vertical lines
    {0x01, 0x02, 0x04, 0x08, 0x10, 0x20, 0x40, 0x80}, // rising diagonals
    {0x80, 0x40, 0x20, 0x10, 0x08, 0x04, 0x02, 0x01}, // falling diagonals
    {0xFF, 0x88, 0x88, 0x88, 0xFF, 0x88, 0x88, 0x88}, // cross
    {0x81, 0x42, 0x24, 0x18, 0x18, 0x24, 0x42, 0x81}, // diagonal cross
    {0x88, 0x00, 0x22, 0x00, 0x88, 0x00, 0x22, 0x00}, // dots
}};

} // namespace

BrushPattern fillPatternBits(int pattern) {
    const bool known = pattern >= 1 && pattern <= fillPatternCount;
    BrushPattern bits;
    bits.rows = kPatterns[static_cast<std::size_t>(known ? pattern - 1 : 0)];
    return bits;
}

Brush fillBrush(Color color, int pattern) {
    Brush brush;
    brush.color = color;
    if (color == kWhite) {
        brush.style = BrushStyle::Clear;
        return brush;
    }
    brush.style = BrushStyle::Solid;
    // Solid needs no bitmap; the others fill through their pattern.
    if (pattern >= 2 && pattern <= fillPatternCount) {
        brush.hasPattern = true;
        brush.pattern = fillPatternBits(pattern);
    }
    return brush;
}

} // namespace tarlix
