// Passes 8 to 17: spaces, pairs, point vectors and the operands of powers, functions and
// quotients.
#include "expression/NormalisePasses.h"
#include "expression/TokenText.h"
#include "expression/Vocabulary.h"

namespace tarlix::passes {

namespace {
bool isRunToken(int c) {
    return isConstant(c) || isVariable(c) || isPoint(c) || isReference(c) || isFunction(c) ||
           isPostfix(c) || c == tkPower || isAggregate(c) || isPrime(c);
}

// Functions whose operand is always bracketed, even when it is already one group.
bool alwaysBracketed(int c) {
    return (c >= tkAsin && c <= tkTanh) || isPowerPrefix(c) || c == tkLog || c == tkLn ||
           c == tkNegate;
}

bool takesOwnGroup(int c) {
    return isMultiArg(c) || isTwoArg(c) || isUserFunction(c) || isAntiderivative(c) ||
           isPlainGroup(c);
}
} // namespace

std::size_t operandRunEnd(const std::string& t, std::size_t start, bool spaceAfterFunction) {
    std::size_t j = start;
    while (j < t.size()) {
        const int c = code(t[j]);
        if (c == tkOpen) {
            const std::size_t close = closeOf(t, j);
            if (close == npos) return t.size();
            j = close + 1;
        } else if (isRunToken(c)) {
            ++j;
            if (spaceAfterFunction && isFunction(c) && at(t, j) == tkSpace) ++j;
        } else {
            break;
        }
    }
    return j;
}

void spaceMarking(std::string& t) {
    for (std::size_t i = t.size() >= 2 ? t.size() - 2 : 0; i >= 1 && i < t.size(); --i) {
        if (code(t[i]) != tkSpace) continue;
        const int next = at(t, i + 1);
        const int before = code(t[i - 1]);
        if (isPostfix(next) || next == tkDivide || next == tkPower || isFunction(before) ||
            before == tkDivide || before == tkPower)
            t.erase(i, 1);
    }
    t += tokenChar(tkSpace);
}

void pairLiterals(std::string& t) {
    for (std::size_t i = t.size(); i-- > 0;) {
        if (code(t[i]) != tkOpen) continue;
        const int before = i == 0 ? -1 : code(t[i - 1]);
        if (isPrime(before) || isFunction(before) || isAggregate(before)) continue;
        if (topLevelCommas(t, i) == 1) t.insert(i, 1, tokenChar(tkCPS));
    }
}

void pointPairs(std::string& t) {
    for (std::size_t i = 0; i + 1 < t.size(); ++i) {
        if (!isPoint(code(t[i])) || !isPoint(code(t[i + 1]))) continue;
        const std::string a = t.substr(i, 1);
        const std::string b = t.substr(i + 1, 1);
        const bool norm = i > 0 && code(t[i - 1]) == tkOpenAbs && at(t, i + 2) == tkCloseAbs;
        std::string with;
        with += tokenChar(norm ? tkNORM : tkVEC);
        with += tokenChar(tkOpen) + a + tokenChar(tkComma) + b + tokenChar(tkClose);
        if (norm)
            t.replace(i - 1, 4, with);
        else
            t.replace(i, 2, with);
        i += with.size() - (norm ? 2 : 1);
    }
}

void logarithmForm(std::string& t) {
    for (std::size_t i = 0; i + 1 < t.size(); ++i)
        if (code(t[i]) == tkLog && code(t[i + 1]) == tkOpen && topLevelCommas(t, i + 1) == 1)
            t[i] = tokenChar(tkLogBase);
}

void exponentOperands(std::string& t) {
    for (std::size_t i = 0; i + 1 < t.size(); ++i) {
        if (code(t[i]) != tkPower) continue;
        const int next = code(t[i + 1]);
        if (isBinary(next) || isPostfix(next)) continue;
        const std::size_t end = operandRunEnd(t, i + 1, false);
        if (end > i + 1 && !isOneGroup(t, i + 1, end)) enclose(t, i + 1, end);
    }
}

void powerPrefixArguments(std::string& t) {
    for (std::size_t i = 0; i + 2 < t.size(); ++i) {
        if (!isPowerPrefix(code(t[i])) || code(t[i + 1]) != tkPower || code(t[i + 2]) != tkOpen)
            continue;
        const std::size_t close = closeOf(t, i + 2);
        if (close == npos) continue;
        std::size_t start = close + 1;
        if (at(t, start) == tkSpace) t.erase(start, 1);
        const std::size_t end = operandRunEnd(t, start, true);
        if (end > start && !isOneGroup(t, start, end)) enclose(t, start, end);
    }
}

void functionMarking(std::string& t) {
    for (std::size_t i = t.size(); i-- > 0;) {
        const int c = code(t[i]);
        if (!isFunction(c) && !isAggregate(c)) continue;
        const int before = i == 0 ? -1 : code(t[i - 1]);
        if (isFunction(before) || before == tkDivide || before == tkPower || before == tkSpace)
            continue;
        t.insert(i, 1, tokenChar(tkMarker));
    }
}

void functionOperands(std::string& t) {
    for (std::size_t i = 0; i < t.size(); ++i) {
        const int c = code(t[i]);
        if (!isFunction(c) && c != tkDivide) continue;
        std::size_t start = i + 1;
        if ((isUserFunction(c) || isAntiderivative(c)) && isPrime(at(t, start))) ++start;
        if (isPowerPrefix(c) && at(t, start) == tkPower && at(t, start + 1) == tkOpen) {
            const std::size_t close = closeOf(t, start + 1);
            if (close == npos) continue;
            start = close + 1;
        }
        if (takesOwnGroup(c) && at(t, start) == tkOpen) continue;
        const std::size_t end = operandRunEnd(t, start, false);
        const bool always = c == tkDivide || alwaysBracketed(c);
        if (end > start && (always || !isOneGroup(t, start, end))) enclose(t, start, end);
    }
}

void deleteMarkers(std::string& t) {
    std::erase(t, tokenChar(tkMarker));
}

} // namespace tarlix::passes
