#include "render/relation/ConicSolver.h"

#include "view/View.h"

#include <algorithm>
#include <cmath>

namespace tarlix {

namespace {

constexpr Extended kTiny = 1e-11L;

std::size_t idx(int column) {
    return static_cast<std::size_t>(column + 1);
}

// What the drawing of one conic needs at hand.
struct ConicDraw {
    const ConicCoefficients& k;
    const View& view;
    const ScanGeometry& grid;
    PolylineBuffer& buffer;

    int scale() const { return grid.scale; }
    int px(Extended position) const { return static_cast<int>(std::nearbyint(position * scale())); }
    int row(Extended y) const { return view.yAxis.toPixel(y); }
    int poleLimit() const { return scale() == 1 ? 10000 : 30000; }
};

void drawVerticalAt(ConicDraw& d, Extended n) {
    const long rounded = std::lround(n);
    if (rounded < 0 || rounded > d.grid.xLength) return;
    const int x = d.px(n);
    d.buffer.flush();
    d.buffer.push(x, d.view.yAxis.pixelStart * d.scale());
    d.buffer.push(x, d.view.yAxis.pixelLength * d.scale());
    d.buffer.flush();
}

void drawVerticalLines(ConicDraw& d) {
    const RowRoots roots = rootsOfRow(d.k.K, d.k.defined, d.grid.xLength);
    for (int i = 0; i < roots.count; ++i) drawVerticalAt(d, roots.root[i]);
}

// Both roots in y per column; where the roots appear or vanish between two columns, the
// rootless one is moved to where the discriminant vanishes and gets the vertex, so that the
// two branches meet at the curve's extreme.
void drawTwoBranches(ConicDraw& d) {
    const int last = d.grid.xLength + 1;
    const std::size_t n = idx(last) + 1;
    std::vector<Extended> disc(n, 0), vertex(n, 0), r1(n, 0), r2(n, 0), position(n, 0);
    std::vector<std::uint8_t> has(n, 0), drawn(n, 0), known(n, 0);
    for (int c = -1; c <= last; ++c) {
        const std::size_t i = idx(c);
        position[i] = c;
        if (!d.k.defined[i] || d.k.A[i] == 0) continue;
        known[i] = 1;
        disc[i] = d.k.H[i] * d.k.H[i] - d.k.A[i] * d.k.K[i];
        vertex[i] = d.k.H[i] / d.k.A[i];
        if (disc[i] < 0) continue;
        const Extended root = std::sqrt(disc[i]);
        r1[i] = (d.k.H[i] + root) / d.k.A[i];
        r2[i] = (d.k.H[i] - root) / d.k.A[i];
        has[i] = drawn[i] = 1;
    }
    for (int c = 0; c <= last; ++c) {
        const std::size_t a = idx(c - 1), b = idx(c);
        if (has[a] == has[b] || !known[a] || !known[b]) continue;
        const Extended sum = std::fabs(disc[a]) + std::fabs(disc[b]);
        const Extended t = sum > 0 ? std::fabs(disc[a]) / sum : 0.5L;
        const std::size_t moved = has[a] ? b : a;
        position[moved] = c - 1 + t;
        r1[moved] = r2[moved] = (1 - t) * vertex[a] + t * vertex[b];
        drawn[moved] = 1;
    }
    for (const std::vector<Extended>* roots : {&r1, &r2}) {
        d.buffer.flush();
        for (int c = 0; c <= d.grid.xLength; ++c) {
            const std::size_t i = idx(c);
            if (drawn[i])
                d.buffer.push(d.px(position[i]), d.row((*roots)[i]));
            else
                d.buffer.flush();
        }
        d.buffer.flush();
    }
}

// The pixel row the branch left of a pole runs off to: the side its curvature points to.
int poleSide(const ConicDraw& d, const std::vector<Extended>& y,
             const std::vector<std::uint8_t>& ok, int n) {
    const int first = n > 10 ? n - 3 : n + 2;
    if (first < -1 || first + 2 > d.grid.xLength + 1) return 0;
    for (int c = first; c <= first + 2; ++c)
        if (!ok[idx(c)]) return 0;
    const Extended second = y[idx(first)] - 2 * y[idx(first + 1)] + y[idx(first + 2)];
    const int sign = (second > 0) - (second < 0);
    return n > 10 ? -d.poleLimit() * sign : d.poleLimit() * sign;
}

void drawWithPole(ConicDraw& d) {
    const std::size_t n = idx(d.grid.xLength + 1) + 1;
    std::vector<Extended> y(n, 0);
    std::vector<std::uint8_t> ok(n, 0);
    for (std::size_t i = 0; i < n; ++i) {
        if (!d.k.defined[i] || d.k.H[i] == 0) continue;
        y[i] = d.k.K[i] / (2 * d.k.H[i]);
        ok[i] = std::isfinite(y[i]);
    }
    const RowRoots poles = rootsOfRow(d.k.H, d.k.defined, d.grid.xLength);
    const Extended pole = poles.count > 0 ? poles.root[0] : -1;
    const RowRoots zeros = rootsOfRow(d.k.K, d.k.defined, d.grid.xLength);
    bool throughPole = zeros.zeroEverywhere;
    for (int i = 0; i < zeros.count; ++i)
        throughPole = throughPole || std::fabs(zeros.root[i] - pole) < 1e-6L;

    d.buffer.flush();
    for (int c = 0; c <= d.grid.xLength; ++c) {
        const int x = d.px(c);
        if (std::fabs(c - pole) < kTiny) {
            if (const int s = poleSide(d, y, ok, c); s != 0) {
                d.buffer.push(x - d.scale(), s);
                d.buffer.restart(x + d.scale(), -s);
            }
            continue;
        }
        if (!ok[idx(c)]) {
            d.buffer.flush();
            continue;
        }
        d.buffer.push(x, d.row(y[idx(c)]));
        if (c < pole && pole < c + 1 - kTiny)
            if (const int s = poleSide(d, y, ok, c); s != 0) {
                d.buffer.push(x, s);
                d.buffer.restart(x + d.scale(), -s);
            }
    }
    d.buffer.flush();
    if (throughPole) drawVerticalAt(d, pole);
}

} // namespace

void ConicCoefficients::assign(const std::vector<Value>& at0, const std::vector<Value>& at1,
                               const std::vector<Value>& atMinus1) {
    const std::size_t n = at0.size();
    A.assign(n, 0);
    H.assign(n, 0);
    K.assign(n, 0);
    defined.assign(n, 0);
    for (std::size_t i = 0; i < n; ++i) {
        Extended f0 = 0, f1 = 0, fm = 0;
        if (!realOf(at0[i], f0) || !realOf(at1[i], f1) || !realOf(atMinus1[i], fm)) continue;
        A[i] = (f1 + fm) / 2 - f0;
        H[i] = -(f1 - fm) / 4;
        K[i] = f0;
        defined[i] = 1;
    }
}

void ConicCoefficients::sample(RelationSampler& f, const ScanGeometry& grid) {
    const int count = grid.columns();
    std::vector<Value> rows[3];
    const Extended ys[3] = {0, 1, -1};
    for (int j = 0; j < 3; ++j) {
        rows[j].resize(static_cast<std::size_t>(count));
        f.evaluateRow(ys[j], grid.xs.data(), count, rows[j].data());
    }
    assign(rows[0], rows[1], rows[2]);
}

RowRoots rootsOfRow(const std::vector<Extended>& values, const std::vector<std::uint8_t>& defined,
                    int xLength) {
    RowRoots out;
    // Columns 0, m and 2m: 0, 50 and 100 on any real view.
    const int m = std::max(1, std::min(50, xLength / 2));
    if (!defined[idx(0)] || !defined[idx(m)] || !defined[idx(2 * m)]) return out;
    const Extended r0 = values[idx(0)], rm = values[idx(m)], r2m = values[idx(2 * m)];
    const Extended a2 = (r2m - 2 * rm + r0) / (2.0L * m * m);
    const Extended b2 = -((r2m - r0) - 4.0L * m * m * a2) / (4.0L * m);
    if (std::fabs(a2) < kTiny) {
        if (std::fabs(b2) >= kTiny) {
            out.root[out.count++] = r0 / (2 * b2);
        } else {
            out.zeroEverywhere = std::fabs(r0) < kTiny;
        }
        return out;
    }
    const Extended d = b2 * b2 - a2 * r0;
    if (d > kTiny) {
        out.root[out.count++] = b2 / a2 + std::sqrt(d) / a2;
        out.root[out.count++] = b2 / a2 - std::sqrt(d) / a2;
    } else if (d > -kTiny) {
        out.root[out.count++] = b2 / a2;
    }
    return out;
}

void drawConic(const ConicCoefficients& conic, const View& view, const ScanGeometry& grid,
               PolylineBuffer& buffer) {
    ConicDraw d{conic, view, grid, buffer};
    const int probe = std::min(1, grid.xLength + 1), far = std::min(10, grid.xLength + 1);
    const std::size_t p = idx(probe), q = idx(far);
    if (!conic.defined[p]) return;
    if (std::fabs(conic.A[p]) >= kTiny) {
        drawTwoBranches(d);
    } else if (std::fabs(conic.H[p]) < kTiny && conic.defined[q] && std::fabs(conic.A[q]) < kTiny &&
               std::fabs(conic.H[q]) < kTiny) {
        drawVerticalLines(d);
    } else {
        drawWithPole(d);
    }
}

} // namespace tarlix
