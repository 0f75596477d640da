// Rewrites of the checked text towards postfix order: relation form, implicit products,
// derivative orders, argument lists and the bodies of aggregates.
#include "expression/BracketPlan.h"
#include "expression/ClosedGroups.h"
#include "expression/CompileMessages.h"
#include "expression/CompileSteps.h"
#include "expression/GapText.h"
#include "expression/TokenText.h"
#include "expression/Vocabulary.h"

#include <algorithm>
#include <vector>

namespace tarlix::steps {

void relationForm(std::string& t) {
    int depth = 0;
    for (std::size_t i = 0; i < t.size(); ++i) {
        const int c = code(t[i]);
        if (c == Token::Open) ++depth;
        if (c == Token::Close) --depth;
        if (depth != 0 || !isComparison(c)) continue;
        t = tokenChar(Token::Open) + t.substr(0, i) + tokens({Token::Minus, Token::Open}) +
            t.substr(i + 1) +
            tokens({Token::Close, c, wholeNumberSlot(0), Token::Close, Token::Minus,
                    wholeNumberSlot(1)});
        return;
    }
}

void postfixGroups(std::string& t) {
    if (!hasToken(t, isPostfix)) return;
    // Each postfix operator is bracketed with the token or group before it, or with the group
    // built for the postfix before it: every choice can be read from the text as it stands.
    const std::vector<std::size_t> matches = matchingBrackets(t);
    std::vector<std::size_t> builtFrom(t.size(), npos);
    BracketPlan plan(t.size());
    for (std::size_t i = 1; i < t.size(); ++i) {
        if (!isPostfix(code(t[i]))) continue;
        std::size_t from = builtFrom[i - 1];
        if (from == npos) from = code(t[i - 1]) == Token::Close ? matches[i - 1] : i - 1;
        if (from == npos) continue;
        builtFrom[i] = from;
        plan.enclose(from, i + 1);
    }
    t = plan.apply(t);
}

void implicitMultiplication(std::string& t) {
    std::string out;
    out.reserve(t.size() + t.size() / 2);
    for (std::size_t i = 0; i < t.size(); ++i) {
        if (i > 0) {
            const int prev = code(t[i - 1]);
            const int cur = code(t[i]);
            const bool ends = isPostfix(prev) || isConstant(prev) || isReference(prev) ||
                              isVariable(prev) || prev == Token::Close;
            const bool starts = isFunction(cur) || isReference(cur) || isPoint(cur) ||
                                isVariable(cur) || cur == Token::Open;
            if (ends && starts) out += tokenChar(Token::Times);
        }
        out += t[i];
    }
    t = std::move(out);
}

void derivativeOrders(std::string& text) {
    GapText t(std::move(text));
    for (std::size_t i = 0; i < t.size(); ++i) {
        const int c = code(t[i]);
        if (!isUserFunction(c) && !isAntiderivative(c)) continue;
        int order = 0;
        if (isAntiderivative(c)) {
            order = 3;
            t.set(i, tokenChar(c - 8));
        } else if (at(t, i + 1) == Token::Prime1 || at(t, i + 1) == Token::Prime2) {
            order = at(t, i + 1) == Token::Prime1 ? 1 : 2;
            t.erase(i + 1, 1);
        }
        if (at(t, i + 1) == Token::Open)
            t.insert(i + 2, tokens({wholeNumberSlot(order), Token::Comma}));
        else
            t.insert(i + 1, tokens({Token::Open, wholeNumberSlot(order), Token::Close}));
    }
    text = t.take();
}

namespace {
// Copies [from, to) with the arguments of each "sol" in the order the evaluator takes them: the
// index first, 1 when none is given. Groups nested in a "sol" group are copied by a call of
// their own; they are groups the user typed, so their depth is bounded by the typed nesting.
void appendSolArguments(const std::string& t, std::size_t from, std::size_t to,
                        const std::vector<GroupFacts>& groups, std::string& out) {
    for (std::size_t i = from; i < to; ++i) {
        out += t[i];
        if (code(t[i]) != Token::Sol || i + 1 >= to || code(t[i + 1]) != Token::Open) continue;
        const GroupFacts& g = groups[i + 1];
        if (g.close == npos || g.commas > 1) continue;
        out += t[i + 1];
        if (g.commas == 0) {
            out += tokens({wholeNumberSlot(1), Token::Comma});
            appendSolArguments(t, g.open + 1, g.close, groups, out);
        } else {
            appendSolArguments(t, g.firstComma + 1, g.close, groups, out);
            out += t[g.firstComma];
            appendSolArguments(t, g.open + 1, g.firstComma, groups, out);
        }
        out += t[g.close];
        i = g.close;
    }
}
} // namespace

void solArguments(std::string& t) {
    if (!hasToken(t, [](int c) { return c == Token::Sol; })) return;
    rewriteWithGroups(t, appendSolArguments);
}

void functionsBehindArguments(std::string& t) {
    // Each function moves behind the group that follows it; a run of functions before one group
    // all move behind it, in their order. One pass, with the runs waiting for their group's end.
    const auto isApplied = [](int c) { return isFunction(c) || isAggregate(c); };
    if (!hasToken(t, isApplied)) return;
    const std::vector<std::size_t> matches = matchingBrackets(t);
    struct Waiting {
        std::size_t close;    // the end of the group
        std::size_t runStart; // the run of functions that goes behind it
        std::size_t runEnd;
    };
    std::vector<Waiting> waiting;
    std::string out;
    out.reserve(t.size());
    for (std::size_t i = 0; i < t.size();) {
        if (!waiting.empty() && i == waiting.back().close) {
            out += t[i++];
            out.append(t, waiting.back().runStart, waiting.back().runEnd - waiting.back().runStart);
            waiting.pop_back();
            continue;
        }
        std::size_t open = i;
        while (open < t.size() && isApplied(code(t[open]))) ++open;
        if (open < t.size() && code(t[open]) == Token::Open && matches[open] != npos) {
            waiting.push_back({matches[open], i, open});
            out += t[open];
            i = open + 1;
            continue;
        }
        if (open == i) ++open;
        out.append(t, i, open - i);
        i = open;
    }
    t = std::move(out);
}

void pointSecondArgument(std::string& text) {
    if (!hasToken(text, [](int c) { return c == Token::PointFn; })) return;
    GapText t(std::move(text));
    ClosedGroups groups;
    for (std::size_t i = 1; i < t.size(); ++i) {
        groups.read(code(t[i - 1]), i - 1);
        if (code(t[i]) != Token::PointFn) continue;
        const GroupFacts* g = groups.closedAt(i - 1);
        if (!g || g->commas != 0) continue;
        t.insert(i - 1, tokens({Token::Comma, wholeNumberSlot(0)}));
        i += 2;
    }
    text = t.take();
}

void argumentCounts(std::string& text) {
    GapText t(std::move(text));
    ClosedGroups groups;
    for (std::size_t i = 1; i < t.size(); ++i) {
        groups.read(code(t[i - 1]), i - 1);
        const int c = code(t[i]);
        if (!isMultiArg(c) && !isUserFunction(c)) continue;
        const GroupFacts* g = groups.closedAt(i - 1);
        if (!g) continue;
        std::string added;
        if (isMultiArg(c)) {
            added = tokens({Token::Comma, wholeNumberSlot(std::min(g->arguments(), 14))});
        } else {
            for (int n = g->arguments(); n < 5; ++n)
                added += tokens({Token::Comma, wholeNumberSlot(0)});
        }
        t.insert(i - 1, added);
        i += added.size();
    }
    text = t.take();
}

std::optional<std::string> aggregateBodies(std::string& text) {
    GapText t(std::move(text));
    ClosedGroups groups;
    for (std::size_t i = 1; i < t.size(); ++i) {
        groups.read(code(t[i - 1]), i - 1);
        const int c = code(t[i]);
        if (!isAggregate(c)) continue;
        const GroupFacts* g = groups.closedAt(i - 1);
        if (!g) continue;
        const int want = c == Token::Cof || c == Token::Sol ? 2 : 4;
        const int have = g->arguments();
        if (have != want) {
            text = t.take();
            return tokenName(c, EngineSettings{}) +
                   (have > want ? msg::kTooManyArguments : msg::kTooFewArguments);
        }
        const std::size_t lastComma = g->lastComma;
        t.set(i, tokenChar(Token::Send));
        t.erase(lastComma, 1);
        t.insert(lastComma, tokens({Token::Close, c, Token::Open}));
        i += 2;
    }
    text = t.take();
    return {};
}

} // namespace tarlix::steps
