#pragma once
// The rows of f values a scan walks over, and where they come from: the expression through
// the sampler (every ScanWidth-th point, the rest interpolated), the interpolation tables of a
// polynomial, or the closed form of a conic.

#include "expression/Value.h"
#include "render/relation/RelationSampler.h"
#include "render/relation/ScanGeometry.h"

#include <cstdint>
#include <cstring>
#include <vector>

namespace tarlix {

inline constexpr std::int8_t undefinedSign = 100;
inline constexpr Extended zeroTolerance = 1e-8L;

inline std::int8_t signOf(Extended v) {
    if (v > -zeroTolerance && v < zeroTolerance) return 0;
    return v > 0 ? 1 : -1;
}

// The cells of columns first .. last (inclusive) of a row.
struct CellSpan {
    int first, last;
};

inline std::uint64_t eightSigns(const std::int8_t* s) {
    std::uint64_t word;
    std::memcpy(&word, s, sizeof word);
    return word;
}

// The eight cells of columns i - 1 .. i + 6 (at indices i .. i + 7) have their corners at
// indices i - 1 .. i + 7 of both rows; they cannot cross zero when those are all 1 or all -1.
inline bool eightCellsOfOneSign(const std::int8_t* s0, const std::int8_t* s1, std::size_t i) {
    constexpr std::uint64_t allPlus = 0x0101010101010101ULL, allMinus = ~std::uint64_t(0);
    const std::uint64_t w = eightSigns(s1 + i - 1);
    return (w == allPlus || w == allMinus) && eightSigns(s1 + i) == w &&
           eightSigns(s0 + i - 1) == w && eightSigns(s0 + i) == w;
}

// One grid row: values and signs of columns -1 .. xLength + 1, at index column + 1. A value
// may be left stale where the point is undefined, or where every cell having the point as a
// corner has four corners of one non-zero sign: no cell reads it there. (A source may learn
// that only when the next row is asked for, and complete the value then.)
struct ScanRow {
    std::vector<Extended> value;
    std::vector<std::int8_t> sign;
    // The only cells between this row and the one above that may cross zero (the others have
    // four corners of one non-zero sign or an undefined one); null when any may.
    const std::vector<CellSpan>* crossing = nullptr;
    void resize(int columns) {
        value.assign(static_cast<std::size_t>(columns), 0);
        sign.assign(static_cast<std::size_t>(columns), undefinedSign);
    }
};

// Reusable rows for sources that fill one row at a time, so that nothing is allocated per
// relation once sized.
struct ScanBuffers {
    ScanRow rows[2];
    void resize(int columns) {
        for (ScanRow& row : rows) row.resize(columns);
    }
};

class ScanRowSource {
public:
    virtual ~ScanRowSource() = default;
    // Row r; rows are asked for in order from -1. A row stays as it is until the second row
    // after it is asked for, except that the values its cells below need may be completed
    // when the next row is asked for. Rows that the source does not keep go to `spare`.
    virtual const ScanRow& row(int r, ScanBuffers& spare) = 0;
};

// A source that computes each row in full into the spare rows.
class RowFiller : public ScanRowSource {
public:
    const ScanRow& row(int r, ScanBuffers& spare) final;

protected:
    virtual void fill(int r, ScanRow& row) = 0;
};

// f through the sampler on every width-th column of every width-th row (and the first and last
// columns and rows); the points between are interpolated linearly in x, then in y. Values next
// to an undefined point stay undefined. Values are interpolated only where a cell may cross
// zero; where all the corners of a block between computed points have one sign, the sign is
// filled in.
class SampledRows final : public ScanRowSource {
public:
    SampledRows(RelationSampler& f, const ScanGeometry& grid, int scanWidth);
    const ScanRow& row(int r, ScanBuffers& spare) override;

private:
    // A computed row; per computed point its sign when it is defined, finite and not 0 (0
    // otherwise, undefinedSign where undefined); and per block between computed columns the
    // sign all its points share (1, -1 or undefinedSign; 0 when they do not) and whether its
    // values are there.
    struct ComputedRow {
        ScanRow row;
        std::vector<std::int8_t> pointSign;
        std::vector<std::int8_t> blockSign;
        std::vector<std::uint8_t> ready;
    };

