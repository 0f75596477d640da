// Binary operators to postfix order, one precedence level at a time.
#include "expression/CompileSteps.h"
#include "expression/TokenText.h"
#include "expression/Vocabulary.h"

#include <array>
#include <vector>

namespace tarlix::steps {

namespace {
int levelOf(int c) {
    switch (c) {
    case tkPower:
    case tkReversePower:
        return 0;
    case tkTimes:
    case tkCross:
    case tkDivide:
    case tkMod:
        return 1;
    case tkPlus:
    case tkMinus:
        return 2;
    case tkAnd:
        return 4;
    case tkOr:
        return 5;
    default:
        return isComparison(c) ? 3 : -1;
    }
}

bool isOperatorItem(const std::string& item, int level) {
    return item.size() == 1 && levelOf(code(item[0])) == level;
}

// An item that may stand as an operand: a group or a token that is neither a separator nor a
// binary operator.
bool isOperandItem(const std::string& item) {
    if (item.empty()) return false;
    const int c = code(item[0]);
    return item.size() > 1 || (c != tkComma && !isBinary(c));
}

// Splits a text into tokens and groups; the inside of each group is converted first.
std::vector<std::string> items(const std::string& t) {
    std::vector<std::string> out;
    for (std::size_t i = 0; i < t.size(); ++i) {
        if (code(t[i]) != tkOpen) {
            out.emplace_back(1, t[i]);
            continue;
        }
        const std::size_t close = closeOf(t, i);
        const std::size_t end = close == npos ? t.size() : close;
        out.push_back(tokenChar(tkOpen) + toPostfix(t.substr(i + 1, end - i - 1)) +
                      tokenChar(tkClose));
        i = end;
    }
    return out;
}
} // namespace

namespace {
// One precedence level, left to right in one pass: each operator takes the item before it and
// the item after it. The brackets around a merged item are not kept, as the code drops them
// anyway, so that a long chain grows its item in place instead of copying it once per link.
std::vector<std::string> applyLevel(std::vector<std::string> list, int level) {
    std::vector<std::string> out;
    out.reserve(list.size());
    for (std::size_t k = 0; k < list.size(); ++k) {
        if (!isOperatorItem(list[k], level)) {
            out.push_back(std::move(list[k]));
            continue;
        }
        const char op = list[k][0];
        std::string right;
        if (k + 1 < list.size() && isOperandItem(list[k + 1])) right = std::move(list[++k]);
        if (!out.empty() && isOperandItem(out.back())) {
            out.back() += right;
            out.back() += op;
        } else {
            out.push_back(std::move(right) + op);
        }
    }
    return out;
}
} // namespace

std::string toPostfix(const std::string& t) {
    std::vector<std::string> list = items(t);
    for (int level = 0; level <= 5; ++level) list = applyLevel(std::move(list), level);
    std::string out;
    for (const auto& item : list) out += item;
    return out;
}

void deleteBrackets(std::string& t) {
    std::erase_if(t, [](char ch) {
        const int c = code(ch);
        return c == tkOpen || c == tkClose || c == tkComma;
    });
}

} // namespace tarlix::steps
