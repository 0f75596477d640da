#include "render/relation/ScanRows.h"

#include <algorithm>
#include <cmath>
#include <utility>

namespace tarlix {

SampledRows::SampledRows(RelationSampler& f, const ScanGeometry& grid, int scanWidth)
    : f_(f), grid_(grid), width_(std::max(scanWidth, 1)) {
    const int last = grid.xLength + 1;
    columns_.push_back(-1);
    for (int c = 0; c < last; c += width_) columns_.push_back(c);
    columns_.push_back(last);
    for (int c : columns_) xs_.push_back(grid.x(c));
    values_.resize(columns_.size());
    upper_.resize(grid.columns());
    lower_.resize(grid.columns());
}

int SampledRows::nextComputedRow(int r) const {
    if (r < 0) return r + 1;
    return std::min((r / width_ + 1) * width_, grid_.yLength + 1);
}

void SampledRows::compute(int r, ScanRow& row) {
    f_.evaluateRow(grid_.y(r), xs_.data(), static_cast<int>(xs_.size()), values_.data());
    for (std::size_t i = 0; i < columns_.size(); ++i) {
        const std::size_t at = static_cast<std::size_t>(columns_[i] + 1);
        Extended v = 0;
        const bool defined = realOf(values_[i], v);
        row.value[at] = defined ? v : 0;
        row.sign[at] = defined ? signOf(v) : undefinedSign;
    }
    for (std::size_t i = 0; i + 1 < columns_.size(); ++i)
        interpolateColumns(row, static_cast<std::size_t>(columns_[i] + 1),
                           static_cast<std::size_t>(columns_[i + 1] + 1));
}

// The points strictly between the computed indices i0 and i1 of a computed row. Between two
// finite ends of one non-zero sign, v0 + step * k rounds to a value no nearer zero than the
// nearer end, so the points share that sign.
void SampledRows::interpolateColumns(ScanRow& row, std::size_t i0, std::size_t i1) {
    const std::int8_t s0 = row.sign[i0], s1 = row.sign[i1];
    Extended* value = row.value.data();
    std::int8_t* sign = row.sign.data();
    if (s0 == undefinedSign || s1 == undefinedSign) {
        std::fill(value + i0 + 1, value + i1, Extended(0));
        std::fill(sign + i0 + 1, sign + i1, undefinedSign);
        return;
    }
    const Extended v0 = value[i0], v1 = value[i1];
    const Extended step = (v1 - v0) / static_cast<int>(i1 - i0);
    for (std::size_t i = i0 + 1; i < i1; ++i) value[i] = v0 + step * static_cast<int>(i - i0);
    if (s0 == s1 && s0 != 0 && std::isfinite(v0) && std::isfinite(v1)) {
        std::fill(sign + i0 + 1, sign + i1, s0);
        return;
    }
    for (std::size_t i = i0 + 1; i < i1; ++i) sign[i] = signOf(value[i]);
}

// Between two computed rows a point is upper + w * (lower - upper). Where both ends have the
// same non-zero sign every point between has it too, so its sign needs no comparison; where
// that holds for a whole block between computed columns, no cell of the block can cross zero
// and the block's values are not needed.
void SampledRows::preparePair() {
    const std::size_t n = upper_.value.size();
    delta_.resize(n);
    pairSign_.resize(n);
    const std::int8_t* su = upper_.sign.data();
    const std::int8_t* sl = lower_.sign.data();
    for (std::size_t i = 0; i < n; ++i) {
        const bool defined = su[i] != undefinedSign && sl[i] != undefinedSign;
        pairSign_[i] = !defined                         ? undefinedSign
                       : (su[i] == sl[i] && su[i] != 0) ? su[i]
                                                        : kSignOfValue;
    }
    runs_.clear();
    for (std::size_t k = 0; k + 1 < columns_.size(); ++k) {
        const auto i0 = static_cast<std::size_t>(columns_[k] + 1);
        const auto i1 = static_cast<std::size_t>(columns_[k + 1] + 1);
        const std::int8_t s = pairSign_[i0];
        bool uniform = s == 1 || s == -1;
        for (std::size_t i = i0 + 1; uniform && i <= i1; ++i) uniform = pairSign_[i] == s;
        addRun(i0, i1 + 1, uniform ? s : 0);
        if (uniform) continue;
        for (std::size_t i = i0; i <= i1; ++i) delta_[i] = lower_.value[i] - upper_.value[i];
    }
}

// Neighbouring blocks of one kind join; they share their boundary column.
void SampledRows::addRun(std::size_t from, std::size_t to, std::int8_t sign) {
    if (!runs_.empty() && runs_.back().sign == sign && runs_.back().to > from)
        runs_.back().to = to;
    else
        runs_.push_back({from, to, sign});
}

void SampledRows::fill(int r, ScanRow& row) {
    while (lowerRow_ < r) {
        std::swap(upper_, lower_);
        upperRow_ = lowerRow_;
        lowerRow_ = lowerRow_ < -1 ? r : nextComputedRow(lowerRow_);
        compute(lowerRow_, lower_);
        if (lowerRow_ - upperRow_ > 1) preparePair();
    }
    if (r == lowerRow_) {
        row.value = lower_.value;
        row.sign = lower_.sign;
        return;
    }
    const Extended w = Extended(r - upperRow_) / (lowerRow_ - upperRow_);
    for (const PairRun& run : runs_) {
        if (run.sign != 0)
            std::fill(row.sign.data() + run.from, row.sign.data() + run.to, run.sign);
        else
            interpolateRows(row, w, run.from, run.to);
    }
}

// The points of indices from .. to - 1 of a row between the computed ones.
void SampledRows::interpolateRows(ScanRow& row, Extended w, std::size_t from, std::size_t to) {
    // Plain pointers, so that the stores of the row do not make the loop reload its inputs.
    const Extended* __restrict base = upper_.value.data();
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

void ConicRows::fill(int r, ScanRow& row) {
    const Extended y = grid_.y(r);
    const std::size_t n = row.value.size();
    for (std::size_t i = 0; i < n; ++i) {
        const bool defined = defined_[i] != 0;
        const Extended v = defined ? (a_[i] * y - 2 * h_[i]) * y + k_[i] : 0;
        row.value[i] = v;
        row.sign[i] = defined ? signOf(v) : undefinedSign;
    }
}

} // namespace tarlix
