#pragma once
// A relation of total degree at most 2 solved in closed form column by column: with
// f = A y^2 - 2 H y + K (A constant, H linear and K quadratic in x for a conic) the curve is
// drawn from the roots in y, as vertical lines where f depends on x only, or as y = K / (2H)
// with its pole where f is linear in y.

#include "render/PolylineBuffer.h"
#include "render/relation/RelationSampler.h"
#include "render/relation/ScanGeometry.h"

#include <cstdint>
#include <vector>

namespace tarlix {

class View;

// A, H and K for every column -1 .. xLength + 1 (at index column + 1), from f at y = 0, 1, -1.
struct ConicCoefficients {
    std::vector<Extended> A, H, K;
    std::vector<std::uint8_t> defined;

    void sample(RelationSampler& f, const ScanGeometry& grid);
    // Fills the coefficients from values of f at y = 0, 1 and -1 given per column.
    void assign(const std::vector<Value>& at0, const std::vector<Value>& at1,
                const std::vector<Value>& atMinus1);
};

// The roots (in fractional column numbers) of a row that is exactly quadratic in the column
// number, found from its values at three columns.
struct RowRoots {
    int count = 0;
    Extended root[2] = {0, 0};
    bool zeroEverywhere = false;
};
RowRoots rootsOfRow(const std::vector<Extended>& values, const std::vector<std::uint8_t>& defined,
                    int xLength);

// Draws the curve through the buffer, whose canvases and pens are set by the caller.
void drawConic(const ConicCoefficients& conic, const View& view, const ScanGeometry& grid,
               PolylineBuffer& buffer);

} // namespace tarlix
