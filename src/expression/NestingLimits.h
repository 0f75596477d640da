#pragma once
// How deep and how long a typed text may be before the compiler and the formula display refuse
// it, so that neither recursion nor the normaliser's regrouping runs away on a long input.

#include <cstddef>
#include <string>

namespace tarlix {

// Brackets a typed text may nest.
inline constexpr int kMaxTypedNesting = 200;

// The longest token text the compiler accepts (longer ones are refused as too deep) and the
// formula display shows as a formula: far beyond any expression typed by hand, short enough
// that compiling it, drawing its formula and evaluating it each take a small fraction of a
// second, where a text of a million terms took minutes.
inline constexpr std::size_t kMaxExpressionTokens = 4000;

// The longest chain of tokens each of which the normaliser wraps, with what follows or what
// went before, in a group of its own: postfix operators in a row, one-argument functions and
// signs in a row, and powers whose exponents are single variables or numbers. Counted before
// the passes build those groups, which would take time growing with the square of the chain.
int longestChain(const std::string& t);

} // namespace tarlix
