#pragma once
// Helpers on token texts: brackets, groups and top-level separators. The group helpers take a
// std::string or a GapText.

#include "expression/Vocabulary.h"

#include <cstddef>
#include <initializer_list>
#include <string>

namespace tarlix {

constexpr std::size_t npos = std::string::npos;

// The token code at i, or -1 past the end.
template <typename Text> int at(const Text& t, std::size_t i) {
    return i < t.size() ? code(t[i]) : -1;
}
// The text of the given token codes.
std::string tokens(std::initializer_list<int> codes);

// The position of the ")" that closes the "(" at open, or npos.
template <typename Text> std::size_t closeOf(const Text& t, std::size_t open) {
    int depth = 0;
    for (std::size_t i = open; i < t.size(); ++i) {
        const int c = code(t[i]);
        if (c == tkOpen) ++depth;
        if (c == tkClose && --depth == 0) return i;
    }
    return npos;
}

// The position of the "(" that the ")" at close closes, or npos.
template <typename Text> std::size_t openOf(const Text& t, std::size_t close) {
    int depth = 0;
    for (std::size_t i = close + 1; i-- > 0;) {
        const int c = code(t[i]);
        if (c == tkClose) ++depth;
        if (c == tkOpen && --depth == 0) return i;
    }
    return npos;
}

// divisions of "," at depth one inside the group opening at open.
template <typename Text> int topLevelCommas(const Text& t, std::size_t open) {
    int depth = 0;
    int n = 0;
    for (std::size_t i = open; i < t.size(); ++i) {
        const int c = code(t[i]);
        if (c == tkOpen) ++depth;
        if (c == tkClose && --depth == 0) break;
        if (c == tkComma && depth == 1) ++n;
    }
    return n;
}

// The position of the n-th (from 1) "," at depth one inside the group opening at open, or npos.
template <typename Text> std::size_t nthTopLevelComma(const Text& t, std::size_t open, int n) {
    int depth = 0;
    int seen = 0;
    for (std::size_t i = open; i < t.size(); ++i) {
        const int c = code(t[i]);
        if (c == tkOpen) ++depth;
        if (c == tkClose && --depth == 0) return npos;
        if (c == tkComma && depth == 1 && ++seen == n) return i;
    }
    return npos;
}

// True when the whole range [from, to) is one group.
template <typename Text> bool isOneGroup(const Text& t, std::size_t from, std::size_t to) {
    return to > from && code(t[from]) == tkOpen && closeOf(t, from) == to - 1;
}

// Encloses [from, to) in brackets.
template <typename Text> void enclose(Text& t, std::size_t from, std::size_t to) {
    t.insert(to, 1, tokenChar(tkClose));
    t.insert(from, 1, tokenChar(tkOpen));
}

// True when some token of the text passes the test. A pass that acts only on some kinds of
// token leaves a text without them as it is, and need not read it.
template <typename Test> bool hasToken(const std::string& t, Test test) {
    for (char ch : t)
        if (test(code(ch))) return true;
    return false;
}

// The deepest bracket nesting of the text (counting "(" and "[").
int maxDepth(const std::string& t);

} // namespace tarlix
