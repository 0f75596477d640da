#include "render/relation/InterpolationTables.h"

#include "RelationTestSupport.h"

#include <gtest/gtest.h>

#include <cmath>
#include <string>
#include <vector>

using namespace tarlix;
using namespace tarlix::relationtest;

TEST(PolynomialRows, EveryPointIsTheInterpolantOfTheTablesToTheLastBit) {
    // The rows rebuild each column weight from two doubles and sum two columns at a time;
    // the sums must stay those of the plain formula. Awkward coefficients and views give the
    // weights all 64 bits.
    const struct {
        const char* name;
        Extended (*f)(Extended, Extended);
        int width, height;
        Extended xMin, xMax;
    } cases[] = {
        {"folium", [](Extended x, Extended y) { return x * x * x + y * y * y - 3 * x * y; }, 203,
         157, -5, 5},
        {"sextic",
         [](Extended x, Extended y) {
             return x * x * x * x * x * x / 7 - y * y * y * y * x / 3 + 1e5L * x * y - 0.1L;
         },
         311, 97, -0.37L, 2.9L},
    };
    for (const auto& k : cases) {
        SCOPED_TRACE(k.name);
        TestView tv;
        tv.view.xAxis.init('x', k.width, k.xMax, k.xMin);
        tv.view.yAxis.init('y', k.height, 4, -4);
        ScanGeometry grid;
        grid.assign(tv.view);
        CountingSampler f(k.f);
        InterpolationTables tables;
        ASSERT_TRUE(tables.build(f, tv.view, grid));
        PolynomialRows rows(tables);
        ScanBuffers spare;
        spare.resize(grid.columns());
        for (int r = -1; r <= grid.yLength + 1; ++r) {
            const ScanRow& row = rows.row(r, spare);
            for (int c = -1; c <= grid.xLength + 1; ++c) {
                const Extended expected = tables.at(c, r);
                ASSERT_EQ(row.value[std::size_t(c + 1)], expected) << c << "," << r;
                ASSERT_EQ(row.sign[std::size_t(c + 1)], signOf(expected)) << c << "," << r;
            }
        }
    }
}
