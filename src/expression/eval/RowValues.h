#pragma once
// Values of a whole row of pixel columns, held as flat arrays so that one token can be applied
// to every column in a tight loop, and views that read a row or one value repeated over it.

#include "expression/Value.h"

#include <cmath>
#include <cstddef>
#include <cstdint>
#include <vector>

namespace tarlix {

struct Row {
    std::vector<Extended> x;
    std::vector<Extended> y;
    std::vector<std::uint8_t> kind;
    std::vector<std::uint8_t> valid;

    void resize(std::size_t n) {
        x.resize(n);
        y.resize(n);
        kind.resize(n);
        valid.resize(n);
    }
    std::size_t size() const { return x.size(); }
    Tvalue get(std::size_t i) const { return Tvalue{kind[i], x[i], y[i], valid[i]}; }
    void set(std::size_t i, const Tvalue& v) {
        kind[i] = v.kind;
        x[i] = v.x;
        y[i] = v.y;
        valid[i] = v.valid;
    }
};

// A row, or one value standing for every column (stride 0).
struct RowView {
    const Extended* x = nullptr;
    const Extended* y = nullptr;
    const std::uint8_t* kind = nullptr;
    const std::uint8_t* valid = nullptr;
    std::size_t stride = 1;
    Tvalue constant; // the value itself when stride is 0

    RowView() = default;
    RowView(const Extended* x_, const Extended* y_, const std::uint8_t* kind_,
            const std::uint8_t* valid_, std::size_t stride_, const Tvalue& constant_)
        : x(x_), y(y_), kind(kind_), valid(valid_), stride(stride_), constant(constant_) {
        bind();
    }
    RowView(const RowView& o) : RowView(o.x, o.y, o.kind, o.valid, o.stride, o.constant) {}
    RowView& operator=(const RowView& o) {
        x = o.x;
        y = o.y;
        kind = o.kind;
        valid = o.valid;
        stride = o.stride;
        constant = o.constant;
        bind();
        return *this;
    }

    static RowView of(const Row& r) {
        return {r.x.data(), r.y.data(), r.kind.data(), r.valid.data(), 1, {}};
    }
    static RowView same(const Tvalue& v) {
        return RowView(nullptr, nullptr, nullptr, nullptr, 0, v);
    }
    // Points the arrays at the held constant (after a copy, too).
    void bind() {
        if (stride != 0) return;
        x = &constant.x;
        y = &constant.y;
        kind = &constant.kind;
        valid = &constant.valid;
    }
    bool isConstant() const { return stride == 0; }
    Tvalue get(std::size_t i) const {
        const std::size_t k = i * stride;
        return Tvalue{kind[k], x[k], y[k], valid[k]};
    }
    bool definedReal(std::size_t i) const {
        const std::size_t k = i * stride;
        return valid[k] && kind[k] == vkReal;
    }
    Extended real(std::size_t i) const { return x[i * stride]; }
};

// The range rule of one component, inline for the row loops (the same bounds as inRange).
inline bool componentInRange(Extended c) {
    const Extended a = std::fabs(c);
    return c == 0 || (a > 1e-2416L && a < 1e+2414L);
}

} // namespace tarlix