    int nextComputedRow(int r) const;
    void compute(int r, ComputedRow& row);
    void classifyBlocks(ComputedRow& row);
    static void fillRun(ScanRow& row, std::size_t from, std::size_t to, std::int8_t sign);
    void fillMixedBlock(ComputedRow& row, std::size_t block);
    void completeValues(ComputedRow& row, std::size_t block);
    void preparePair(bool rowsBetween);
    void prepareBlock(std::size_t block, bool rowsBetween);
    bool pairBlockSign(std::size_t i0, std::size_t i1, std::int8_t& sign);
    void addRun(std::size_t from, std::size_t to, std::int8_t sign);
    void interpolateRows(ScanRow& row, Extended w, std::size_t from, std::size_t to);

    RelationSampler& f_;
    const ScanGeometry& grid_;
    int width_;
    std::vector<std::size_t> at_; // index of each computed column
    std::vector<Extended> xs_;    // their world x
    std::vector<Value> values_;   // the sampler's output
    ComputedRow computed_[2];
    ComputedRow* upper_ = &computed_[0];
    ComputedRow* lower_ = &computed_[1];
    ScanRow between_[2];
    int upperRow_ = -2, lowerRow_ = -2;
    // The rows between upper_ and lower_: step to the lower row, and the sign they all share
    // (undefinedSign where an end is undefined, kSignOfValue where it must be computed); and
    // the runs of blocks between computed columns whose points all have one sign (or are all
    // undefined), or 0 for runs of blocks to interpolate, whose cells are the only ones that
    // may cross zero.
    static constexpr std::int8_t kSignOfValue = 2;
    std::vector<Extended> delta_;
    std::vector<std::int8_t> pairSign_;
    struct PairRun {
        std::size_t from, to; // indices from .. to - 1
        std::int8_t sign;
    };
    std::vector<PairRun> runs_;
    std::vector<CellSpan> crossing_;
    bool spansKnown_ = false;
};

// f = A y^2 - 2 H y + K per column, as solved for a conic. Along a column f is a parabola in
// y, so over a band of rows its distance from zero can be bounded from one value: where the
// bound keeps f well away from zero the band takes its sign without evaluating each row, and
// only the bands a root may lie in are evaluated row by row. Values are completed for the
// corners of every cell that may cross zero.
class ConicRows final : public ScanRowSource {
public:
    ConicRows(const std::vector<Extended>& a, const std::vector<Extended>& h,
              const std::vector<Extended>& k, const std::vector<std::uint8_t>& defined,
              const ScanGeometry& grid)
        : a_(a), h_(h), k_(k), defined_(defined), grid_(grid) {}
    const ScanRow& row(int r, ScanBuffers& spare) override;

    // Rows per band; the band of row r starts at the row -1 + a multiple of it.
    static constexpr int bandRows = 32;

private:
    Extended valueAt(std::size_t i, Extended y) const {
        return (a_[i] * y - 2 * h_[i]) * y + k_[i];
    }
    void classifyBand(int first);
    void completeCrossingCells(int r, ScanRow& row, ScanRow& above);

    const std::vector<Extended>&a_, &h_, &k_;
    const std::vector<std::uint8_t>& defined_;
    const ScanGeometry& grid_;
    // Per column the sign every row of the current band shares, or 0 where each row is
    // evaluated (undefinedSign where the column is undefined).
    std::vector<std::int8_t> bandSign_;
    std::vector<std::size_t> evaluated_; // the columns whose band sign is 0
    std::vector<CellSpan> crossing_;
};

} // namespace tarlix
