#include "expression/NestingLimits.h"

#include "expression/TokenText.h"
#include "expression/Vocabulary.h"

#include <algorithm>

namespace tarlix {

int longestChain(const std::string& t) {
    int longest = 0, postfix = 0, prefix = 0, power = 0;
    for (std::size_t i = 0; i < t.size(); ++i) {
        const int c = code(t[i]);
        const bool nextToPower =
            at(t, i + 1) == Token::Power || (i > 0 && code(t[i - 1]) == Token::Power);
        if (c == Token::Space && !nextToPower) power = 0;
        if (c == Token::Space) continue;
        postfix = isPostfix(c) ? postfix + 1 : 0;
        prefix = isOneArg(c) ? prefix + 1 : 0;
        if (c == Token::Power)
            ++power;
        else if (!isVariable(c) && !isDigit(c))
            power = 0;
        longest = std::max({longest, postfix, prefix, power});
    }
    return longest;
}

} // namespace tarlix
