#include "render/relation/MarchingSquares.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <vector>

using namespace tarlix;

namespace {

using Seg = std::pair<Point, Point>;

// The cell (1, 1) at 10 output pixels per grid pixel: corners (0, 10) (10, 10) (0, 0) (10, 0).
std::vector<Seg> trace(std::array<Extended, 4> v) {
    ScanCell cell;
    cell.c = 1;
    cell.r = 1;
    cell.scale = 10;
    for (std::size_t i = 0; i < 4; ++i) {
        cell.value[i] = v[i];
        cell.sign[i] = static_cast<std::int8_t>(v[i] > 0 ? 1 : v[i] < 0 ? -1 : 0);
    }
    const CellSegments found = traceCell(cell);
    std::vector<Seg> out;
    for (int k = 0; k < found.count; ++k) {
        Seg s = found.segment[std::size_t(k)];
        // Direction does not matter to the joiner.
        if (std::make_pair(s.second.x, s.second.y) < std::make_pair(s.first.x, s.first.y))
            std::swap(s.first, s.second);
        out.push_back(s);
    }
    std::sort(out.begin(), out.end(), [](const Seg& a, const Seg& b) {
        return std::make_tuple(a.first.x, a.first.y, a.second.x, a.second.y) <
               std::make_tuple(b.first.x, b.first.y, b.second.x, b.second.y);
    });
    return out;
}

} // namespace

TEST(MarchingSquares, TracesEveryCornerCase) {
    // Values in corner order: bottom left, bottom right, top left, top right.
    const struct {
        const char* name;
        std::array<Extended, 4> v;
        std::vector<Seg> expected;
    } cases[] = {
        {"one corner of the other sign", {-1, 1, 1, 1}, {{{0, 5}, {5, 10}}}},
        {"two adjacent corners: across the cell", {-1, -1, 1, 4}, {{{0, 5}, {10, 8}}}},
        {"saddle cutting the bottom-left and top-right corners",
         {2, -1, -1, 2},
         {{{0, 3}, {7, 10}}, {{3, 0}, {10, 7}}}},
        {"saddle cutting the other two corners",
         {1, -2, -2, 1},
         {{{0, 7}, {7, 0}}, {{3, 10}, {10, 3}}}},
        {"one zero, the rest mixed: to the crossing", {0, 1, -1, 4}, {{{0, 10}, {2, 0}}}},
        {"one zero, far corner largest: nothing", {0, 1, 1, 5}, {}},
        {"one zero, near corner largest: joined to the smallest",
         {0, 5, 1, 2},
         {{{0, 0}, {0, 10}}}},
        {"one zero, adjacent corners alike, far corner opposite",
         {0, 1, 1, -4},
         {{{2, 0}, {10, 8}}}},
        {"zero bottom edge, and the crossing straight across",
         {0, 0, -1, 4},
         {{{0, 10}, {10, 10}}, {{2, 0}, {2, 10}}}},
        {"zero left edge belongs to the left neighbour", {0, 1, 0, 1}, {}},
        {"zero top edge belongs to the upper neighbour", {1, 1, 0, 0}, {}},
        {"zero right edge", {1, 0, 1, 0}, {{{10, 0}, {10, 10}}}},
        {"zero diagonal", {0, 1, -1, 0}, {{{0, 10}, {10, 0}}}},
        {"three zeros with bottom and right edges",
         {0, 0, 3, 0},
         {{{0, 10}, {10, 10}}, {{10, 0}, {10, 10}}}},
        {"three zeros on the left and top edges only", {0, 3, 0, 0}, {}},
        {"three zeros, bottom edge", {0, 0, 0, 3}, {{{0, 10}, {10, 10}}}},
        {"three zeros, right edge", {3, 0, 0, 0}, {{{10, 0}, {10, 10}}}},
        {"four zeros: the bottom edge", {0, 0, 0, 0}, {{{0, 10}, {10, 10}}}},
    };
    for (const auto& c : cases) EXPECT_EQ(trace(c.v), c.expected) << c.name;
}

TEST(MarchingSquares, NeighbouringCellsFindTheSameCrossingOnTheirSharedEdge) {
    // The right edge of cell (1, 1) is the left edge of cell (2, 1).
    ScanCell left, right;
    left.c = 1;
    right.c = 2;
    left.r = right.r = 1;
    left.scale = right.scale = 3;
    left.value = {1, -7, 1, 2};
    right.value = {-7, 1, 2, 1};
    for (ScanCell* cell : {&left, &right})
        for (std::size_t i = 0; i < 4; ++i)
            cell->sign[i] = static_cast<std::int8_t>(cell->value[i] > 0 ? 1 : -1);
    EXPECT_EQ(edgeCrossing(left, 1, 3), edgeCrossing(right, 0, 2));
}
