#pragma once
// The fill patterns of circles, strips, curve areas and connected figures: the pattern
// buttons of the colour window, numbered 1..8, as brushes of a colour.

#include "platform/Canvas.h"

#include <cstdint>

namespace tarlix {

inline constexpr int fillPatternCount = 8;

// 1 solid, 2 horizontal lines, 3 vertical lines, 4 rising diagonals, 5 falling diagonals,
// 6 cross, 7 diagonal cross, 8 dots; any other number is solid.
BrushPattern fillPatternBits(int pattern);

// The brush that fills with the pattern in the colour, or a clear brush for white.
Brush fillBrush(Color color, int pattern);

} // namespace tarlix
