#include "expression/eval/RowKernels.h"

#include "expression/functions/Angles.h"
#include "expression/functions/Trigonometry.h"

#include <cmath>
#include <cstring>

namespace tarlix {

namespace {

// The columns whose operands are defined reals and for which fast(a, b, r) agrees go through
// the inline arithmetic; every other column takes slow, the stack machine's own function.
template <typename Fast, typename Slow>
void binaryKernel(const RowView& a, const RowView& b, Row& out, std::size_t n, Fast fast,
                  Slow slow) {
    std::size_t i = 0;
    if (a.allReal && b.allReal) {
        out.allReal = true;
        const Extended* __restrict ax = a.x;
        const Extended* __restrict bx = b.x;
        const std::uint8_t* __restrict av = a.valid;
        const std::uint8_t* __restrict bv = b.valid;
        Extended* __restrict ox = out.x.data();
        std::uint8_t* __restrict ov = out.valid.data();
        const std::size_t as = a.stride, bs = b.stride;
        const std::size_t afs = a.flagStride, bfs = b.flagStride;
        for (; i < n; ++i) {
            Extended r;
            if (av[i * afs] && bv[i * bfs] && fast(ax[i * as], bx[i * bs], r)) {
                ox[i] = r;
                ov[i] = componentInRange(r);
                continue;
            }
            out.set(i, slow(a.get(i), b.get(i)));
            if (!out.allReal) {
                ++i;
                break;
            }
        }
    }
    for (; i < n; ++i) {
        Extended r;
        if (a.definedReal(i) && b.definedReal(i) && fast(a.real(i), b.real(i), r))
            out.set(i,
                    Value{ValueKind::Real, r, 0, static_cast<std::uint8_t>(componentInRange(r))});
        else
            out.set(i, slow(a.get(i), b.get(i)));
    }
}

template <typename Fast, typename Slow>
void unaryKernel(const RowView& a, Row& out, std::size_t n, Fast fast, Slow slow) {
    const RowView one = RowView::same(makeReal(0));
    binaryKernel(
        a, one, out, n, [&](Extended p, Extended, Extended& r) { return fast(p, r); },
        [&](const Value& p, const Value&) { return slow(p); });
}

bool isSmallWholeExponent(const RowView& b) {
    if (!b.isConstant() || !b.definedReal(0)) return false;
    const Extended e = b.real(0);
    return std::trunc(e) == e && e >= 1 && e <= 20;
}

} // namespace

void sinCosRow(const RowView& a, Row& sinOut, Row& cosOut, std::size_t n,
               const FunctionContext& c) {
    const EngineSettings& s = c.settings;
    sinOut.allReal = cosOut.allReal = true;
    for (std::size_t i = 0; i < n; ++i) {
        if (a.definedReal(i)) {
            Extended sine, cosine;
            sinCosRadians(angleToRadians(a.real(i), s), sine, cosine);
            sinOut.set(i, Value{ValueKind::Real, sine, 0,
                                static_cast<std::uint8_t>(componentInRange(sine))});
            cosOut.set(i, Value{ValueKind::Real, cosine, 0,
                                static_cast<std::uint8_t>(componentInRange(cosine))});
        } else {
            sinOut.set(i, applyUnary(Builtin::Sin, a.get(i), c));
            cosOut.set(i, applyUnary(Builtin::Cos, a.get(i), c));
        }
    }
}

void applyUnaryRow(Builtin id, const RowView& a, Row& out, std::size_t n,
                   const FunctionContext& c) {
    const EngineSettings& s = c.settings;
    auto slow = [&](const Value& v) { return applyUnary(id, v, c); };
    switch (id) {
    case Builtin::Negate:
        return unaryKernel(
            a, out, n,
            [](Extended x, Extended& r) {
                r = -x;
                return true;
            },
            slow);
    case Builtin::Sin:
        return unaryKernel(
            a, out, n,
            [&](Extended x, Extended& r) {
                r = sinRadians(angleToRadians(x, s));
                return true;
            },
            slow);
    case Builtin::Cos:
        return unaryKernel(
            a, out, n,
            [&](Extended x, Extended& r) {
                r = cosRadians(angleToRadians(x, s));
                return true;
            },
            slow);
    case Builtin::Exp:
        return unaryKernel(
            a, out, n,
            [](Extended x, Extended& r) {
                r = std::exp(x);
                return true;
            },
            slow);
    case Builtin::Sqrt:
        return unaryKernel(
            a, out, n,
            [](Extended x, Extended& r) {
                if (!(x >= 0)) return false; // no square root of a negative is ever taken
                r = std::sqrt(x);
                return true;
            },
            slow);
    case Builtin::Int:
        return unaryKernel(
            a, out, n,
            [](Extended x, Extended& r) {
                r = quickFloor(x + kIntNudge);
                return true;
            },
            slow);
    case Builtin::Abs:
        return unaryKernel(
            a, out, n,
            [](Extended x, Extended& r) {
                r = std::fabs(x);
                return true;
            },
            slow);
    default:
        for (std::size_t i = 0; i < n; ++i) out.set(i, slow(a.get(i)));
        return;
    }
}

namespace {
// The pair literal of two rows of reals, as pairFromReals makes it column by column: curves
// build their points this way.
void pairKernel(const RowView& a, const RowView& b, Row& out, std::size_t n) {
    out.allReal = false;
    for (std::size_t i = 0; i < n; ++i) {
        const bool defined = a.valid[i * a.flagStride] && b.valid[i * b.flagStride];
        out.kind[i] = ValueKind::Pair;
        out.valid[i] = defined;
        // Copied as bytes: the values are only moved, and the FPU moves extended values slowly.
        if (defined) {
            std::memcpy(&out.x[i], &a.x[i * a.stride], sizeof(Extended));
            std::memcpy(&out.y[i], &b.x[i * b.stride], sizeof(Extended));
        } else {
            out.x[i] = 0;
            out.y[i] = 0;
        }
    }
}
} // namespace

void applyBinaryRow(Builtin id, const RowView& a, const RowView& b, Row& out, std::size_t n,
                    const FunctionContext& c) {
    auto slow = [&](const Value& p, const Value& q) { return applyBinary(id, p, q, c); };
    if (c.settings.complexMode) {
        for (std::size_t i = 0; i < n; ++i) out.set(i, slow(a.get(i), b.get(i)));
        return;
    }
    // A leading sign: the signed zero takes the kind of the other operand, so next to a real
    // it is the real 0 (the other kinds keep the original operand on the slow path).
    if ((id == Builtin::Add || id == Builtin::Subtract) && a.isConstant() &&
        a.get(0).kind == ValueKind::SignedZero && a.get(0).valid) {
        const Value sign = a.get(0);
        const RowView zero = RowView::same(makeReal(0));
        auto slowSigned = [&](const Value&, const Value& q) { return applyBinary(id, sign, q, c); };
        if (id == Builtin::Add)
            return binaryKernel(
                zero, b, out, n,
                [](Extended p, Extended q, Extended& r) {
                    r = p + q;
                    return true;
                },
                slowSigned);
        return binaryKernel(
            zero, b, out, n,
            [](Extended p, Extended q, Extended& r) {
                r = p + -q;
                return true;
            },
            slowSigned);
    }
    switch (id) {
    case Builtin::Add:
        return binaryKernel(
            a, b, out, n,
            [](Extended p, Extended q, Extended& r) {
                r = p + q;
                return true;
            },
            slow);
    case Builtin::Subtract:
        return binaryKernel(
            a, b, out, n,
            [](Extended p, Extended q, Extended& r) {
                r = p + -q;
                return true;
            },
            slow);
    case Builtin::Multiply:
    case Builtin::Cross:
        return binaryKernel(
            a, b, out, n,
            [](Extended p, Extended q, Extended& r) {
                r = p * q;
                return true;
            },
            slow);
    case Builtin::Divide:
        return binaryKernel(
            a, b, out, n,
            [](Extended p, Extended q, Extended& r) {
                if (q == 0) return false;
                r = p / q;
                return true;
            },
            slow);
    case Builtin::Power:
        if (isSmallWholeExponent(b)) {
            const auto k = static_cast<unsigned>(b.real(0));
            const bool odd = std::fmod(b.real(0), 2) != 0;
            return binaryKernel(
                a, b, out, n,
                [k, odd](Extended p, Extended, Extended& r) {
                    r = signedWholePower(p, k, odd);
                    return true;
                },
                slow);
        }
        break;
    case Builtin::CPS:
        if (a.allReal && b.allReal) return pairKernel(a, b, out, n);
        break;
    default:
        break;
    }
    for (std::size_t i = 0; i < n; ++i) out.set(i, slow(a.get(i), b.get(i)));
}

} // namespace tarlix
