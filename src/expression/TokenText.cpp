#include "expression/TokenText.h"

#include "expression/Vocabulary.h"

#include <algorithm>

namespace tarlix {

int at(const std::string& t, std::size_t i) {
    return i < t.size() ? code(t[i]) : -1;
}

std::string tokens(std::initializer_list<int> codes) {
    std::string s;
    for (int c : codes) s += tokenChar(c);
    return s;
}

std::size_t closeOf(const std::string& t, std::size_t open) {
    int depth = 0;
    for (std::size_t i = open; i < t.size(); ++i) {
        if (code(t[i]) == tkOpen) ++depth;
        if (code(t[i]) == tkClose && --depth == 0) return i;
    }
    return npos;
}

std::size_t openOf(const std::string& t, std::size_t close) {
    int depth = 0;
    for (std::size_t i = close + 1; i-- > 0;) {
        if (code(t[i]) == tkClose) ++depth;
        if (code(t[i]) == tkOpen && --depth == 0) return i;
    }
    return npos;
}

std::string::size_type nthTopLevelComma(const std::string& t, std::size_t open, int n) {
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

int topLevelCommas(const std::string& t, std::size_t open) {
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

bool isOneGroup(const std::string& t, std::size_t from, std::size_t to) {
    return to > from && code(t[from]) == tkOpen && closeOf(t, from) == to - 1;
}

void enclose(std::string& t, std::size_t from, std::size_t to) {
    t.insert(to, 1, tokenChar(tkClose));
    t.insert(from, 1, tokenChar(tkOpen));
}

int maxDepth(const std::string& t) {
    int depth = 0;
    int deepest = 0;
    for (char ch : t) {
        const int c = code(ch);
        if (c == tkOpen || c == tkOpenAbs) deepest = std::max(deepest, ++depth);
        if (c == tkClose || c == tkCloseAbs) --depth;
    }
    return deepest;
}

} // namespace tarlix
