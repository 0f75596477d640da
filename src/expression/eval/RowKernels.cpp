#include "expression/eval/RowKernels.h"

#include "expression/functions/Angles.h"
#include "expression/functions/WholeNumber.h"

#include <cmath>

namespace tarlix {

namespace {

void setReal(Row& out, std::size_t i, Extended x) {
    out.x[i] = x;
    out.y[i] = 0;
    out.kind[i] = vkReal;
    out.valid[i] = componentInRange(x) ? 1 : 0;
}

// Columns whose operand is a defined real take f; the others the scalar function.
template <typename F>
void unaryLoop(Builtin id, const RowView& a, Row& out, std::size_t n, const FunctionContext& c,
               F f) {
    for (std::size_t i = 0; i < n; ++i) {
        if (a.definedReal(i))
            setReal(out, i, f(a.real(i)));
        else
            out.set(i, applyUnary(id, a.get(i), c));
    }
}

template <typename F>
void binaryLoop(Builtin id, const RowView& a, const RowView& b, Row& out, std::size_t n,
                const FunctionContext& c, F f) {
    for (std::size_t i = 0; i < n; ++i) {
        if (a.definedReal(i) && b.definedReal(i))
            setReal(out, i, f(a.real(i), b.real(i)));
        else
            out.set(i, applyBinary(id, a.get(i), b.get(i), c));
    }
}

// The repeated squaring of the power operator, step for step.
Extended wholePower(Extended a, unsigned n) {
    Extended result = 1;
    while (true) {
        if (n & 1u) result *= a;
        n >>= 1u;
        if (n == 0) return result;
        a *= a;
    }
}

// A ^ n for a constant whole n in 1..20: the power operator's result for real A.
void smallPowerRow(const RowView& a, const Tvalue& b, Row& out, std::size_t n,
                   const FunctionContext& c) {
    const auto k = static_cast<unsigned>(b.x);
    const bool odd = std::fmod(b.x, 2) != 0;
    for (std::size_t i = 0; i < n; ++i) {
        if (!a.definedReal(i)) {
            out.set(i, applyBinary(Builtin::Power, a.get(i), b, c));
            continue;
        }
        const Extended v = a.real(i);
        if (v > 0)
            setReal(out, i, wholePower(v, k));
        else if (v < 0) {
            const Extended r = wholePower(-v, k);
            setReal(out, i, odd ? -r : r);
        } else
            setReal(out, i, 0);
    }
}

bool isSmallWholeExponent(const RowView& b) {
    if (!b.isConstant() || !b.definedReal(0)) return false;
    const Extended e = b.real(0);
    return std::trunc(e) == e && e >= 1 && e <= 20;
}

void genericUnary(Builtin id, const RowView& a, Row& out, std::size_t n, const FunctionContext& c) {
    for (std::size_t i = 0; i < n; ++i) out.set(i, applyUnary(id, a.get(i), c));
}

} // namespace

void applyUnaryRow(Builtin id, const RowView& a, Row& out, std::size_t n,
                   const FunctionContext& c) {
    const EngineSettings& s = c.settings;
    switch (id) {
    case Builtin::Negate:
        for (std::size_t i = 0; i < n; ++i) {
            Tvalue v = a.get(i);
            if (v.valid) {
                v.x = -v.x;
                v.y = -v.y;
            }
            out.set(i, v);
        }
        return;
    case Builtin::Sin:
        return unaryLoop(id, a, out, n, c,
                         [&](Extended x) { return std::sin(angleToRadians(x, s)); });
    case Builtin::Cos:
        return unaryLoop(id, a, out, n, c,
                         [&](Extended x) { return std::cos(angleToRadians(x, s)); });
    case Builtin::Exp:
        return unaryLoop(id, a, out, n, c, [](Extended x) { return std::exp(x); });
    case Builtin::Sqrt:
        for (std::size_t i = 0; i < n; ++i) {
            if (a.definedReal(i) && a.real(i) >= 0)
                setReal(out, i, std::sqrt(a.real(i)));
            else
                out.set(i, applyUnary(id, a.get(i), c));
        }
        return;
    default:
        return genericUnary(id, a, out, n, c);
    }
}

void applyBinaryRow(Builtin id, const RowView& a, const RowView& b, Row& out, std::size_t n,
                    const FunctionContext& c) {
    if (c.settings.ComplexMode) {
        for (std::size_t i = 0; i < n; ++i) out.set(i, applyBinary(id, a.get(i), b.get(i), c));
        return;
    }
    switch (id) {
    case Builtin::Add:
        return binaryLoop(id, a, b, out, n, c, [](Extended p, Extended q) { return p + q; });
    case Builtin::Subtract:
        return binaryLoop(id, a, b, out, n, c, [](Extended p, Extended q) { return p + -q; });
    case Builtin::Multiply:
    case Builtin::Cross:
        return binaryLoop(id, a, b, out, n, c, [](Extended p, Extended q) { return p * q; });
    case Builtin::Divide:
        for (std::size_t i = 0; i < n; ++i) {
            if (a.definedReal(i) && b.definedReal(i) && b.real(i) != 0)
                setReal(out, i, a.real(i) / b.real(i));
            else
                out.set(i, applyBinary(id, a.get(i), b.get(i), c));
        }
        return;
    case Builtin::Power:
        if (isSmallWholeExponent(b)) return smallPowerRow(a, b.get(0), out, n, c);
        break;
    default:
        break;
    }
    for (std::size_t i = 0; i < n; ++i) out.set(i, applyBinary(id, a.get(i), b.get(i), c));
}

} // namespace tarlix
