#include "expression/TokenText.h"

#include <algorithm>

namespace tarlix {

std::string tokens(std::initializer_list<int> codes) {
    std::string s;
    for (int c : codes) s += tokenChar(c);
    return s;
}

int maxDepth(const std::string& t) {
    int depth = 0;
    int deepest = 0;
    for (char ch : t) {
        const int c = code(ch);
        if (c == Token::Open || c == Token::OpenAbs) deepest = std::max(deepest, ++depth);
        if (c == Token::Close || c == Token::CloseAbs) --depth;
    }
    return deepest;
}

} // namespace tarlix
