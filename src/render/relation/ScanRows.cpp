#include "render/relation/ScanRows.h"

#include <algorithm>
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
    for (std::size_t i = 0; i + 1 < columns_.size(); ++i) {
        const int c0 = columns_[i], c1 = columns_[i + 1];
        const std::size_t i0 = static_cast<std::size_t>(c0 + 1),
                          i1 = static_cast<std::size_t>(c1 + 1);
        const bool defined = row.sign[i0] != undefinedSign && row.sign[i1] != undefinedSign;
        const Extended v0 = row.value[i0], step = defined ? (row.value[i1] - v0) / (c1 - c0) : 0;
        for (int c = c0 + 1; c < c1; ++c) {
            const std::size_t at = static_cast<std::size_t>(c + 1);
            const Extended v = v0 + step * (c - c0);
            row.value[at] = defined ? v : 0;
            row.sign[at] = defined ? signOf(v) : undefinedSign;
        }
    }
}

// Between two computed rows a point is base + w * delta. Where both ends have the same
// non-zero sign every point between has it too, so its sign needs no comparison.
void SampledRows::preparePair() {
    const std::size_t n = upper_.value.size();
    base_.resize(n);
    delta_.resize(n);
    pairSign_.resize(n);
    for (std::size_t i = 0; i < n; ++i) {
        const std::int8_t su = upper_.sign[i], sl = lower_.sign[i];
        const bool defined = su != undefinedSign && sl != undefinedSign;
        base_[i] = defined ? upper_.value[i] : 0;
        delta_[i] = defined ? lower_.value[i] - upper_.value[i] : 0;
        pairSign_[i] = !defined ? undefinedSign : (su == sl && su != 0) ? su : kSignOfValue;
    }
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
    const std::size_t n = row.value.size();
    // Plain pointers, so that the stores of the row do not make the loop reload its inputs.
    const Extended* __restrict base = base_.data();
    const Extended* __restrict delta = delta_.data();
    const std::int8_t* __restrict pair = pairSign_.data();
    Extended* __restrict value = row.value.data();
    std::int8_t* __restrict sign = row.sign.data();
    for (std::size_t i = 0; i < n; ++i) {
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
