#include "render/relation/InterpolationTables.h"

#include "view/View.h"

#include <cmath>
#include <random>

namespace tarlix {

namespace {

constexpr int kN = interpolationNodes;
constexpr Extended kTolerance = 1e-11L;
constexpr int kCheckedPixels = 30;

std::size_t idx(int i) {
    return static_cast<std::size_t>(i);
}

// The world coordinates of the node pixels; raw, so that equal pixel steps stay equal steps.
InterpolationTables::Nodes nodesOf(const Axis& axis) {
    Axis unscaled = axis;
    unscaled.outputScale = 1;
    const int k = axis.pixelLength / 10;
    InterpolationTables::Nodes nodes{};
    for (int m = 0; m < kN; ++m) nodes[idx(m)] = unscaled.toWorldRaw(m * k);
    return nodes;
}

bool near(Extended a, Extended b) {
    return std::fabs(a - b) < kTolerance;
}

} // namespace

void InterpolationTables::weights(const Nodes& nodes, const std::vector<Extended>& at,
                                  std::vector<Extended>& out) {
    out.resize(at.size() * kN);
    for (std::size_t p = 0; p < at.size(); ++p)
        for (int m = 0; m < kN; ++m) {
            Extended l = 1;
            for (int h = 0; h < kN; ++h)
                if (h != m) l *= (at[p] - nodes[idx(h)]) / (nodes[idx(m)] - nodes[idx(h)]);
            out[p * kN + idx(m)] = l;
        }
}

bool InterpolationTables::build(RelationSampler& f, const View& view, const ScanGeometry& grid) {
    grid_ = &grid;
    xNodes_ = nodesOf(view.xAxis);
    yNodes_ = nodesOf(view.yAxis);
    if (view.xAxis.pixelLength < 10 || view.yAxis.pixelLength < 10) return false;
    std::array<Value, kN> row{};
    for (int n = 0; n < kN; ++n) {
        f.evaluateRow(yNodes_[idx(n)], xNodes_.data(), kN, row.data());
        for (int m = 0; m < kN; ++m)
            if (!realOf(row[idx(m)], f_[idx(m)][idx(n)])) return false;
    }
    if (xNodes_ != weightedXNodes_ || grid.xs != weightedXs_) {
        weights(xNodes_, grid.xs, wx_);
        splitColumnWeights();
        weightedXNodes_ = xNodes_;
        weightedXs_ = grid.xs;
    }
    if (yNodes_ != weightedYNodes_ || grid.ys != weightedYs_) {
        weights(yNodes_, grid.ys, wy_);
        weightedYNodes_ = yNodes_;
        weightedYs_ = grid.ys;
    }
    return true;
}

void InterpolationTables::splitColumnWeights() {
    wxSplit_.resize(2 * wx_.size());
    for (std::size_t k = 0; k < wx_.size(); ++k) {
        const Extended w = wx_[k];
        const double high = static_cast<double>(w);
        const double low = static_cast<double>(w - high);
        if (!std::isfinite(high) || Extended(high) + Extended(low) != w) {
            wxSplit_.clear();
            return;
        }
        wxSplit_[2 * k] = high;
        wxSplit_[2 * k + 1] = low;
    }
}

Extended InterpolationTables::at(int column, int row) const {
    const Extended* lx = &wx_[idx(column + 1) * kN];
    const Extended* ly = &wy_[idx(row + 1) * kN];
    Extended sum = 0;
    for (int m = 0; m < kN; ++m) {
        Extended inner = 0;
        for (int n = 0; n < kN; ++n) inner += f_[idx(m)][idx(n)] * ly[n];
        sum += inner * lx[m];
    }
    return sum;
}

bool InterpolationTables::matches(RelationSampler& f, std::uint32_t seed) const {
    std::mt19937 random(seed);
    std::uniform_int_distribution<int> column(0, grid_->xLength - 1);
    std::uniform_int_distribution<int> row(0, grid_->yLength - 1);
    for (int i = 0; i < kCheckedPixels; ++i) {
        const int c = column(random), r = row(random);
        Extended v = 0;
        if (!realOf(f.evaluate(grid_->x(c), grid_->y(r)), v)) return false;
        const Extended error = std::fabs(v - at(c, r));
        if (std::fabs(v) < 10 ? error >= kTolerance : error >= kTolerance * std::fabs(v))
            return false;
    }
    return true;
}

bool InterpolationTables::isConic() const {
    const auto value = [&](int m, int n, bool alongX) {
        return alongX ? f_[idx(m)][idx(n)] : f_[idx(n)][idx(m)];
    };
    for (bool alongX : {true, false}) {
        Extended firstSecond[kN] = {};
        for (int line = 0; line < kN; ++line) {
            for (int i = 0; i + 3 < kN; ++i) {
                const Extended third = value(i + 3, line, alongX) - 3 * value(i + 2, line, alongX) +
                                       3 * value(i + 1, line, alongX) - value(i, line, alongX);
                if (!near(third, 0)) return false;
            }
            for (int i = 0; i + 2 < kN; ++i) {
                const Extended second = value(i + 2, line, alongX) -
                                        2 * value(i + 1, line, alongX) + value(i, line, alongX);
                if (line == 0)
                    firstSecond[i] = second;
                else if (!near(second, firstSecond[i]))
                    return false;
            }
        }
    }
    return true;
}

void PolynomialRows::fill(int r, ScanRow& row) {
    const Extended* ly = &t_.wy_[idx(r + 1) * kN];
    Extended g[kN];
    for (int m = 0; m < kN; ++m) {
        Extended s = 0;
        for (int n = 0; n < kN; ++n) s += t_.f_[idx(m)][idx(n)] * ly[n];
        g[m] = s;
    }
    if (t_.wxSplit_.empty())
        fillFromWeights(g, row);
    else
        fillFromSplitWeights(g, row);
}

void PolynomialRows::fillFromWeights(const Extended* g, ScanRow& row) const {
    const std::size_t columns = row.value.size();
    const Extended* lx = t_.wx_.data();
    for (std::size_t i = 0; i < columns; ++i, lx += kN) {
        Extended v = 0;
        for (int m = 0; m < kN; ++m) v += g[m] * lx[m];
        row.value[i] = v;
        row.sign[i] = signOf(v);
    }
}

// The same sums as fillFromWeights, each weight rebuilt exactly from its two doubles; two
// columns at a time, so that the additions of one overlap those of the other.
void PolynomialRows::fillFromSplitWeights(const Extended* g, ScanRow& row) const {
    const std::size_t columns = row.value.size();
    const double* l = t_.wxSplit_.data();
    const auto weight = [&](std::size_t k) { return Extended(l[2 * k]) + Extended(l[2 * k + 1]); };
    std::size_t i = 0;
    for (; i + 1 < columns; i += 2, l += 4 * kN) {
        Extended v = 0, u = 0;
        for (int m = 0; m < kN; ++m) {
            v += g[m] * weight(idx(m));
            u += g[m] * weight(idx(kN + m));
        }
        row.value[i] = v;
        row.value[i + 1] = u;
        row.sign[i] = signOf(v);
        row.sign[i + 1] = signOf(u);
    }
    for (; i < columns; ++i, l += 2 * kN) {
        Extended v = 0;
        for (int m = 0; m < kN; ++m) v += g[m] * weight(idx(m));
        row.value[i] = v;
        row.sign[i] = signOf(v);
    }
}

} // namespace tarlix
