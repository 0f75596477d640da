#pragma once
// The grid a relation is scanned on: pixel columns and rows -1 .. length + 1 of the view, with
// the world coordinate of each, taken from the view at one output pixel per grid pixel.

#include "expression/Value.h"

#include <vector>

namespace tarlix {

class View;

struct ScanGeometry {
    int xLength = 0;          // the x axis PixelLength
    int yLength = 0;          // the y axis PixelLength
    int scale = 1;            // the view's OutputScale: output pixels per grid pixel
    std::vector<Extended> xs; // world x of columns -1 .. xLength + 1, at index column + 1
    std::vector<Extended> ys; // world y of rows -1 .. yLength + 1, at index row + 1

    int columns() const { return xLength + 3; }
    int rows() const { return yLength + 3; }
    Extended x(int column) const { return xs[static_cast<std::size_t>(column + 1)]; }
    Extended y(int row) const { return ys[static_cast<std::size_t>(row + 1)]; }

    void assign(const View& view);
};

} // namespace tarlix
