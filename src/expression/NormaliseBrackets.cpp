// Passes 18 to 25: bracketing of applications and left operands, chained comparisons, powers
// of sin, cos and tan, and the polar variables of relations.
#include "expression/NormalisePasses.h"
#include "expression/TokenText.h"
#include "expression/Vocabulary.h"

namespace tarlix::passes {

namespace {
std::size_t groupEnd(const std::string& t, std::size_t open) {
    const std::size_t close = closeOf(t, open);
    return close == npos ? t.size() : close + 1;
}
} // namespace

void functionApplication(std::string& t) {
    for (std::size_t i = 0; i < t.size(); ++i) {
        const int c = code(t[i]);
        if (!isFunction(c) && !isAggregate(c)) continue;
        std::size_t end = i + 1;
        if ((isUserFunction(c) || isAntiderivative(c)) && isPrime(at(t, end))) ++end;
        if (isPowerPrefix(c) && at(t, end) == tkPower && at(t, end + 1) == tkOpen)
            end = groupEnd(t, end + 1);
        if (at(t, end) == tkOpen) end = groupEnd(t, end);
        if (end == i + 1) continue; // no argument: the end check reports it
        enclose(t, i, end);
        ++i; // the function itself now stands at i + 1
    }
}

namespace {
bool followsFunction(const std::string& t, std::size_t i) {
    return i > 0 && (isFunction(code(t[i - 1])) || isAggregate(code(t[i - 1])));
}

// Start of the left operand of the postfix operator or power at i: the token or group before
// it, with the postfix operators and powers already attached to it.
std::size_t leftOperandStart(const std::string& t, std::size_t i) {
    const bool component = code(t[i]) >= tkDotX && code(t[i]) <= tkDotR;
    std::size_t j = i;
    for (;;) {
        while (j > 0 && isPostfix(code(t[j - 1]))) --j;
        if (j == 0) return i;
        std::size_t s = j - 1;
        const int before = code(t[s]);
        if (before == tkOpen || before == tkComma || before == tkSpace || isBinary(before))
            return i; // no operand: the checks report it
        if (before == tkClose) {
            s = openOf(t, s);
            if (s == npos) return i;
        }
        if (component && isPoint(code(t[s]))) {
            if (s > 0 && isPoint(code(t[s - 1])))
                s -= 1;
            else if (s > 1 && code(t[s - 1]) == tkSpace && isPoint(code(t[s - 2])))
                s -= 2;
        }
        if (s > 0 && code(t[s - 1]) == tkPower && !followsFunction(t, s - 1)) {
            j = s - 1;
            continue;
        }
        return s;
    }
}
} // namespace

void postfixLeftOperands(std::string& t) {
    for (std::size_t i = 0; i < t.size(); ++i) {
        const int c = code(t[i]);
        if (!isPostfix(c) && !(c == tkPower && !followsFunction(t, i))) continue;
        const std::size_t start = leftOperandStart(t, i);
        if (start == i) continue;
        enclose(t, start, i);
        i += 2;
    }
}

void quotientLeftOperands(std::string& t) {
    for (std::size_t i = 0; i < t.size(); ++i) {
        if (code(t[i]) != tkDivide) continue;
        std::size_t start = i;
        while (start > 0) {
            const int c = code(t[start - 1]);
            if (c == tkClose) {
                const std::size_t open = openOf(t, start - 1);
                if (open == npos) break;
                start = open;
            } else if (isAggregate(c) || isFunction(c) || isPostfix(c) || isReference(c) ||
                       isConstant(c) || isVariable(c) || isPoint(c) || c == tkPower ||
                       c == tkDivide) {
                --start;
            } else {
                break;
            }
        }
        if (start == i) continue;
        enclose(t, start, i);
        i += 2;
    }
}

void deleteSpaces(std::string& t) {
    for (std::size_t i = 0; i < t.size();) {
        const bool betweenPoints = i > 0 && isPoint(code(t[i - 1])) && isPoint(at(t, i + 1));
        if (code(t[i]) == tkSpace && !betweenPoints)
            t.erase(i, 1);
        else
            ++i;
    }
}

void normToLen(std::string& t) {
    for (char& ch : t)
        if (code(ch) == tkNORM) ch = tokenChar(tkLen);
}

namespace {
// One stretch between "and", "or" and "," at one bracket depth: a<b<c becomes (a<b)and(b<c).
std::string chainClause(const std::string& s) {
    std::vector<std::size_t> ops;
    int depth = 0;
    for (std::size_t i = 0; i < s.size(); ++i) {
        const int c = code(s[i]);
        if (c == tkOpen) ++depth;
        if (c == tkClose) --depth;
        if (depth == 0 && isComparison(c)) ops.push_back(i);
    }
    if (ops.size() < 2) return s;
    std::string out;
    std::size_t from = 0;
    for (std::size_t k = 0; k < ops.size(); ++k) {
        const std::size_t to = k + 1 < ops.size() ? ops[k + 1] : s.size();
        if (k > 0) out += tokenChar(tkAnd);
        out += tokenChar(tkOpen) + s.substr(from, to - from) + tokenChar(tkClose);
        from = ops[k] + 1;
    }
    return out;
}

std::string chainIn(const std::string& s) {
    std::string withGroups;
    for (std::size_t i = 0; i < s.size(); ++i) {
        if (code(s[i]) != tkOpen) {
            withGroups += s[i];
            continue;
        }
        const std::size_t close = closeOf(s, i);
        if (close == npos) {
            withGroups += s.substr(i);
            break;
        }
        withGroups +=
            tokenChar(tkOpen) + chainIn(s.substr(i + 1, close - i - 1)) + tokenChar(tkClose);
        i = close;
    }
    std::string out;
    std::size_t from = 0;
    int depth = 0;
    for (std::size_t i = 0; i <= withGroups.size(); ++i) {
        const int c = i < withGroups.size() ? code(withGroups[i]) : int{tkComma};
        if (c == tkOpen) ++depth;
        if (c == tkClose) --depth;
        if (depth != 0 || (c != tkAnd && c != tkOr && c != tkComma)) continue;
        out += chainClause(withGroups.substr(from, i - from));
        if (i < withGroups.size()) out += withGroups[i];
        from = i + 1;
    }
    if (from < withGroups.size()) out += withGroups.substr(from); // unbalanced brackets
    return out;
}
} // namespace

void chainedComparisons(std::string& t) {
    t = chainIn(t);
}

void powerPrefixPowers(std::string& t) {
    for (std::size_t i = 0; i + 2 < t.size(); ++i) {
        const int fn = code(t[i]);
        if (!isPowerPrefix(fn) || code(t[i + 1]) != tkPower || code(t[i + 2]) != tkOpen) continue;
        const std::size_t expClose = closeOf(t, i + 2);
        if (expClose == npos || at(t, expClose + 1) != tkOpen) continue;
        const std::size_t argClose = closeOf(t, expClose + 1);
        if (argClose == npos) continue;
        const std::string exponent = t.substr(i + 2, expClose - i - 1);
        const std::string argument = t.substr(expClose + 1, argClose - expClose);
        const std::string with = exponent + tokenChar(tkReversePower) + tokenChar(tkOpen) +
                                 tokenChar(fn) + argument + tokenChar(tkClose);
        t.replace(i, argClose - i + 1, with);
    }
}

void relationVariables(std::string& t, int thetaMode) {
    for (std::size_t i = 0; i < t.size(); ++i) {
        const int c = code(t[i]);
        int fn = 0;
        if (c == tkR)
            fn = tkLen;
        else if (c == tkTheta && thetaMode == 1)
            fn = tkArg;
        if (fn == 0) continue;
        const std::string with = tokens({tkOpen, fn, tkOpen, tkX, tkComma, tkY, tkClose, tkClose});
        t.replace(i, 1, with);
        i += with.size() - 1;
    }
}

} // namespace tarlix::passes
