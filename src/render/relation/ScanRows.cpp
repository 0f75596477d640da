#include "render/relation/ScanRows.h"

namespace tarlix {

const ScanRow& RowFiller::row(int r, ScanBuffers& spare) {
    ScanRow& out = spare.rows[r & 1];
    out.crossing = nullptr;
    fill(r, out);
    return out;
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
