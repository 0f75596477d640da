// Passes 18 to 25: bracketing of applications and left operands, chained comparisons, powers
// of sin, cos and tan, and the polar variables of relations.
#include "expression/BracketPlan.h"
#include "expression/ClosedGroups.h"
#include "expression/GapText.h"
#include "expression/NormalisePasses.h"
#include "expression/TokenText.h"
#include "expression/Vocabulary.h"

#include <algorithm>

namespace tarlix::passes {

namespace {
// End of the function at i with its prime, the exponent group of a power prefix and its
// argument group; groupEnd(open) is the end of the group opening at open.
template <typename Text, typename GroupEnd>
std::size_t applicationEnd(const Text& t, std::size_t i, GroupEnd groupEnd) {
    const int c = code(t[i]);
    std::size_t end = i + 1;
    if ((isUserFunction(c) || isAntiderivative(c)) && isPrime(at(t, end))) ++end;
    if (isPowerPrefix(c) && at(t, end) == Token::Power && at(t, end + 1) == Token::Open)
        end = groupEnd(end + 1);
    if (at(t, end) == Token::Open) end = groupEnd(end);
    return end;
}
} // namespace

void functionApplication(std::string& text) {
    if (!hasToken(text, [](int c) { return isFunction(c) || isAggregate(c); })) return;
    // The brackets each application adds wrap the function with whole groups, so they change
    // no choice made after them: all are read from the text as it stands. A group that is
    // never closed runs to the end of the text.
    const std::vector<std::size_t> matches = matchingBrackets(text);
    const auto groupEnd = [&](std::size_t open) {
        return matches[open] == npos ? text.size() : matches[open] + 1;
    };
    BracketPlan plan(text.size());
    for (std::size_t i = 0; i < text.size(); ++i) {
        const int c = code(text[i]);
        if (!isFunction(c) && !isAggregate(c)) continue;
        const std::size_t end = applicationEnd(text, i, groupEnd);
        if (end > i + 1) plan.enclose(i, end); // none without argument: the end check reports it
    }
    text = plan.apply(text);
}

namespace {
bool followsFunction(const GapText& t, std::size_t i) {
    return i > 0 && (isFunction(code(t[i - 1])) || isAggregate(code(t[i - 1])));
}

// The groups before the token the pass has reached that a left operand can still reach, in
// order: the groups of the text and those the pass built. A group inside another is dropped when
// the outer one closes, as nothing after it reaches it any more. A left operand that ends in ")"
// starts where that group starts, found without scanning back over it, so that chains and nests
// of groups are read once; a ")" with no group here closes none.
class ReachableGroups {
public:
    // Reads the token at i, the next one the pass reaches. The "(" still open there stand before
    // every left operand to come, since each operand is balanced, so nothing the pass adds moves
    // them.
    void read(int c, std::size_t i) {
        if (c == Token::Open) opens_.push_back(i);
        if (c != Token::Close || opens_.empty()) return;
        add(opens_.back(), i);
        opens_.pop_back();
    }
    // Records the group that [from, to) becomes: its ")" stands at to + 1 after the "(" at from.
    void enclose(std::size_t from, std::size_t to) { add(from, to + 1); }
    // The "(" of the group whose ")" stands at close, or npos.
    std::size_t openOf(std::size_t close) const {
        const auto found = std::lower_bound(groups_.begin(), groups_.end(), close,
                                            [](const std::pair<std::size_t, std::size_t>& g,
                                               std::size_t at) { return g.second < at; });
        return found != groups_.end() && found->second == close ? found->first : npos;
    }

private:
    void add(std::size_t open, std::size_t close) {
        while (!groups_.empty() && groups_.back().first >= open) groups_.pop_back();
        groups_.emplace_back(open, close);
    }

