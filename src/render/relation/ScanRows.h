#pragma once
// The rows of f values a scan walks over, and where they come from: the expression through
// the sampler (every ScanWidth-th point, the rest interpolated), the interpolation tables of a
// polynomial, or the closed form of a conic.

#include "expression/Value.h"
#include "render/relation/RelationSampler.h"
#include "render/relation/ScanGeometry.h"

#include <cstdint>
#include <vector>

namespace tarlix {

inline constexpr std::int8_t undefinedSign = 100;
inline constexpr Extended zeroTolerance = 1e-8L;

inline std::int8_t signOf(Extended v) {
    if (v > -zeroTolerance && v < zeroTolerance) return 0;
    return v > 0 ? 1 : -1;
}

// One grid row: values and signs of columns -1 .. xLength + 1, at index column + 1. A value
// may be left stale where the point is undefined, or where every cell having the point as a
// corner has four corners of one non-zero sign: no cell reads it there.
struct ScanRow {
    std::vector<Extended> value;
    std::vector<std::int8_t> sign;
    void resize(int columns) {
        value.assign(static_cast<std::size_t>(columns), 0);
        sign.assign(static_cast<std::size_t>(columns), undefinedSign);
    }
};

class ScanRowSource {
public:
    virtual ~ScanRowSource() = default;
    // Fills the row r; rows are asked for in order from -1.
    virtual void fill(int r, ScanRow& row) = 0;
};

// f through the sampler on every width-th column of every width-th row (and the first and last
// columns and rows); the points between are interpolated linearly in x, then in y. Values next
// to an undefined point stay undefined.
class SampledRows final : public ScanRowSource {
public:
    SampledRows(RelationSampler& f, const ScanGeometry& grid, int scanWidth);
    void fill(int r, ScanRow& row) override;

private:
    int nextComputedRow(int r) const;
    void compute(int r, ScanRow& row);
    void interpolateColumns(ScanRow& row, std::size_t i0, std::size_t i1);
    void preparePair();
    void addRun(std::size_t from, std::size_t to, std::int8_t sign);
    void interpolateRows(ScanRow& row, Extended w, std::size_t from, std::size_t to);

    RelationSampler& f_;
    const ScanGeometry& grid_;
    int width_;
    std::vector<int> columns_;   // the computed columns
    std::vector<Extended> xs_;   // their world x
    std::vector<Tvalue> values_; // the sampler's output
    ScanRow upper_, lower_;
    int upperRow_ = -2, lowerRow_ = -2;
    // The rows between upper_ and lower_: step to the lower row, and the sign they all share
    // (undefinedSign where an end is undefined, kSignOfValue where it must be computed); and
    // the runs of blocks between computed columns whose points all have one sign, or 0 for
    // runs of blocks to interpolate.
    static constexpr std::int8_t kSignOfValue = 2;
    std::vector<Extended> delta_;
    std::vector<std::int8_t> pairSign_;
    struct PairRun {
        std::size_t from, to; // indices from .. to - 1
        std::int8_t sign;
    };
    std::vector<PairRun> runs_;
};

// f = A y^2 - 2 H y + K per column, as solved for a conic.
class ConicRows final : public ScanRowSource {
public:
    ConicRows(const std::vector<Extended>& a, const std::vector<Extended>& h,
              const std::vector<Extended>& k, const std::vector<std::uint8_t>& defined,
              const ScanGeometry& grid)
        : a_(a), h_(h), k_(k), defined_(defined), grid_(grid) {}
    void fill(int r, ScanRow& row) override;

private:
    const std::vector<Extended>&a_, &h_, &k_;
    const std::vector<std::uint8_t>& defined_;
    const ScanGeometry& grid_;
};

} // namespace tarlix
