#pragma once
// The ranges a value read from a project file or the settings store must lie in before the
// program uses it. A value outside its range is malformed: the field keeps the value it had.

#include "expression/Value.h"

#include <cstddef>
#include <cstdint>

namespace tarlix::limits {

inline constexpr int kMinPixelLength = 150; // longer axes are scaled down keeping the ratio
inline constexpr int kMaxPixelLength = 1400;
inline constexpr int kMinTickNumber = 0;
inline constexpr int kMaxTickNumber = 40;
inline constexpr int kMinLInterval = 1;
inline constexpr int kMinIntegralPartitions = 2; // and even
inline constexpr int kMaxIntegralPartitions = 200;
inline constexpr int kMaxPaletteNumber = 15;
inline constexpr int kMaxPosition = 255;
// Far above any real project; a longer file is refused before it is read.
inline constexpr std::size_t kMaxProjectFileBytes = std::size_t{64} << 20;

inline bool validScanWidth(int w) {
    return w == 1 || w == 2 || w == 4 || w == 8;
}
inline bool validThetaNum(int n) {
    for (int d : {1, 2, 3, 4, 5, 6, 8, 9, 12, 18, 24, 30, 36, 72})
        if (n == d) return true;
    return false;
}
inline bool validIntegralPartitions(int n) {
    return n >= kMinIntegralPartitions && n <= kMaxIntegralPartitions && n % 2 == 0;
}
inline bool validTickNumber(int n) {
    return n >= kMinTickNumber && n <= kMaxTickNumber;
}
inline bool validPaletteNumber(int n) {
    return n >= 0 && n <= kMaxPaletteNumber;
}
inline bool validPosition(int p) {
    return p >= 0 && p <= kMaxPosition;
}
// Figures 1..22, the x and y axes (250, 251), figure 22 as files write it (252), or 0.
inline bool validVertexNumber(int v) {
    return (v >= 0 && v <= 22) || v == 250 || v == 251 || v == 252;
}
// A function number of the integral window: 1..20, or 0 (none) where allowed.
inline bool validFunctionNumber(int n, bool noneAllowed) {
    return (noneAllowed && n == 0) || (n >= 1 && n <= 20);
}
inline bool validBase(Extended base) {
    return base > 0;
}
inline bool validRange(Extended low, Extended high) {
    return high > low;
}

} // namespace tarlix::limits
