#include "expression/eval/RowSums.h"

#include "expression/StoredExtended.h"
#include "expression/Vocabulary.h"
#include "expression/eval/RowKernels.h"
#include "expression/eval/RowValues.h"
#include "expression/eval/TokenBuiltins.h"
#include "expression/functions/Angles.h"

#include <algorithm>
#include <cmath>
#include <limits>

namespace tarlix {

namespace {

using Term = RowSum::Term;
using Base = RowSum::Base;

// A node of the code's tree: a constant, x, or an operator over earlier nodes.
struct Node {
    enum class Kind { Constant, X, Op } kind = Kind::Constant;
    Builtin id = Builtin::Add;
    Extended value = 0;
    int a = -1, b = -1;
};

bool plainReal(const Value& v) {
    return v.valid && v.kind == ValueKind::Real && v.y == 0;
}

// The tree of a code made of constants, x and the operators of a sum of terms; nothing for
// any other code.
class TreeReader {
public:
    TreeReader(const CodeView& code, const Evaluator& scalar) : code_(code), scalar_(scalar) {}

    std::optional<std::vector<Node>> read() {
        nodes_.reserve(code_.code.size());
        stack_.reserve(code_.code.size());
        for (char ch : code_.code)
            if (!token(ch & 0xFF)) return std::nullopt;
        if (stack_.size() != 1) return std::nullopt;
        return nodes_;
    }
    int root() const { return stack_.back(); }

private:
    bool push(Node n) {
        nodes_.push_back(n);
        stack_.push_back(static_cast<int>(nodes_.size()) - 1);
        return true;
    }
    bool constant(const Value& v) {
        if (!plainReal(v)) return false;
        return push(Node{Node::Kind::Constant, Builtin::Add, v.x});
    }
    int pop() {
        const int n = stack_.back();
        stack_.pop_back();
        return n;
    }
    const Node& at(int n) const { return nodes_[static_cast<std::size_t>(n)]; }
    bool isConstantNode(int n) const { return at(n).kind == Node::Kind::Constant; }

    bool token(int t) {
        if (isConstant(t)) return constant((*code_.consts)[static_cast<std::size_t>(t)]);
        if (t == Token::X) return push(Node{Node::Kind::X});
        if (t == Token::Pi) return constant(makeReal(kPi));
        if (t == Token::E) return constant(makeReal(std::exp(1.0L)));
        if (isParameter(t))
            return constant(makeReal(scalar_.env().parameters.value(parameterIndex(t))));
        // The stack machine reads y from parameter slot 0: a constant for the whole row.
        if (t == Token::Y) return constant(makeReal(scalar_.env().parameters.value(0)));
        if (t == Token::PointFn) return false;
        const auto id = builtinOfToken(t);
        if (!id) return false;
        if (isPostfix(t) || isOneArg(t)) return unary(*id);
        if (isBinary(t) || isTwoArg(t)) return binary(*id);
        return false;
    }
    bool unary(Builtin id) {
        if (stack_.empty()) return false;
        const int a = pop();
        if (isConstantNode(a) && id != Builtin::Rnd) // rnd draws anew in every column
            return constant(applyUnary(id, makeReal(at(a).value), scalar_.functions()));
        if (id != Builtin::Abs && id != Builtin::Int) return false;
        return push(Node{Node::Kind::Op, id, 0, a});
    }
    bool binary(Builtin id) {
        if (stack_.size() < 2) return false;
        const int b = pop();
        const int a = pop();
        if (isConstantNode(a) && isConstantNode(b))
            return constant(
                applyBinary(id, makeReal(at(a).value), makeReal(at(b).value), scalar_.functions()));
        if (id != Builtin::Add && id != Builtin::Subtract && id != Builtin::Multiply &&
            id != Builtin::Power)
            return false;
        return push(Node{Node::Kind::Op, id, 0, a, b});
    }

