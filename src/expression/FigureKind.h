#pragma once
// What a figure is. The project keeps it with each figure and the renderer with each evaluated
// position, where the point function's parts ("P"(n, k)) depend on it.

#include <cstdint>

namespace tarlix {

// Numbered as project and afterimage files store them.
enum class FigureKind : std::uint8_t {
    Empty = 0, // an unused slot, or a position that cannot be drawn
    Point = 1,
    Circle = 2,
    HorizontalLine = 3, // y = the figure's y; its radius is the width of a strip above
    VerticalLine = 4,   // x = the figure's x; its radius is the width of a strip to the right
    Polar = 5,
    Parametric = 6,
};

// Polar and parametric curves, sampled over their own parameter.
constexpr bool isCurveKind(FigureKind kind) {
    return kind == FigureKind::Polar || kind == FigureKind::Parametric;
}
// Horizontal and vertical lines, whose radius is the width of a strip.
constexpr bool isLineKind(FigureKind kind) {
    return kind == FigureKind::HorizontalLine || kind == FigureKind::VerticalLine;
}
// A point and a circle, which stand at one point (x, y).
constexpr bool isPointKind(FigureKind kind) {
    return kind == FigureKind::Point || kind == FigureKind::Circle;
}
// A circle and the lines, which have a radius (the strip's width for a line).
constexpr bool hasRadius(FigureKind kind) {
    return kind == FigureKind::Circle || isLineKind(kind);
}

} // namespace tarlix
