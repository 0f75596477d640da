#include "render/relation/ScanRows.h"

#include "RelationTestSupport.h"

#include <gtest/gtest.h>

#include <cmath>
#include <vector>

using namespace tarlix;
using namespace tarlix::relationtest;

namespace {

// A conic as the closed form gives it per column: f = A y^2 - 2 H y + K.
struct ConicCase {
    const char* name;
    Extended (*a)(Extended x);
    Extended (*h)(Extended x);
    Extended (*k)(Extended x);
    bool (*defined)(Extended x);
};

bool everywhere(Extended) {
    return true;
}

} // namespace

TEST(ConicRows, SignsAreThoseOfTheFormulaAndCrossingCellsHaveTheirValues) {
    // Rows whose sign is taken from a bound must agree with evaluating every point; the bound
    // has to hold for tangent, nearly tangent, linear, steep and huge conics alike.
    const ConicCase cases[] = {
        {"circle", [](Extended) { return Extended(1); }, [](Extended) { return Extended(0); },
         [](Extended x) { return x * x - 9; }, everywhere},
        {"tangent double root at every column", [](Extended) { return Extended(1); },
         [](Extended) { return Extended(0); }, [](Extended) { return Extended(0); }, everywhere},
        {"nearly tangent, inside the sign tolerance", [](Extended) { return Extended(1); },
         [](Extended) { return Extended(0.3L); }, [](Extended) { return Extended(0.09L - 1e-9L); },
         everywhere},
        {"hyperbola x y = 1 (linear in y)", [](Extended) { return Extended(0); },
         [](Extended x) { return -x / 2; }, [](Extended) { return Extended(-1); }, everywhere},
        {"vertical lines x^2 = 1", [](Extended) { return Extended(0); },
         [](Extended) { return Extended(0); }, [](Extended x) { return x * x - 1; }, everywhere},
        {"steep in x", [](Extended) { return Extended(1e-3L); },
         [](Extended) { return Extended(0); }, [](Extended x) { return 1e6L * x; }, everywhere},
        {"huge coefficients", [](Extended) { return Extended(1e12L); },
         [](Extended x) { return 1e12L * x / 3; }, [](Extended x) { return 1e12L * (x - 2); },
         everywhere},
        {"undefined columns", [](Extended) { return Extended(-1); },
         [](Extended) { return Extended(0); }, [](Extended x) { return 4 - x * x; },
         [](Extended x) { return x < 1 || x > 1.5L; }},
    };
    for (const ConicCase& k : cases) {
        SCOPED_TRACE(k.name);
        TestView tv;
        tv.view.xAxis.init('x', 187, 5, -5);
        tv.view.yAxis.init('y', 143, 4, -4);
        ScanGeometry grid;
        grid.assign(tv.view);
        std::vector<Extended> a, h, kk;
        std::vector<std::uint8_t> defined;
        for (int c = -1; c <= grid.xLength + 1; ++c) {
            const Extended x = grid.x(c);
            a.push_back(k.a(x));
            h.push_back(k.h(x));
            kk.push_back(k.k(x));
            defined.push_back(k.defined(x) ? 1 : 0);
        }
        const auto exact = [&](std::size_t i, int r) {
            const Extended y = grid.y(r);
            return (a[i] * y - 2 * h[i]) * y + kk[i];
        };
        ConicRows rows(a, h, kk, defined, grid);
        ScanBuffers spare;
        spare.resize(grid.columns());
        std::vector<std::int8_t> aboveSigns;
        for (int r = -1; r <= grid.yLength + 1; ++r) {
            const ScanRow& row = rows.row(r, spare);
            const ScanRow& above = spare.rows[(r - 1) & 1];
            for (int c = -1; c <= grid.xLength + 1; ++c) {
                const std::size_t i = static_cast<std::size_t>(c + 1);
                const std::int8_t want = defined[i] ? signOf(exact(i, r)) : undefinedSign;
                ASSERT_EQ(row.sign[i], want) << c << "," << r;
            }
            if (r == -1) continue;
            std::vector<bool> listed(static_cast<std::size_t>(grid.columns()), false);
            ASSERT_NE(row.crossing, nullptr);
            for (const CellSpan& span : *row.crossing)
                for (int c = span.first; c <= span.last; ++c)
                    listed[static_cast<std::size_t>(c + 1)] = true;
            for (int c = 0; c <= grid.xLength + 1; ++c) {
                const std::size_t i = static_cast<std::size_t>(c + 1);
                const int sum = row.sign[i - 1] + row.sign[i] + above.sign[i - 1] + above.sign[i];
                if (row.sign[i] == undefinedSign || std::abs(sum) > 3) continue;
                ASSERT_TRUE(listed[i]) << "cell " << c << "," << r << " may cross zero";
                for (const std::size_t j : {i - 1, i}) {
                    ASSERT_EQ(row.value[j], exact(j, r)) << c << "," << r;
                    ASSERT_EQ(above.value[j], exact(j, r - 1)) << c << "," << r - 1;
                }
            }
        }
    }
}
