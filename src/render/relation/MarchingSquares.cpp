#include "render/relation/MarchingSquares.h"

#include <algorithm>
#include <cmath>

namespace tarlix {

namespace {

constexpr int kBottomLeft = 0;
constexpr int kBottomRight = 1;
constexpr int kTopLeft = 2;
constexpr int kTopRight = 3;

bool adjacent(int i, int j) {
    return (i ^ j) == 1 || (i ^ j) == 2;
}

// The left and top edges are drawn by the neighbouring cells.
bool ownedByNeighbour(int i, int j) {
    const int lo = std::min(i, j), hi = std::max(i, j);
    return (lo == kBottomLeft && hi == kTopLeft) || (lo == kTopLeft && hi == kTopRight);
}

Extended magnitude(const ScanCell& cell, int i) {
    return std::fabs(cell.value[std::size_t(i)]);
}

// The edges (as corner pairs) whose corners have opposite non-zero signs.
int signChanges(const ScanCell& cell, std::array<std::pair<int, int>, 4>& edges) {
    static constexpr std::pair<int, int> all[4] = {{kBottomLeft, kBottomRight},
                                                   {kBottomRight, kTopRight},
                                                   {kTopLeft, kTopRight},
                                                   {kBottomLeft, kTopLeft}};
    int n = 0;
    for (const auto& [i, j] : all)
        if (cell.sign[std::size_t(i)] * cell.sign[std::size_t(j)] == -1)
            edges[std::size_t(n++)] = {i, j};
    return n;
}

void traceNoZero(const ScanCell& cell, CellSegments& out) {
    std::array<std::pair<int, int>, 4> edges{};
    const int n = signChanges(cell, edges);
    if (n == 2) {
        out.add(edgeCrossing(cell, edges[0].first, edges[0].second),
                edgeCrossing(cell, edges[1].first, edges[1].second));
        return;
    }
    if (n != 4) return;
    // A saddle: cut off the two corners of the diagonal whose product is the larger.
    const bool cutMain =
        std::fabs(cell.value[0] * cell.value[3]) >= std::fabs(cell.value[1] * cell.value[2]);
    for (int k : cutMain ? std::array<int, 2>{kBottomLeft, kTopRight}
                         : std::array<int, 2>{kBottomRight, kTopLeft})
        out.add(edgeCrossing(cell, k, k ^ 1), edgeCrossing(cell, k, k ^ 2));
}

void traceOneZero(const ScanCell& cell, int z, CellSegments& out) {
    const int a1 = z ^ 1, a2 = z ^ 2, d = z ^ 3;
    const auto s = [&](int i) { return cell.sign[std::size_t(i)]; };
    if (s(a1) == s(a2) && s(a2) == s(d)) {
        int largest = a1, smallest = a1;
        for (int i : {a2, d}) {
            if (magnitude(cell, i) > magnitude(cell, largest)) largest = i;
            if (magnitude(cell, i) < magnitude(cell, smallest)) smallest = i;
        }
        if (largest != d) out.add(cornerPixel(cell, z), cornerPixel(cell, smallest));
        return;
    }
    const bool first = s(a1) != s(d), second = s(a2) != s(d);
    if (first && second) {
        // The contour only touches the zero corner and crosses the cell past the far corner.
        out.add(edgeCrossing(cell, a1, d), edgeCrossing(cell, a2, d));
    } else {
        const int from = first ? a1 : a2;
        out.add(cornerPixel(cell, z), edgeCrossing(cell, from, d));
    }
}

void traceTwoZeros(const ScanCell& cell, int z1, int z2, CellSegments& out) {
    if (!ownedByNeighbour(z1, z2)) out.add(cornerPixel(cell, z1), cornerPixel(cell, z2));
    if (!adjacent(z1, z2)) return;
    // The other edge runs parallel; a sign change on it continues straight across the cell.
    const int flip = (z1 ^ z2) == 1 ? 2 : 1;
    const int p = std::min(z1, z2) ^ flip, q = std::max(z1, z2) ^ flip;
    if (cell.sign[std::size_t(p)] * cell.sign[std::size_t(q)] != -1) return;
    const Point cross = edgeCrossing(cell, p, q);
    const Point from = cornerPixel(cell, std::min(p, q));
    const Point to = cornerPixel(cell, std::min(p, q) ^ flip);
    out.add(cross, Point{cross.x + to.x - from.x, cross.y + to.y - from.y});
}

void traceThreeZeros(const ScanCell& cell, int nonZero, CellSegments& out) {
    if (nonZero != kBottomLeft && nonZero != kBottomRight)
        out.add(cornerPixel(cell, kBottomLeft), cornerPixel(cell, kBottomRight));
    if (nonZero != kBottomRight && nonZero != kTopRight)
        out.add(cornerPixel(cell, kBottomRight), cornerPixel(cell, kTopRight));
}

// std::nearbyint of an offset in 0 .. scale. The library's long double rounding, or a plain
// conversion to int (which switches the x87 to truncation and back), would cost more than all
// the rest of a crossing; rint rounds in place, and the whole number converts exactly.
int roundedOffset(Extended x) {
    if (!(x >= 0 && x < 1e9L)) return static_cast<int>(std::nearbyint(x));
    return static_cast<int>(static_cast<double>(std::rint(x)));
}

} // namespace

Point cornerPixel(const ScanCell& cell, int corner) {
    return Point{(cell.c - 1 + (corner & 1)) * cell.scale, (cell.r - (corner >> 1)) * cell.scale};
}

Point edgeCrossing(const ScanCell& cell, int i, int j) {
    const int b = std::min(i, j), a = std::max(i, j);
    const Extended vb = cell.value[std::size_t(b)], va = cell.value[std::size_t(a)];
    Extended t = va == vb ? 0.5L : vb / (vb - va);
    t = std::clamp(t, Extended(0), Extended(1));
    const int offset = roundedOffset(std::fabs(t * cell.scale));
    const Point from = cornerPixel(cell, b), to = cornerPixel(cell, a);
    const int dx = (to.x > from.x) - (to.x < from.x), dy = (to.y > from.y) - (to.y < from.y);
    return Point{from.x + dx * offset, from.y + dy * offset};
}

CellSegments traceCell(const ScanCell& cell) {
    CellSegments out;
    int zeros[4];
    int nz = 0;
    for (int i = 0; i < 4; ++i)
        if (cell.sign[std::size_t(i)] == 0) zeros[nz++] = i;
    switch (nz) {
    case 0:
        traceNoZero(cell, out);
        break;
    case 1:
        traceOneZero(cell, zeros[0], out);
        break;
    case 2:
        traceTwoZeros(cell, zeros[0], zeros[1], out);
        break;
    case 3:
        traceThreeZeros(cell, 6 - zeros[0] - zeros[1] - zeros[2], out);
        break;
    default:
        out.add(cornerPixel(cell, kBottomLeft), cornerPixel(cell, kBottomRight));
        break;
    }
    return out;
}

} // namespace tarlix
