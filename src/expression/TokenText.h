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

// Encloses [from, to) in brackets.
template <typename Text> void enclose(Text& t, std::size_t from, std::size_t to) {
    t.insert(to, 1, tokenChar(Token::Close));
    t.insert(from, 1, tokenChar(Token::Open));
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
