// The sampled scan against a plain one: every grid value computed or interpolated in full,
// every cell traced, every pixel marked. Shortcuts of the scan must not change a single
// segment or region pixel.

#include "render/relation/MarchingSquares.h"
#include "render/relation/RelationScan.h"

#include "RelationTestSupport.h"

#include <gtest/gtest.h>

#include <cmath>
#include <functional>
#include <string>
#include <vector>

using namespace tarlix;
using namespace tarlix::relationtest;

namespace {

// Uneven grids, so that the last computed columns and rows are closer than the width: at
// 203 x 157 they are 2 or more apart, at 160 x 160 the last two are neighbours.
struct UnevenView {
    TestView tv;
    ScanGeometry grid;
    UnevenView(int across, int down) {
        tv.view.xAxis.init('x', across, 5, -5);
        tv.view.yAxis.init('y', down, 4, -4);
        grid.assign(tv.view);
    }
};

// The full grid of values and signs as the sampled scan defines them, at [row + 1][column + 1].
struct PlainGrid {
    std::vector<std::vector<Extended>> value;
    std::vector<std::vector<std::int8_t>> sign;
};

std::vector<int> computedLines(int length, int width) {
    std::vector<int> at{-1};
    for (int k = 0; k < length + 1; k += width) at.push_back(k);
    at.push_back(length + 1);
    return at;
}

PlainGrid plainGrid(RelationSampler& f, const ScanGeometry& g, int width) {
    PlainGrid p;
    const auto columns = static_cast<std::size_t>(g.columns());
    p.value.assign(static_cast<std::size_t>(g.rows()), std::vector<Extended>(columns, 0));
    p.sign.assign(static_cast<std::size_t>(g.rows()),
                  std::vector<std::int8_t>(columns, undefinedSign));
    const std::vector<int> cs = computedLines(g.xLength, width),
                           rs = computedLines(g.yLength, width);
    for (int r : rs) {
        auto& v = p.value[std::size_t(r + 1)];
        auto& s = p.sign[std::size_t(r + 1)];
        for (int c : cs) {
            Extended x = 0;
            const bool defined = realOf(f.evaluate(g.x(c), g.y(r)), x);
            v[std::size_t(c + 1)] = defined ? x : 0;
            s[std::size_t(c + 1)] = defined ? signOf(x) : undefinedSign;
        }
        for (std::size_t k = 0; k + 1 < cs.size(); ++k) {
            const std::size_t a = std::size_t(cs[k] + 1), b = std::size_t(cs[k + 1] + 1);
            if (s[a] == undefinedSign || s[b] == undefinedSign) continue;
            const Extended step = (v[b] - v[a]) / int(b - a);
            for (std::size_t i = a + 1; i < b; ++i) {
                v[i] = v[a] + step * int(i - a);
                s[i] = signOf(v[i]);
            }
        }
    }
    for (std::size_t k = 0; k + 1 < rs.size(); ++k) {
        const int r0 = rs[k], r1 = rs[k + 1];
        const auto &v0 = p.value[std::size_t(r0 + 1)], &v1 = p.value[std::size_t(r1 + 1)];
        const auto &s0 = p.sign[std::size_t(r0 + 1)], &s1 = p.sign[std::size_t(r1 + 1)];
        for (int r = r0 + 1; r < r1; ++r) {
            const Extended w = Extended(r - r0) / (r1 - r0);
            for (std::size_t i = 0; i < columns; ++i) {
                if (s0[i] == undefinedSign || s1[i] == undefinedSign) continue;
                const Extended v = v0[i] + w * (v1[i] - v0[i]);
                p.value[std::size_t(r + 1)][i] = v;
                p.sign[std::size_t(r + 1)][i] = s0[i] == s1[i] && s0[i] != 0 ? s0[i] : signOf(v);
            }
        }
    }
    return p;
}

void plainTrace(const PlainGrid& p, const ScanGeometry& g, SegmentJoiner& lines) {
    for (int r = -1; r <= g.yLength + 1; ++r) {
        for (int c = 0; r > -1 && c <= g.xLength + 1; ++c) {
            ScanCell cell;
            cell.c = c;
            cell.r = r;
            cell.scale = g.scale;
            const auto at = [&](int dc, int dr) {
                return std::pair{p.sign[std::size_t(r + dr + 1)][std::size_t(c + dc + 1)],
                                 p.value[std::size_t(r + dr + 1)][std::size_t(c + dc + 1)]};
            };
            const std::pair<std::int8_t, Extended> corner[4] = {at(-1, 0), at(0, 0), at(-1, -1),
                                                                at(0, -1)};
            bool skip = true, anyUndefined = false;
            for (int k = 0; k < 4; ++k) {
                cell.sign[std::size_t(k)] = corner[k].first;
                cell.value[std::size_t(k)] = corner[k].second;
                anyUndefined = anyUndefined || corner[k].first == undefinedSign;
                skip = skip && corner[k].first == corner[0].first && corner[0].first != 0;
            }
            if (skip || anyUndefined) continue;
            const CellSegments found = traceCell(cell);
            for (int k = 0; k < found.count; ++k)
                lines.addSegment(found.segment[std::size_t(k)].first,
                                 found.segment[std::size_t(k)].second);
        }
        lines.flushAbove((r - 1) * g.scale);
    }
}

struct Relation {
    std::string name;
    std::function<Extended(Extended, Extended)> f;
};

} // namespace

