// Passes 8 to 17: spaces, pairs, point vectors and the operands of powers, functions and
// quotients.
#include "expression/BracketPlan.h"
#include "expression/ClosedGroups.h"
#include "expression/NormalisePasses.h"
#include "expression/OperandEnds.h"
#include "expression/TokenText.h"
#include "expression/Vocabulary.h"

#include <vector>

namespace tarlix::passes {

namespace {
// Functions whose operand is always bracketed, even when it is already one group.
bool alwaysBracketed(int c) {
    return (c >= Token::Asin && c <= Token::Tanh) || isPowerPrefix(c) || c == Token::Log ||
           c == Token::Ln || c == Token::Negate;
}

bool takesOwnGroup(int c) {
    return isMultiArg(c) || isTwoArg(c) || isUserFunction(c) || isAntiderivative(c) ||
           isPlainGroup(c);
}
} // namespace

void spaceMarking(std::string& t) {
    // From the end, so that each space is judged by the token that now follows it.
    std::vector<bool> drop(t.size(), false);
    int next = t.empty() ? -1 : code(t.back());
    for (std::size_t i = t.size() >= 2 ? t.size() - 2 : 0; i >= 1 && i < t.size(); --i) {
        const int c = code(t[i]);
        const int before = code(t[i - 1]);
        drop[i] = c == Token::Space &&
                  (isPostfix(next) || next == Token::Divide || next == Token::Power ||
                   isFunction(before) || before == Token::Divide || before == Token::Power);
        if (!drop[i]) next = c;
    }
    std::string out;
    out.reserve(t.size() + 1);
    for (std::size_t i = 0; i < t.size(); ++i)
        if (!drop[i]) out += t[i];
    out += tokenChar(Token::Space);
    t = std::move(out);
}

void pairLiterals(std::string& t) {
    if (!hasToken(t, [](int c) { return c == Token::Comma; })) return;
    const std::vector<GroupFacts> groups = groupsByOpen(t);
    std::string out;
    out.reserve(t.size() + 8);
    for (std::size_t i = 0; i < t.size(); ++i) {
        if (code(t[i]) == Token::Open && groups[i].commas == 1) {
            const int before = i == 0 ? -1 : code(t[i - 1]);
            if (!isPrime(before) && !isFunction(before) && !isAggregate(before))
                out += tokenChar(Token::Cps);
        }
        out += t[i];
    }
    t = std::move(out);
}

void pointPairs(std::string& t) {
    if (!hasToken(t, isPoint)) return;
    std::string out;
    out.reserve(t.size() + 8);
    for (std::size_t i = 0; i < t.size(); ++i) {
        if (i + 1 >= t.size() || !isPoint(code(t[i])) || !isPoint(code(t[i + 1]))) {
            out += t[i];
            continue;
        }
        const bool norm =
            !out.empty() && code(out.back()) == Token::OpenAbs && at(t, i + 2) == Token::CloseAbs;
        if (norm) out.pop_back();
        out += tokenChar(norm ? Token::Norm : Token::Vec);
        out += tokens({Token::Open, code(t[i]), Token::Comma, code(t[i + 1]), Token::Close});
        i += norm ? 2 : 1;
    }
    t = std::move(out);
}

void logarithmForm(std::string& t) {
    if (!hasToken(t, [](int c) { return c == Token::Log; })) return;
    const std::vector<GroupFacts> groups = groupsByOpen(t);
    for (std::size_t i = 0; i + 1 < t.size(); ++i)
        if (code(t[i]) == Token::Log && code(t[i + 1]) == Token::Open && groups[i + 1].commas == 1)
            t[i] = tokenChar(Token::LogBase);
}

namespace {
// The brackets of the operands that each "^" (or each function and "/") takes after it, placed
// in one pass on the text as it stands (see OperandEnds).
template <typename Choose> void bracketOperands(std::string& text, Choose choose) {
    OperandEnds ends(text, false);
    const auto runEnd = [&](std::size_t start) { return ends.end(start); };
    const auto oneGroup = [&](std::size_t from, std::size_t to) {
        return ends.isOneGroup(from, to);
    };
    const auto closeAt = [&](std::size_t open) { return ends.closeOf(open); };
    BracketPlan plan(text.size());
    for (std::size_t i = 0; i < text.size(); ++i) {
        std::size_t from = 0;
        std::size_t to = 0;
        if (!choose(text, i, runEnd, oneGroup, closeAt, from, to)) continue;
        plan.enclose(from, to);
        ends.bracketed(from);
    }
    text = plan.apply(text);
}
} // namespace

void exponentOperands(std::string& t) {
    if (!hasToken(t, [](int c) { return c == Token::Power; })) return;
    bracketOperands(t, [](const auto& t, std::size_t i, auto runEnd, auto oneGroup, auto,
                          std::size_t& from, std::size_t& to) {
        if (i + 1 >= t.size() || code(t[i]) != Token::Power) return false;
        const int next = code(t[i + 1]);
        if (isBinary(next) || isPostfix(next)) return false;
        from = i + 1;
        to = runEnd(from);
        return to > from && !oneGroup(from, to);
    });
}

void powerPrefixArguments(std::string& t) {
    if (!hasToken(t, [](int c) { return c == Token::Power; })) return;
    OperandEnds ends(t, true);
    BracketPlan plan(t.size());
    for (std::size_t i = 0; i + 2 < t.size(); ++i) {
        if (!isPowerPrefix(code(t[i])) || code(t[i + 1]) != Token::Power ||
            code(t[i + 2]) != Token::Open)
            continue;
        const std::size_t close = ends.closeOf(i + 2);
        // A ")" added after the group ends an earlier operand: nothing follows the group then.
        if (close == npos || plan.closesAt(close + 1)) continue;
        std::size_t start = close + 1;
        if (at(t, start) == Token::Space) plan.drop(start++);
        const std::size_t end = ends.end(start);
        if (end <= start || ends.isOneGroup(start, end)) continue;
        plan.enclose(start, end);
        ends.bracketed(start);
    }
    t = plan.apply(t);
}

void functionMarking(std::string& t) {
    if (!hasToken(t, [](int c) { return isFunction(c) || isAggregate(c); })) return;
    std::string out;
    out.reserve(t.size() + t.size() / 4);
    for (std::size_t i = 0; i < t.size(); ++i) {
        const int c = code(t[i]);
        const int before = i == 0 ? -1 : code(t[i - 1]);
        const bool marked = !isFunction(before) && before != Token::Divide &&
                            before != Token::Power && before != Token::Space;
        if ((isFunction(c) || isAggregate(c)) && marked) out += tokenChar(Token::Marker);
        out += t[i];
    }
    t = std::move(out);
}

void functionOperands(std::string& t) {
    if (!hasToken(t, [](int c) { return isFunction(c) || c == Token::Divide; })) return;
    bracketOperands(t, [](const auto& t, std::size_t i, auto runEnd, auto oneGroup, auto closeAt,
                          std::size_t& from, std::size_t& to) {
        const int c = code(t[i]);
        if (!isFunction(c) && c != Token::Divide) return false;
        from = i + 1;
        if ((isUserFunction(c) || isAntiderivative(c)) && isPrime(at(t, from))) ++from;
        if (isPowerPrefix(c) && at(t, from) == Token::Power && at(t, from + 1) == Token::Open) {
            const std::size_t close = closeAt(from + 1);
            if (close == npos) return false;
            from = close + 1;
        }
        if (takesOwnGroup(c) && at(t, from) == Token::Open) return false;
        to = runEnd(from);
        const bool always = c == Token::Divide || alwaysBracketed(c);
        return to > from && (always || !oneGroup(from, to));
    });
}

void deleteMarkers(std::string& t) {
    std::erase(t, tokenChar(Token::Marker));
}

} // namespace tarlix::passes
