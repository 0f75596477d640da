#pragma once
// A polynomial relation through interpolation tables: f at an 11 x 11 grid of nodes, and the
// Lagrange weights of every pixel column and row over the nodes. The interpolant reproduces f
// exactly when f is a polynomial of degree at most 10 in each variable, and costs 11
// multiply-adds per pixel instead of an evaluation.

#include "render/relation/RelationSampler.h"
#include "render/relation/ScanGeometry.h"
#include "render/relation/ScanRows.h"

#include <array>
#include <cstdint>
#include <vector>

namespace tarlix {

class View;

inline constexpr int interpolationNodes = 11;

class InterpolationTables {
public:
    // Samples f at the nodes (the pixels 0, k, ..., 10k of each axis, k = length div 10) and
    // builds the weights. False when f is undefined at a node.
    bool build(RelationSampler& f, const View& view, const ScanGeometry& grid);
    // Compares the interpolant with f at 30 pixels chosen by the seed: f must be defined there
    // and agree within 1e-11 (relative once |f| reaches 10).
    bool matches(RelationSampler& f, std::uint32_t seed) const;
    // The node values show a polynomial of total degree at most 2.
    bool isConic() const;

    Extended at(int column, int row) const;
    const ScanGeometry& grid() const { return *grid_; }

    using Nodes = std::array<Extended, interpolationNodes>;
    const std::array<Nodes, interpolationNodes>& nodeValues() const { return f_; }

private:
    friend class PolynomialRows;
    static void weights(const Nodes& nodes, const std::vector<Extended>& at,
                        std::vector<Extended>& out);
    void splitColumnWeights();

    const ScanGeometry* grid_ = nullptr;
    Nodes xNodes_{}, yNodes_{};
    std::array<Nodes, interpolationNodes> f_{}; // f_[m][n] = f(x node m, y node n)
    std::vector<Extended> wx_, wy_;             // 11 weights per column, per row
    // The column weights as pairs of doubles (high, low) whose sum is exactly the weight:
    // loading two doubles costs less than loading one long double. Empty when some weight
    // does not split so.
    std::vector<double> wxSplit_;
    // The nodes and grid coordinates the weights were made for: a relation redrawn on the
    // same view (a parameter step) reuses them.
    Nodes weightedXNodes_{}, weightedYNodes_{};
    std::vector<Extended> weightedXs_, weightedYs_;
};

// The scan rows of the interpolant: first the 11 row sums over the y nodes, then per column
// the sum over the x nodes.
class PolynomialRows final : public RowFiller {
public:
    explicit PolynomialRows(const InterpolationTables& tables) : t_(tables) {}

private:
    void fill(int r, ScanRow& row) override;
    void fillFromSplitWeights(const Extended* g, ScanRow& row) const;
    void fillFromWeights(const Extended* g, ScanRow& row) const;

    const InterpolationTables& t_;
};

} // namespace tarlix