    std::vector<std::size_t> opens_;
    std::vector<std::pair<std::size_t, std::size_t>> groups_; // "(" and ")" positions
};

// Start of the left operand of the postfix operator or power at i: the token or group before
// it, with the postfix operators and powers already attached to it.
std::size_t leftOperandStart(const GapText& t, std::size_t i, const ReachableGroups& groups) {
    const bool component = code(t[i]) >= Token::DotX && code(t[i]) <= Token::DotR;
    std::size_t j = i;
    for (;;) {
        while (j > 0 && isPostfix(code(t[j - 1]))) --j;
        if (j == 0) return i;
        std::size_t s = j - 1;
        const int before = code(t[s]);
        if (before == Token::Open || before == Token::Comma || before == Token::Space ||
            isBinary(before))
            return i; // no operand: the checks report it
        if (before == Token::Close) {
            s = groups.openOf(s);
            if (s == npos) return i;
        }
        if (component && isPoint(code(t[s]))) {
            if (s > 0 && isPoint(code(t[s - 1])))
                s -= 1;
            else if (s > 1 && code(t[s - 1]) == Token::Space && isPoint(code(t[s - 2])))
                s -= 2;
        }
        if (s > 0 && code(t[s - 1]) == Token::Power && !followsFunction(t, s - 1)) {
            j = s - 1;
            continue;
        }
        return s;
    }
}
} // namespace

void postfixLeftOperands(std::string& text) {
    if (!hasToken(text, [](int c) { return isPostfix(c) || c == Token::Power; })) return;
    GapText t(std::move(text));
    ReachableGroups groups;
    for (std::size_t i = 0; i < t.size(); ++i) {
        const int c = code(t[i]);
        groups.read(c, i);
        if (!isPostfix(c) && !(c == Token::Power && !followsFunction(t, i))) continue;
        const std::size_t start = leftOperandStart(t, i, groups);
        if (start == i) continue;
        enclose(t, start, i);
        groups.enclose(start, i);
        i += 2;
    }
    text = t.take();
}

namespace {
bool extendsQuotient(int c) {
    return isAggregate(c) || isFunction(c) || isPostfix(c) || isReference(c) || isConstant(c) ||
           isVariable(c) || isPoint(c) || c == Token::Power || c == Token::Divide;
}
} // namespace

void quotientLeftOperands(std::string& t) {
    if (!hasToken(t, [](int c) { return c == Token::Divide; })) return;
    // The left operand of "/" is the run of tokens and groups before it. A bracketed operand
    // is itself such a group, so each run can be read from the text as it stands: start[p] is
    // where the run that ends at p begins.
    const std::vector<std::size_t> matches = matchingBrackets(t);
    std::vector<std::size_t> start(t.size() + 1);
    for (std::size_t p = 0; p <= t.size(); ++p) {
        start[p] = p;
        if (p == 0) continue;
        const int c = code(t[p - 1]);
        if (c == Token::Close && matches[p - 1] != npos)
            start[p] = start[matches[p - 1]];
        else if (c != Token::Close && extendsQuotient(c))
            start[p] = start[p - 1];
    }
    BracketPlan plan(t.size());
    for (std::size_t i = 0; i < t.size(); ++i)
        if (code(t[i]) == Token::Divide && start[i] != i) plan.enclose(start[i], i);
    t = plan.apply(t);
}

void deleteSpaces(std::string& t) {
    if (!hasToken(t, [](int c) { return c == Token::Space; })) return;
    std::string out;
    out.reserve(t.size());
    for (std::size_t i = 0; i < t.size(); ++i) {
        const bool betweenPoints =
            !out.empty() && isPoint(code(out.back())) && isPoint(at(t, i + 1));
        if (code(t[i]) != Token::Space || betweenPoints) out += t[i];
    }
    t = std::move(out);
}

void normToLen(std::string& t) {
    for (char& ch : t)
        if (code(ch) == Token::Norm) ch = tokenChar(Token::Len);
}

namespace {
// The position of the ")" closing each "(" of the text, npos where none does; one pass for all.
std::vector<std::size_t> groupCloses(const std::string& s) {
    std::vector<std::size_t> closes(s.size(), npos);
    std::vector<std::size_t> open;
    for (std::size_t i = 0; i < s.size(); ++i) {
        const int c = code(s[i]);
        if (c == Token::Open) open.push_back(i);
        if (c == Token::Close && !open.empty()) {
            closes[open.back()] = i;
            open.pop_back();
        }
    }
    return closes;
}

// One stretch [from, to) between "and", "or" and "," at one bracket depth, with the comparisons
// at that depth at ops: a<b<c becomes (a<b)and(b<c).
void appendClause(const std::string& s, std::size_t from, std::size_t to,
                  const std::vector<std::size_t>& ops, std::string& out) {
    if (ops.size() < 2) {
        out.append(s, from, to - from);
        return;
    }
    std::size_t start = from;
    for (std::size_t k = 0; k < ops.size(); ++k) {
        const std::size_t end = k + 1 < ops.size() ? ops[k + 1] : to;
        if (k > 0) out += tokenChar(Token::And);
        out += tokenChar(Token::Open);
        out.append(s, start, end - start);
        out += tokenChar(Token::Close);
        start = ops[k] + 1;
    }
}

// Appends [from, to) of s with its chains split, innermost groups first. The groups already
// done are stepped over whole where they cannot hold a clause of this level, so that each
// level reads only its own tokens.
void chainIn(const std::string& s, std::size_t from, std::size_t to,
             const std::vector<std::size_t>& closes, std::string& out) {
    std::string withGroups;
    std::vector<std::pair<std::size_t, std::size_t>> groups; // "(" and ")" in withGroups
    for (std::size_t i = from; i < to; ++i) {
        if (code(s[i]) != Token::Open) {
            withGroups += s[i];
            continue;
        }
        const std::size_t close = closes[i];
        if (close == npos) {
            withGroups.append(s, i, to - i);
            break;
        }
        const std::size_t start = withGroups.size();
        withGroups += tokenChar(Token::Open);
        chainIn(s, i + 1, close, closes, withGroups);
        withGroups += tokenChar(Token::Close);
        groups.emplace_back(start, withGroups.size() - 1);
        i = close;
    }
    std::vector<std::size_t> ops;
    std::size_t clause = 0;
    std::size_t nextGroup = 0;
    int depth = 0;
    for (std::size_t i = 0; i <= withGroups.size(); ++i) {
        while (nextGroup < groups.size() && groups[nextGroup].first < i) ++nextGroup;
        // A group entered at depth zero holds nothing at depth zero and leaves the depth as is.
        if (depth == 0 && nextGroup < groups.size() && groups[nextGroup].first == i) {
            i = groups[nextGroup].second;
            continue;
        }
        const int c = i < withGroups.size() ? code(withGroups[i]) : int{Token::Comma};
        if (c == Token::Open) ++depth;
        if (c == Token::Close) --depth;
        if (depth != 0) continue;
        if (isComparison(c)) ops.push_back(i);
        if (c != Token::And && c != Token::Or && c != Token::Comma) continue;
        appendClause(withGroups, clause, i, ops, out);
        ops.clear();
        if (i < withGroups.size()) out += withGroups[i];
        clause = i + 1;
    }
    if (clause < withGroups.size()) out.append(withGroups, clause); // unbalanced brackets
}
} // namespace

void chainedComparisons(std::string& t) {
    // A chain needs two comparisons.
    const auto comparisons =
        std::count_if(t.begin(), t.end(), [](char ch) { return isComparison(code(ch)); });
    if (comparisons < 2) return;
    std::string out;
    chainIn(t, 0, t.size(), groupCloses(t), out);
    t = std::move(out);
}

namespace {
// Copies [from, to) with each "sin^(e)(u)" (and cos, tan) written as "(e)↑(sin(u))", so that the
// power applies to the function's value. The exponent and the argument are copied by calls of
// their own, one bracket level deeper each: the depth is bounded by the nesting limit.
void appendPowerPrefixPowers(const std::string& t, std::size_t from, std::size_t to,
                             const std::vector<GroupFacts>& groups, std::string& out) {
    for (std::size_t i = from; i < to; ++i) {
        const int fn = code(t[i]);
        if (!isPowerPrefix(fn) || i + 2 >= to || code(t[i + 1]) != Token::Power ||
            code(t[i + 2]) != Token::Open) {
            out += t[i];
            continue;
        }
        const std::size_t expClose = groups[i + 2].close;
        const std::size_t argOpen = expClose + 1;
        if (expClose == npos || argOpen >= to || code(t[argOpen]) != Token::Open ||
            groups[argOpen].close == npos) {
            out += t[i];
            continue;
        }
        const std::size_t argClose = groups[argOpen].close;
        out += t[i + 2];
        appendPowerPrefixPowers(t, i + 3, expClose, groups, out);
        out += tokens({Token::Close, Token::ReversePower, Token::Open, fn, Token::Open});
        appendPowerPrefixPowers(t, argOpen + 1, argClose, groups, out);
        out += tokens({Token::Close, Token::Close});
        i = argClose;
    }
}
} // namespace

void powerPrefixPowers(std::string& t) {
    if (!hasToken(t, [](int c) { return c == Token::Power; })) return;
    rewriteWithGroups(t, appendPowerPrefixPowers);
}

void relationVariables(std::string& t, ThetaMode thetaMode) {
    if (!hasToken(t, [](int c) { return c == Token::R || c == Token::Theta; })) return;
    std::string out;
    out.reserve(t.size() + 16);
    for (char ch : t) {
        const int c = code(ch);
        int fn = 0;
        if (c == Token::R)
            fn = Token::Len;
        else if (c == Token::Theta && thetaMode == ThetaMode::PolarAngle)
            fn = Token::Arg;
        if (fn == 0)
            out += ch;
        else
            out += tokens({Token::Open, fn, Token::Open, Token::X, Token::Comma, Token::Y,
                           Token::Close, Token::Close});
    }
    t = std::move(out);
}

} // namespace tarlix::passes
