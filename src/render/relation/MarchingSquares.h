#pragma once
// The zero set of f through one pixel cell of the scan, from the signs and values at its four
// corners. Each cell edge lying wholly on the zero set is drawn by one cell only: the left and
// top edges of a cell are the right and bottom edges of its neighbours.

#include "expression/Value.h"
#include "platform/Canvas.h"

#include <array>
#include <cstdint>
#include <utility>

namespace tarlix {

// Corners: 0 (c-1, r) bottom left, 1 (c, r) bottom right, 2 (c-1, r-1) top left, 3 (c, r-1)
// top right. Two corners share an edge when their numbers differ in one bit.
struct ScanCell {
    int c = 0;
    int r = 0;
    int scale = 1; // output pixels per grid pixel
    std::array<std::int8_t, 4> sign{};
    std::array<Extended, 4> value{};
};

struct CellSegments {
    int count = 0;
    std::array<std::pair<Point, Point>, 2> segment{};
    void add(Point a, Point b) { segment[static_cast<std::size_t>(count++)] = {a, b}; }
};

CellSegments traceCell(const ScanCell& cell);

// The output pixel of a corner.
Point cornerPixel(const ScanCell& cell, int corner);

// The crossing on the edge of two adjacent corners of opposite signs. It is measured from the
// lower-numbered corner so that the two cells sharing the edge find the same point.
Point edgeCrossing(const ScanCell& cell, int i, int j);

} // namespace tarlix
