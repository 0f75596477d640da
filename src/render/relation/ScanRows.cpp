#include "render/relation/ScanRows.h"

#include <algorithm>

namespace tarlix {

const ScanRow& RowFiller::row(int r, ScanBuffers& spare) {
    ScanRow& out = spare.rows[r & 1];
    out.crossing = nullptr;
    fill(r, out);
    return out;
}

namespace {

// How far from zero a value must be kept for its sign to be taken without evaluating it:
// far above the tolerance of the signs and the rounding of the evaluation.
constexpr Extended kClearOfZero = 1e-6L;
constexpr Extended kRoundingShare = 1e-12L;

Extended magnitude(Extended v) {
    return v < 0 ? -v : v;
}

} // namespace

// f(y) = f(c) + f'(c) (y - c) + A (y - c)^2, so over rows within h of c, f stays within
// |f'(c)| h + |A| h^2 of f(c).
void ConicRows::classifyBand(int first) {
    const int last = std::min(first + bandRows - 1, grid_.yLength + 1);
    const Extended y0 = grid_.y(first), y1 = grid_.y(last);
    const Extended c = (y0 + y1) / 2, h = magnitude(y1 - y0) / 2;
    const std::size_t n = defined_.size();
    bandSign_.resize(n);
    evaluated_.clear();
    for (std::size_t i = 0; i < n; ++i) {
        if (!defined_[i]) {
            bandSign_[i] = undefinedSign;
            continue;
        }
        const Extended a = a_[i], v = valueAt(i, c);
        const Extended slope = magnitude(2 * a * c - 2 * h_[i]);
        const Extended spread = slope * h + magnitude(a) * h * h;
        const Extended size = magnitude(a) * c * c + magnitude(2 * h_[i] * c) + magnitude(k_[i]);
        const Extended margin = spread + kClearOfZero + kRoundingShare * (size + spread);
        bandSign_[i] = v > margin ? 1 : v < -margin ? -1 : 0;
        if (bandSign_[i] == 0) evaluated_.push_back(i);
    }
}

const ScanRow& ConicRows::row(int r, ScanBuffers& spare) {
    if ((r + 1) % bandRows == 0) classifyBand(r);
    ScanRow& out = spare.rows[r & 1];
    const Extended y = grid_.y(r);
    std::copy(bandSign_.begin(), bandSign_.end(), out.sign.begin());
    for (const std::size_t i : evaluated_) {
        const Extended v = valueAt(i, y);
        out.value[i] = v;
        out.sign[i] = signOf(v);
    }
    if (r > -1) completeCrossingCells(r, out, spare.rows[(r - 1) & 1]);
    out.crossing = &crossing_;
    return out;
}

// A cell may cross zero unless its four corners share one non-zero sign (or one is
// undefined); its corner values are evaluated, in this row and the one above.
void ConicRows::completeCrossingCells(int r, ScanRow& row, ScanRow& above) {
    crossing_.clear();
    const Extended y = grid_.y(r), yAbove = grid_.y(r - 1);
    const std::int8_t* s0 = above.sign.data();
    const std::int8_t* s1 = row.sign.data();
    const int last = grid_.xLength + 1;
    for (int c = 0; c <= last; ++c) {
        const std::size_t i = static_cast<std::size_t>(c + 1);
        if (c + 7 <= last && eightCellsOfOneSign(s0, s1, i)) {
            c += 7;
            continue;
        }
        const int sum = s1[i - 1] + s1[i] + s0[i - 1] + s0[i];
        if (s1[i] == undefinedSign || sum > 3 || sum < -3) continue;
        for (const std::size_t k : {i - 1, i}) {
            row.value[k] = valueAt(k, y);
            above.value[k] = valueAt(k, yAbove);
        }
        if (!crossing_.empty() && crossing_.back().last == c - 1)
            crossing_.back().last = c;
        else
            crossing_.push_back({c, c});
    }
}

} // namespace tarlix