    const CodeView& code_;
    const Evaluator& scalar_;
    std::vector<Node> nodes_;
    std::vector<int> stack_;
};

// x, x^k, abs(x) or int(x) as a term's base.
std::optional<Term> baseOf(const std::vector<Node>& nodes, int n) {
    const Node& node = nodes[static_cast<std::size_t>(n)];
    auto isX = [&](int m) {
        return m >= 0 && nodes[static_cast<std::size_t>(m)].kind == Node::Kind::X;
    };
    Term t;
    if (node.kind == Node::Kind::X) return t;
    if (node.kind != Node::Kind::Op || !isX(node.a)) return std::nullopt;
    if (node.id == Builtin::Abs || node.id == Builtin::Int) {
        t.base = node.id == Builtin::Abs ? Base::Abs : Base::Int;
        return t;
    }
    if (node.id != Builtin::Power) return std::nullopt;
    const Node& e = nodes[static_cast<std::size_t>(node.b)];
    if (e.kind != Node::Kind::Constant || std::trunc(e.value) != e.value || e.value < 1 ||
        e.value > 20)
        return std::nullopt;
    t.base = Base::Power;
    t.k = static_cast<unsigned>(e.value);
    t.odd = std::fmod(e.value, 2) != 0;
    return t;
}

// A constant, a base, a constant times a base, or such a product times a further constant
// (3 x y with y held for the row).
std::optional<Term> termOf(const std::vector<Node>& nodes, int n) {
    const Node& node = nodes[static_cast<std::size_t>(n)];
    if (node.kind == Node::Kind::Constant) {
        Term t;
        t.base = Base::One;
        t.coefficient = node.value;
        return t;
    }
    if (node.kind == Node::Kind::Op && node.id == Builtin::Multiply) {
        const bool aConstant = nodes[static_cast<std::size_t>(node.a)].kind == Node::Kind::Constant;
        const bool bConstant = nodes[static_cast<std::size_t>(node.b)].kind == Node::Kind::Constant;
        if (aConstant == bConstant) return std::nullopt;
        const int inner = aConstant ? node.b : node.a;
        const Extended factor = nodes[static_cast<std::size_t>(aConstant ? node.a : node.b)].value;
        if (auto t = baseOf(nodes, inner)) {
            t->hasCoefficient = true;
            t->coefficient = factor;
            return t;
        }
        auto t = termOf(nodes, inner);
        if (!t || t->base == Base::One || !t->hasCoefficient || t->hasPostFactor)
            return std::nullopt;
        t->hasPostFactor = true;
        t->postFactor = factor;
        return t;
    }
    return baseOf(nodes, n);
}

inline Extended termValue(const Term& t, Extended x) {
    Extended v;
    switch (t.base) {
    case Base::One:
        return t.coefficient;
    case Base::X:
        v = x;
        break;
    case Base::Power:
        v = signedWholePower(x, t.k, t.odd);
        break;
    case Base::Abs:
        v = std::fabs(x);
        break;
    default:
        v = quickFloor(x + kIntNudge);
        break;
    }
    if (t.hasCoefficient) v = t.coefficient * v;
    return t.hasPostFactor ? v * t.postFactor : v;
}

// What a block of columns held: whether every x was a defined real that is 0 or normal, and
// the smallest and largest biased binary exponent of its nonzero x (high 0: all zero).
struct BlockScan {
    bool plain = true;
    unsigned low = 0x7FFF, high = 0;
};

inline void scanColumn(const Value& v, BlockScan& scan) {
    const ExtendedBits bits = bitsOf(v.x);
    const unsigned e = bits.exponent;
    scan.plain &= v.valid != 0 && v.kind == ValueKind::Real;
    scan.plain &= e != 0 || bits.mantissa == 0; // too small for the range bounds
    scan.low = std::min(scan.low, e == 0 ? 0x7FFFu : e);
    scan.high = std::max(scan.high, e);
}

// The columns [begin, end) of a sum of N terms (0: of count terms). Every column is worked
// out while the block is scanned; the caller drops the block when the scan shows a column
// the fused loop must not take.
template <std::size_t N>
[[gnu::noinline]] BlockScan sumBlock(const Term* terms, std::size_t count, const Value* xs,
                                     Value* out, std::size_t begin, std::size_t end) {
    const std::size_t termCount = N == 0 ? count : N;
    BlockScan scan;
    for (std::size_t i = begin; i < end; ++i) {
        scanColumn(xs[i], scan);
        const Extended x = xs[i].x;
        Extended acc = termValue(terms[0], x);
        for (std::size_t j = 1; j < termCount; ++j) {
            const Extended t = termValue(terms[j], x);
            acc = terms[j].subtract ? acc - t : acc + t;
        }
        putSnappedReal(out[i], acc);
    }
    return scan;
}

// Magnitudes as powers of two: every nonzero value v of the set has lo <= log2|v| <= hi; an
// empty interval (lo > hi) holds only zero.
struct Magnitude {
    double lo = std::numeric_limits<double>::infinity();
    double hi = -std::numeric_limits<double>::infinity();
    bool empty() const { return lo > hi; }
    // Well inside the range rule (0, or between 1e-2416 and 1e+2414, about 2^-8025 .. 2^8019).
    bool inRange() const { return empty() || (lo >= -8000 && hi <= 8000); }
};

Magnitude product(const Magnitude& a, const Magnitude& b) {
    if (a.empty() || b.empty()) return {};
    return {a.lo + b.lo - 1, a.hi + b.hi + 1};
}

// A sum of two values whose nonzero parts lie in a and b is 0 or at least the last bit of the
// smaller one.
Magnitude sum(const Magnitude& a, const Magnitude& b) {
    if (a.empty()) return b;
    if (b.empty()) return a;
    return {std::min(a.lo, b.lo) - 65, std::max(a.hi, b.hi) + 1};
}

// The binary exponent of a constant, or infinity for 0.
double exponentOf(Extended c) {
    return c == 0 ? std::numeric_limits<double>::infinity() : static_cast<double>(std::logb(c));
}

Magnitude constantMagnitude(double exponent) {
    if (std::isinf(exponent)) return {};
    return {exponent, exponent + 1};
}

// The terms as polynomial terms, or none when one of them is not such a term.
std::vector<RowSum::PolynomialTerm> polynomialOf(const std::vector<RowSum::Term>& terms) {
    std::vector<RowSum::PolynomialTerm> out;
    for (const RowSum::Term& t : terms) {
        if (t.hasPostFactor || t.base == Base::Abs || t.base == Base::Int) return {};
        RowSum::PolynomialTerm p;
        p.k = t.base == Base::One ? 0 : t.k;
        p.power = t.base == Base::Power;
        p.odd = t.odd;
        p.factor = t.base == Base::One || t.hasCoefficient ? t.coefficient : 1;
        if (t.subtract) p.factor = -p.factor;
        out.push_back(p);
    }
    return out;
}

} // namespace

std::optional<RowSum> RowSum::of(const CodeView& code, const Evaluator& scalar) {
    if (scalar.functions().settings.complexMode || code.code.empty()) return std::nullopt;
    TreeReader reader(code, scalar);
    const auto nodes = reader.read();
    if (!nodes) return std::nullopt;
    RowSum sumOf;
    int n = reader.root();
    while (true) {
        const Node& node = (*nodes)[static_cast<std::size_t>(n)];
        const bool chain = node.kind == Node::Kind::Op &&
                           (node.id == Builtin::Add || node.id == Builtin::Subtract);
        if (!chain) break;
        auto t = termOf(*nodes, node.b);
        if (!t) return std::nullopt;
        t->subtract = node.id == Builtin::Subtract;
        sumOf.terms_.push_back(*t);
        n = node.a;
    }
    auto first = termOf(*nodes, n);
    if (!first) return std::nullopt;
    sumOf.terms_.push_back(*first);
    std::reverse(sumOf.terms_.begin(), sumOf.terms_.end());
    // A code without x reads no argument and is evaluated once elsewhere.
    if (std::all_of(sumOf.terms_.begin(), sumOf.terms_.end(),
                    [](const Term& t) { return t.base == Base::One; }))
        return std::nullopt;
    for (const Term& t : sumOf.terms_) {
        sumOf.constantExponents_.push_back(exponentOf(t.coefficient));
        sumOf.constantExponents_.push_back(exponentOf(t.postFactor));
    }
    sumOf.polynomial_ = polynomialOf(sumOf.terms_);
    return sumOf;
}

bool RowSum::blockInRange(bool plain, unsigned low, unsigned high) {
    if (!plain) return false;
    // Neighbouring blocks mostly span the same binary exponents.
    if (low == lastLow_ && high == lastHigh_) return lastInRange_;
    lastLow_ = low;
    lastHigh_ = high;
    lastInRange_ = termsInRange(low, high);
    return lastInRange_;
}

bool RowSum::termsInRange(unsigned low, unsigned high) const {
    constexpr unsigned kBias = 16383;
    Magnitude x;
    if (high > 0) x = {double(low) - kBias, double(high) - kBias + 1};
    if (!x.inRange()) return false;
    Magnitude total;
    for (std::size_t j = 0; j < terms_.size(); ++j) {
        const Term& t = terms_[j];
        Magnitude m;
        switch (t.base) {
        case Base::One:
            m = constantMagnitude(constantExponents_[2 * j]);
            break;
        case Base::Power:
            m = x.empty() ? x : Magnitude{t.k * x.lo - t.k, t.k * x.hi + t.k};
            break;
        case Base::Int: // 0, or a whole number
            m = {0, std::max(x.hi, 0.0) + 1};
            break;
        default:
            m = x;
            break;
        }
        if (!m.inRange()) return false;
        if (t.hasCoefficient) {
            m = product(constantMagnitude(constantExponents_[2 * j]), m);
            if (!m.inRange()) return false;
        }
        if (t.hasPostFactor) {
            m = product(constantMagnitude(constantExponents_[2 * j + 1]), m);
            if (!m.inRange()) return false;
        }
        total = j == 0 ? m : sum(total, m);
        if (!total.inRange()) return false;
    }
    return true;
}

namespace {

// A term of a sum without abs, int or post-factor, its sign taken into its factor: taking
// c x^k away is adding (-c) x^k, and a missing factor is 1, both exactly. x^2 is |x| |x|,
// which is x x.
inline Extended polynomialTerm(const RowSum::PolynomialTerm& t, Extended factor, Extended x) {
    if (t.k == 0) return factor;
    if (!t.power) return factor * x;
    return factor * (t.k == 2 ? x * x : signedWholePower(x, t.k, t.odd));
}

// Up to four terms, each held in its own variables so that the factors stay in registers
// across the columns (kept out of line, where nothing else competes for them).
template <std::size_t N>
[[gnu::noinline]] BlockScan polynomialBlock(const RowSum::PolynomialTerm* p, const Value* xs,
                                            Value* out, std::size_t begin, std::size_t end) {
    static_assert(N >= 1 && N <= 4);
    const RowSum::PolynomialTerm a = p[0], b = p[1 % N], c = p[2 % N], d = p[3 % N];
    const Extended fa = a.factor, fb = b.factor, fc = c.factor, fd = d.factor;
    BlockScan scan;
    for (std::size_t i = begin; i < end; ++i) {
        scanColumn(xs[i], scan);
        const Extended x = xs[i].x;
        Extended acc = polynomialTerm(a, fa, x);
        if constexpr (N > 1) acc = acc + polynomialTerm(b, fb, x);
        if constexpr (N > 2) acc = acc + polynomialTerm(c, fc, x);
        if constexpr (N > 3) acc = acc + polynomialTerm(d, fd, x);
        putSnappedReal(out[i], acc);
    }
    return scan;
}

// Blocks are worked out before their range is known, as the scan of x comes with the sum.
BlockScan sumOfBlock(const std::vector<Term>& terms,
                     const std::vector<RowSum::PolynomialTerm>& polynomial, const Value* xs,
                     Value* out, std::size_t begin, std::size_t end) {
    switch (polynomial.size()) {
    case 1:
        return polynomialBlock<1>(polynomial.data(), xs, out, begin, end);
    case 2:
        return polynomialBlock<2>(polynomial.data(), xs, out, begin, end);
    case 3:
        return polynomialBlock<3>(polynomial.data(), xs, out, begin, end);
    case 4:
        return polynomialBlock<4>(polynomial.data(), xs, out, begin, end);
    default:
        break;
    }
    switch (terms.size()) {
    case 1:
        return sumBlock<1>(terms.data(), 1, xs, out, begin, end);
    case 2:
        return sumBlock<2>(terms.data(), 2, xs, out, begin, end);
    case 3:
        return sumBlock<3>(terms.data(), 3, xs, out, begin, end);
    case 4:
        return sumBlock<4>(terms.data(), 4, xs, out, begin, end);
    default:
        return sumBlock<0>(terms.data(), terms.size(), xs, out, begin, end);
    }
}

} // namespace

std::vector<std::pair<std::size_t, std::size_t>> RowSum::evaluate(std::span<const Value> xs,
                                                                  std::span<Value> out) {
    constexpr std::size_t kBlock = 64;
    const std::size_t n = std::min(xs.size(), out.size());
    std::vector<std::pair<std::size_t, std::size_t>> left;
    lastHigh_ = 0x10000; // no block seen yet
    for (std::size_t begin = 0; begin < n; begin += kBlock) {
        const std::size_t end = std::min(n, begin + kBlock);
        const BlockScan scan = sumOfBlock(terms_, polynomial_, xs.data(), out.data(), begin, end);
        if (blockInRange(scan.plain, scan.low, scan.high)) continue;
        if (!left.empty() && left.back().second == begin)
            left.back().second = end;
        else
            left.emplace_back(begin, end);
    }
    return left;
}

} // namespace tarlix
