#include "expression/StoredExtended.h"
#include "render/relation/ScanRows.h"

#include <algorithm>
#include <cstring>
#include <utility>

namespace tarlix {

namespace {

const StoredMagnitudeBelow nearZero(zeroTolerance);

// signOf(v) for a value in memory.
std::int8_t storedSignOf(const Extended& v) {
    if (nearZero(v)) return 0;
    if constexpr (extendedIsX87) {
        const ExtendedBits b = bitsOf(v);
        return b.negative || unordered(b) ? -1 : 1;
    }
    return v > 0 ? 1 : -1;
}

std::uint64_t eightTimes(std::int8_t s) {
    return 0x0101010101010101ULL * static_cast<std::uint8_t>(s);
}

std::uint64_t eightAt(const std::int8_t* p) {
    std::uint64_t word;
    std::memcpy(&word, p, sizeof word);
    return word;
}

// The first block from k on whose sign in a (and in b, when given) is not s.
std::size_t endOfRun(const std::int8_t* a, const std::int8_t* b, std::size_t k, std::size_t blocks,
                     std::int8_t s) {
    const std::uint64_t all = eightTimes(s);
    while (k + 8 <= blocks && eightAt(a + k) == all && (!b || eightAt(b + k) == all)) k += 8;
    while (k < blocks && a[k] == s && (!b || b[k] == s)) ++k;
    return k;
}

} // namespace

SampledRows::SampledRows(RelationSampler& f, const ScanGeometry& grid, int scanWidth)
    : f_(f), grid_(grid), width_(std::max(scanWidth, 1)) {
    const int last = grid.xLength + 1;
    std::vector<int> columns{-1};
    for (int c = 0; c < last; c += width_) columns.push_back(c);
    columns.push_back(last);
    for (int c : columns) {
        at_.push_back(static_cast<std::size_t>(c + 1));
        xs_.push_back(grid.x(c));
    }
    values_.resize(columns.size());
    for (ComputedRow& row : computed_) {
        row.row.resize(grid.columns());
        row.pointSign.resize(columns.size());
        row.blockSign.resize(columns.size() - 1);
        row.ready.resize(columns.size() - 1);
    }
    for (ScanRow& row : between_) row.resize(grid.columns());
    delta_.resize(static_cast<std::size_t>(grid.columns()));
    pairSign_.resize(static_cast<std::size_t>(grid.columns()));
}

int SampledRows::nextComputedRow(int r) const {
    if (r < 0) return r + 1;
    return std::min((r / width_ + 1) * width_, grid_.yLength + 1);
}

void SampledRows::compute(int r, ComputedRow& computed) {
    f_.evaluateRow(grid_.y(r), xs_.data(), static_cast<int>(xs_.size()), values_.data());
    Extended* value = computed.row.value.data();
    std::int8_t* sign = computed.row.sign.data();
    std::int8_t* point = computed.pointSign.data();
    const std::size_t* at = at_.data();
    const Value* values = values_.data();
    const std::size_t n = at_.size();
    for (std::size_t k = 0; k < n; ++k) {
        const Value& v = values[k];
        const std::size_t i = at[k];
        if (isRealResult(v)) {
            std::memcpy(&value[i], &v.x, sizeof(Extended)); // as it is, without the x87
            const std::int8_t s = storedSignOf(v.x);
            sign[i] = s;
            point[k] = s != 0 && storedIsFinite(v.x) ? s : 0;
        } else {
            value[i] = 0;
            sign[i] = point[k] = undefinedSign;
        }
    }
    if (width_ > 1) classifyBlocks(computed);
}

// The points strictly between the computed indices of each block. Between two finite ends of
// one non-zero sign, v0 + step * k rounds to a value no nearer zero than the nearer end, so
// the points share that sign; their values wait until a cell needs them. Between undefined
// ends the points are undefined. Such blocks are filled a run at a time.
void SampledRows::classifyBlocks(ComputedRow& computed) {
    const std::size_t blocks = at_.size() - 1;
    const std::int8_t* point = computed.pointSign.data();
    std::int8_t* shared = computed.blockSign.data();
    std::uint8_t* ready = computed.ready.data();
    for (std::size_t k = 0; k < blocks; ++k) shared[k] = point[k] == point[k + 1] ? point[k] : 0;
    for (std::size_t k = 0; k < blocks; ++k) ready[k] = shared[k] != 1 && shared[k] != -1;
    for (std::size_t k = 0; k < blocks;) {
        const std::int8_t s = shared[k];
        if (s == 0) {
            fillMixedBlock(computed, k++);
            continue;
        }
        const std::size_t end = endOfRun(shared, nullptr, k, blocks, s);
        fillRun(computed.row, at_[k] + 1, at_[end], s);
        k = end;
    }
}

// Undefined points get the value 0, so that no stale value is computed with.
void SampledRows::fillRun(ScanRow& row, std::size_t from, std::size_t to, std::int8_t sign) {
    if (to <= from) return;
    std::fill(row.sign.data() + from, row.sign.data() + to, sign);
    if (sign == undefinedSign)
        std::fill(row.value.data() + from, row.value.data() + to, Extended(0));
}

// A block whose ends differ in sign, or touch zero, infinity or an undefined point.
void SampledRows::fillMixedBlock(ComputedRow& computed, std::size_t k) {
    const std::size_t i0 = at_[k], i1 = at_[k + 1];
    std::int8_t* sign = computed.row.sign.data();
    if (sign[i0] == undefinedSign || sign[i1] == undefinedSign) {
        fillRun(computed.row, i0 + 1, i1, undefinedSign);
        return;
    }
    computed.ready[k] = 0;
    completeValues(computed, k);
    const Extended* value = computed.row.value.data();
    for (std::size_t i = i0 + 1; i < i1; ++i) sign[i] = signOf(value[i]);
}

void SampledRows::completeValues(ComputedRow& computed, std::size_t block) {
    if (computed.ready[block] != 0) return;
    computed.ready[block] = 1;
    const std::size_t i0 = at_[block], i1 = at_[block + 1];
    Extended* value = computed.row.value.data();
    const Extended v0 = value[i0], v1 = value[i1];
    const Extended step = (v1 - v0) / static_cast<int>(i1 - i0);
    for (std::size_t i = i0 + 1; i < i1; ++i) value[i] = v0 + step * static_cast<int>(i - i0);
}

// Between two computed rows a point is upper + w * (lower - upper). Where both ends have the
// same non-zero sign every point between has it too, so its sign needs no comparison; where
// that holds for a whole block between computed columns, no cell of the block can cross zero
// and the block's values are not needed. Only the other blocks get their values.
void SampledRows::preparePair(bool rowsBetween) {
    runs_.clear();
    const std::size_t blocks = at_.size() - 1;
    const std::int8_t* upper = upper_->blockSign.data();
    const std::int8_t* lower = lower_->blockSign.data();
    for (std::size_t k = 0; k < blocks;) {
        const std::int8_t s = upper[k];
        if (s != 0 && lower[k] == s) {
            const std::size_t end = endOfRun(upper, lower, k, blocks, s);
            addRun(at_[k], at_[end] + 1, s);
            k = end;
        } else {
            prepareBlock(k++, rowsBetween);
        }
    }
    crossing_.clear();
    for (const PairRun& run : runs_)
        if (run.sign == 0)
            crossing_.push_back({static_cast<int>(run.from), static_cast<int>(run.to) - 2});
}

// A block whose points may differ in sign between the rows.
void SampledRows::prepareBlock(std::size_t k, bool rowsBetween) {
    const std::size_t i0 = at_[k], i1 = at_[k + 1];
    std::int8_t s = 0;
    if (!pairBlockSign(i0, i1, s)) {
        s = 0;
        completeValues(*upper_, k);
        completeValues(*lower_, k);
        const Extended* upper = upper_->row.value.data();
        const Extended* lower = lower_->row.value.data();
        if (rowsBetween)
            for (std::size_t i = i0; i <= i1; ++i) delta_[i] = lower[i] - upper[i];
    }
    addRun(i0, i1 + 1, s);
}

// The signs of the points of indices i0 .. i1 between the rows; true, with `sign`, when they
// are all 1, all -1 or all undefined.
bool SampledRows::pairBlockSign(std::size_t i0, std::size_t i1, std::int8_t& sign) {
    const std::int8_t* su = upper_->row.sign.data();
    const std::int8_t* sl = lower_->row.sign.data();
    for (std::size_t i = i0; i <= i1; ++i) {
        const bool defined = su[i] != undefinedSign && sl[i] != undefinedSign;
        pairSign_[i] = !defined                         ? undefinedSign
                       : (su[i] == sl[i] && su[i] != 0) ? su[i]
                                                        : kSignOfValue;
    }
    sign = pairSign_[i0];
    if (sign == kSignOfValue) return false;
    for (std::size_t i = i0 + 1; i <= i1; ++i)
        if (pairSign_[i] != sign) return false;
    return true;
}

// Neighbouring blocks of one kind join; they share their boundary column.
void SampledRows::addRun(std::size_t from, std::size_t to, std::int8_t sign) {
    if (!runs_.empty() && runs_.back().sign == sign && runs_.back().to > from)
        runs_.back().to = to;
    else
        runs_.push_back({from, to, sign});
}

const ScanRow& SampledRows::row(int r, ScanBuffers&) {
    while (lowerRow_ < r) {
        std::swap(upper_, lower_);
        upperRow_ = lowerRow_;
        lowerRow_ = lowerRow_ < -1 ? r : nextComputedRow(lowerRow_);
        compute(lowerRow_, *lower_);
        // With every point computed all values are there, and the trace looks at every cell.
        spansKnown_ = upperRow_ >= -1 && width_ > 1;
        if (spansKnown_) preparePair(lowerRow_ - upperRow_ > 1);
    }
    const std::vector<CellSpan>* crossing = spansKnown_ ? &crossing_ : nullptr;
    if (r == lowerRow_) {
        lower_->row.crossing = crossing;
        return lower_->row;
    }
    ScanRow& out = between_[r & 1];
    out.crossing = crossing;
    const Extended w = Extended(r - upperRow_) / (lowerRow_ - upperRow_);
    for (const PairRun& run : runs_) {
        if (run.sign != 0)
            std::fill(out.sign.data() + run.from, out.sign.data() + run.to, run.sign);
        else
            interpolateRows(out, w, run.from, run.to);
    }
    return out;
}

// The points of indices from .. to - 1 of a row between the computed ones.
void SampledRows::interpolateRows(ScanRow& row, Extended w, std::size_t from, std::size_t to) {
    // Plain pointers, so that the stores of the row do not make the loop reload its inputs.
    const Extended* __restrict base = upper_->row.value.data();
    const Extended* __restrict delta = delta_.data();
    const std::int8_t* __restrict pair = pairSign_.data();
    Extended* __restrict value = row.value.data();
    std::int8_t* __restrict sign = row.sign.data();
    for (std::size_t i = from; i < to; ++i) {
        const Extended v = base[i] + w * delta[i];
        value[i] = v;
        const std::int8_t s = pair[i];
        sign[i] = s == kSignOfValue ? signOf(v) : s;
    }
}

} // namespace tarlix
