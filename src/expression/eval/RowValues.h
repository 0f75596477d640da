#pragma once
// Values of a whole row of pixel columns, held as flat arrays so that one token can be applied
// to every column in a tight loop, and views that read a row or one value repeated over it.
// A row whose columns are all reals keeps only x and the validity (the common case of a
// graph), which halves what every token reads and writes.

#include "expression/Value.h"

#include <cmath>
#include <cstddef>
#include <cstdint>
#include <cstring>
#include <vector>

namespace tarlix {

struct Row {
    std::vector<Extended> x;
    std::vector<Extended> y;
    std::vector<ValueKind> kind;
    std::vector<std::uint8_t> valid;
    bool allReal = false; // every column a real with y = 0; kind and y are not kept then

    void resize(std::size_t n) {
        x.resize(n);
        y.resize(n);
        kind.resize(n);
        valid.resize(n);
        allReal = false;
    }
    std::size_t size() const { return x.size(); }
    Value get(std::size_t i) const {
        if (allReal) return Value{ValueKind::Real, x[i], 0, valid[i]};
        return Value{kind[i], x[i], y[i], valid[i]};
    }
    // Keeps every column; columns before `from` were written in the reals-only form.
    void keepAll(std::size_t from) {
        if (!allReal) return;
        for (std::size_t j = 0; j < from; ++j) {
            kind[j] = ValueKind::Real;
            y[j] = 0;
        }
        allReal = false;
    }
    // Columns are written in order; a value that is not a plain real ends the reals-only form.
    void set(std::size_t i, const Value& v) {
        if (allReal) {
            if (v.kind == ValueKind::Real && v.y == 0) {
                x[i] = v.x;
                valid[i] = v.valid;
                return;
            }
            keepAll(i);
        }
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
    const ValueKind* kind = nullptr;
    const std::uint8_t* valid = nullptr;
    std::size_t stride = 1;     // in values, for x and y
    std::size_t flagStride = 1; // in bytes, for kind and valid
    bool allReal = false;
    Value constant; // the value itself when stride is 0

    RowView() = default;
    RowView(const RowView& o) { *this = o; }
    RowView& operator=(const RowView& o) {
        x = o.x;
        y = o.y;
        kind = o.kind;
        valid = o.valid;
        stride = o.stride;
        flagStride = o.flagStride;
        allReal = o.allReal;
        constant = o.constant;
        bind();
        return *this;
    }

    static RowView of(const Row& r) {
        RowView v;
        v.x = r.x.data();
        v.y = r.y.data();
        v.kind = r.kind.data();
        v.valid = r.valid.data();
        v.allReal = r.allReal;
        return v;
    }
    // The values themselves, read in place; reals when every one is a real.
    static RowView of(const Value* values, std::size_t n) {
        RowView v;
        v.x = &values->x;
        v.y = &values->y;
        v.kind = &values->kind;
        v.valid = &values->valid;
        v.stride = sizeof(Value) / sizeof(Extended);
        v.flagStride = sizeof(Value);
        v.allReal = true;
        for (std::size_t i = 0; i < n && v.allReal; ++i)
            v.allReal = values[i].kind == ValueKind::Real;
        return v;
    }
    static RowView same(const Value& value) {
        RowView v;
        v.constant = value;
        v.stride = 0;
        v.flagStride = 0;
        v.allReal = value.kind == ValueKind::Real && value.y == 0;
        v.bind();
        return v;
    }
    bool isConstant() const { return stride == 0; }
    Value get(std::size_t i) const {
        const std::size_t k = i * stride;
        const std::size_t f = i * flagStride;
        if (allReal) return Value{ValueKind::Real, x[k], 0, valid[f]};
        return Value{kind[f], x[k], y[k], valid[f]};
    }
    bool definedReal(std::size_t i) const {
        const std::size_t f = i * flagStride;
        return valid[f] && (allReal || kind[f] == ValueKind::Real);
    }
    Extended real(std::size_t i) const { return x[i * stride]; }

private:
    // A constant points at its own copy of the value.
    void bind() {
        if (stride != 0) return;
        x = &constant.x;
        y = &constant.y;
        kind = &constant.kind;
        valid = &constant.valid;
    }
};

// The range rule of one component, inline for the row loops (the same bounds as inRange).
inline bool componentInRange(Extended c) {
    const Extended a = std::fabs(c);
    return c == 0 || (a > 1e-2416L && a < 1e+2414L);
}

// True for the many values that lie far from any whole number, which the integer snapping of
// final results leaves as they are.
inline bool farFromWhole(Extended c) {
    constexpr Extended kShift = 1.5L * 9223372036854775808.0L;  // 1.5 * 2^63
    if (!(std::fabs(c) < 4611686018427387904.0L)) return false; // 2^62
    const Extended nearest = (c + kShift) - kShift;
    // A double just above the snapping distance 1e-17: cheaper to load than the long double.
    constexpr double kFar = 1.0000001e-17;
    return std::fabs(c - nearest) >= kFar;
}

// The integer snapping of final results, with a quick test for values far from whole numbers.
inline Value snapQuick(const Value& v) {
    if (!v.valid) return v;
    if (farFromWhole(v.x) && (v.kind != ValueKind::Pair || farFromWhole(v.y))) return v;
    return snap(v);
}

// out = snapQuick of the defined real r, written field by field (y as plain zero bytes).
inline void putSnappedReal(Value& out, Extended r) {
    if (!farFromWhole(r)) {
        out = snap(Value{ValueKind::Real, r, 0, 1});
        return;
    }
    out.kind = ValueKind::Real;
    out.x = r;
    std::memset(static_cast<void*>(&out.y), 0, sizeof out.y);
    out.valid = 1;
}

} // namespace tarlix
