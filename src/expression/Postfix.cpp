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

std::string toPostfix(const std::string& t) {
    std::vector<std::string> list = items(t);
    for (int level = 0; level <= 5; ++level) {
        for (std::size_t k = 0; k < list.size(); ++k) {
            if (!isOperatorItem(list[k], level)) continue;
            std::string op = list[k];
            std::string right;
            if (k + 1 < list.size() && isOperandItem(list[k + 1])) {
                right = list[k + 1];
                list.erase(list.begin() + static_cast<long>(k) + 1);
            }
            if (k > 0 && isOperandItem(list[k - 1])) {
                list[k - 1] = tokenChar(tkOpen) + list[k - 1] + right + op + tokenChar(tkClose);
                list.erase(list.begin() + static_cast<long>(k));
                --k;
            } else {
                list[k] = right + op;
            }
        }
    }
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
