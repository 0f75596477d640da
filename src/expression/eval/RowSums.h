#pragma once
// Codes that are a sum of simple terms in x (polynomials, a x^2+b x+c, abs(x)+int(x) ...)
// evaluated column by column with every intermediate kept in registers. The operations are
// the row kernels' own, in the code's order, so every column gets the stack machine's value.
// The range rule is checked once per block of columns from the magnitudes of x: a block whose
// every intermediate is provably in range needs no check per operation; the other blocks are
// left to the caller.

#include "expression/Value.h"
#include "expression/eval/Evaluator.h"

#include <cstddef>
#include <optional>
#include <span>
#include <vector>

namespace tarlix {

class RowSum {
public:
    // Nothing when the code is not such a sum. parameters and y are read as constants, and
    // parts made only of constants are worked out once, as the stack machine would.
    static std::optional<RowSum> of(const CodeView& code, const Evaluator& scalar);

    // Writes the columns of out whose x lies in a block that can be done here and returns the
    // columns it left alone, as ranges [first, last).
    std::vector<std::pair<std::size_t, std::size_t>> evaluate(std::span<const Value> xs,
                                                              std::span<Value> out);

    enum class Base : std::uint8_t { One, X, Power, Abs, Int };
    struct Term {
        Base base = Base::X;
        unsigned k = 1;  // the whole exponent of Power
        bool odd = true; // k is odd
        bool hasCoefficient = false;
        Extended coefficient = 1; // the constant factor; for Base::One the term itself
        bool subtract = false;    // taken from the sum so far rather than added
        // A second constant factor applied after the coefficient, as in 3 x y with y held for
        // the row: (3 x) y keeps the code's order of multiplications.
        bool hasPostFactor = false;
        Extended postFactor = 1;
    };

    // A term of a sum of constants and powers of x: factor, or factor times x (k = 1, not
    // power) or x^k.
    struct PolynomialTerm {
        Extended factor = 1;
        unsigned k = 0;
        bool power = false;
        bool odd = false;
    };

private:
    std::vector<Term> terms_;
    std::vector<PolynomialTerm> polynomial_; // empty unless every term is such a term
    // The binary exponents of each term's coefficient and post-factor, for the range check.
    std::vector<double> constantExponents_;
    // True when every column of a block was a defined real (plain) and every intermediate is
    // provably in range for x of biased binary exponents low..high.
    bool blockInRange(bool plain, unsigned low, unsigned high);
    // Whether every intermediate stays in range for x whose biased binary exponents lie in
    // low..high (0 standing for x = 0).
    bool termsInRange(unsigned low, unsigned high) const;
    unsigned lastLow_ = 0, lastHigh_ = 0x10000;
    bool lastInRange_ = false;
};

} // namespace tarlix
