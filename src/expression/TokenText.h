#pragma once
// Helpers on token texts: brackets, groups and top-level separators.

#include <cstddef>
#include <initializer_list>
#include <string>

namespace tarlix {

constexpr std::size_t npos = std::string::npos;

// The token code at i, or -1 past the end.
int at(const std::string& t, std::size_t i);
// The text of the given token codes.
std::string tokens(std::initializer_list<int> codes);
// The position of the ")" that closes the "(" at open, or npos.
std::size_t closeOf(const std::string& t, std::size_t open);
// The position of the "(" that the ")" at close closes, or npos.
std::size_t openOf(const std::string& t, std::size_t close);
// divisions of "," at depth one inside the group opening at open.
int topLevelCommas(const std::string& t, std::size_t open);
// The position of the n-th (from 1) "," at depth one inside the group opening at open, or npos.
std::string::size_type nthTopLevelComma(const std::string& t, std::size_t open, int n);
// True when the whole range [from, to) is one group.
bool isOneGroup(const std::string& t, std::size_t from, std::size_t to);
// Encloses [from, to) in brackets.
void enclose(std::string& t, std::size_t from, std::size_t to);
// The deepest bracket nesting of the text (counting "(" and "[").
int maxDepth(const std::string& t);

} // namespace tarlix