TEST(ScanReference, SampledScanDrawsTheSameSegmentsAndRegionAsThePlainGrid) {
    const std::vector<Relation> relations = {
        {"circle", [](Extended x, Extended y) { return x * x + y * y - 4; }},
        {"folium", [](Extended x, Extended y) { return x * x * x + y * y * y - 3 * x * y; }},
        {"waves", [](Extended x, Extended y) { return std::sin(x * y) - std::cos(x + y); }},
        // Zero on whole grid lines and on a band: corners of sign 0 in every arrangement.
        {"axes", [](Extended x, Extended y) { return x * y; }},
        {"band", [](Extended x, Extended y) { return std::floor(x + y / 3); }},
        // Undefined left of the y axis and inside a disc.
        {"holes",
         [](Extended x, Extended y) { return std::log(x) / (x * x + y * y - 1) - y * 0.3L; }},
        {"steep", [](Extended x, Extended y) { return std::exp(3 * x) - 1e6L * y * y; }},
    };
    for (const Relation& rel : relations)
        for (int width : {1, 2, 3, 4, 8})
            for (const auto& [across, down] : {std::pair{203, 157}, std::pair{160, 160}}) {
                SCOPED_TRACE(rel.name + " width " + std::to_string(width) + " grid " +
                             std::to_string(across) + " x " + std::to_string(down));
                UnevenView u(across, down);
                const ScanGeometry& g = u.grid;
                CountingSampler f(rel.f);

                RegionBitmap region;
                region.reset(g.columns(), g.rows());
                SegmentJoiner lines;
                lines.reset(nullptr, nullptr, false, true, false, LineDrawOptions{});
                SampledRows source(f, g, width);
                ScriptedHooks hooks;
                bool interrupted = false;
                ScanContext context{g, interrupted, hooks, {}};
                ScanJob job{&source, RelationOp::GreaterEqual, 1, &region, &lines, nullptr};
                ScanBuffers rows;
                ASSERT_EQ(runRelationScan(job, context, rows), ScanOutcome::Completed);

                const PlainGrid plain = plainGrid(f, g, width);
                SegmentJoiner expected;
                expected.reset(nullptr, nullptr, false, true, false, LineDrawOptions{});
                plainTrace(plain, g, expected);
                EXPECT_EQ(lines.finished().size(), expected.finished().size());
                EXPECT_TRUE(lines.finished() == expected.finished());
                EXPECT_TRUE(lines.open() == expected.open());
                int marked = 0;
                for (int r = -1; r <= g.yLength + 1; ++r)
                    for (int c = 0; c <= g.xLength + 1; ++c) { // column -1 is never in the region
                        const std::int8_t s = plain.sign[std::size_t(r + 1)][std::size_t(c + 1)];
                        const bool in = s == 1; // points of sign 0 are on the line
                        marked += in;
                        ASSERT_EQ(region.at(c, r) != 0, in) << c << "," << r;
                    }
                EXPECT_GT(marked, 0);
            }
}
