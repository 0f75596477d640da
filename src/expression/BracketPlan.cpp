#include "expression/BracketPlan.h"

#include "expression/TokenText.h"

#include <algorithm>

namespace tarlix {

std::string BracketPlan::apply(const std::string& t) const {
    if (pairs_ == 0 && drops_ == 0) return t;
    std::string out(t.size() + 2 * pairs_ - drops_, '\0');
    char* o = out.data();
    for (std::size_t i = 0; i <= t.size(); ++i) {
        o = std::fill_n(o, closes_[i], tokenChar(Token::Close));
        o = std::fill_n(o, opens_[i], tokenChar(Token::Open));
        if (i < t.size() && !dropped_[i]) *o++ = t[i];
    }
    return out;
}

std::vector<std::size_t> matchingBrackets(const std::string& t) {
    std::vector<std::size_t> matches(t.size(), npos);
    std::vector<std::size_t> open;
    for (std::size_t i = 0; i < t.size(); ++i) {
        const int c = code(t[i]);
        if (c == Token::Open) open.push_back(i);
        if (c == Token::Close && !open.empty()) {
            matches[open.back()] = i;
            matches[i] = open.back();
            open.pop_back();
        }
    }
    return matches;
}

} // namespace tarlix
