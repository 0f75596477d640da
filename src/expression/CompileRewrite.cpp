// Rewrites of the checked text towards postfix order: relation form, implicit products,
// derivative orders, argument lists and the bodies of aggregates.
#include "expression/BracketPlan.h"
#include "expression/CompileMessages.h"
#include "expression/CompileSteps.h"
#include "expression/GapText.h"
#include "expression/TokenText.h"
#include "expression/Vocabulary.h"

#include <algorithm>
#include <vector>

namespace tarlix::steps {

namespace {
// divisions of top-level arguments of the group opening at open (0 for an empty group).
template <typename Text> int argumentCount(const Text& t, std::size_t open) {
    if (at(t, open + 1) == tkClose) return 0;
    return topLevelCommas(t, open) + 1;
}
} // namespace

void relationForm(std::string& t) {
    int depth = 0;
    for (std::size_t i = 0; i < t.size(); ++i) {
        const int c = code(t[i]);
        if (c == tkOpen) ++depth;
        if (c == tkClose) --depth;
        if (depth != 0 || !isComparison(c)) continue;
        t = tokenChar(tkOpen) + t.substr(0, i) + tokens({tkMinus, tkOpen}) + t.substr(i + 1) +
            tokens({tkClose, c, wholeNumberSlot(0), tkClose, tkMinus, wholeNumberSlot(1)});
        return;
    }
}

void postfixGroups(std::string& text) {
    if (!hasToken(text, isPostfix)) return;
    GapText t(std::move(text));
    for (std::size_t i = 1; i < t.size(); ++i) {
        if (!isPostfix(code(t[i]))) continue;
        std::size_t start = i - 1;
        if (code(t[start]) == tkClose) start = openOf(t, start);
        if (start == npos) continue;
        enclose(t, start, i + 1);
        ++i;
    }
    text = t.take();
}

void implicitMultiplication(std::string& t) {
    std::string out;
    out.reserve(t.size() + t.size() / 2);
    for (std::size_t i = 0; i < t.size(); ++i) {
        if (i > 0) {
            const int prev = code(t[i - 1]);
            const int cur = code(t[i]);
            const bool ends = isPostfix(prev) || isConstant(prev) || isReference(prev) ||
                              isVariable(prev) || prev == tkClose;
            const bool starts = isFunction(cur) || isReference(cur) || isPoint(cur) ||
                                isVariable(cur) || cur == tkOpen;
            if (ends && starts) out += tokenChar(tkTimes);
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
        } else if (at(t, i + 1) == tkPrime1 || at(t, i + 1) == tkPrime2) {
            order = at(t, i + 1) == tkPrime1 ? 1 : 2;
            t.erase(i + 1, 1);
        }
        if (at(t, i + 1) == tkOpen)
            t.insert(i + 2, tokens({wholeNumberSlot(order), tkComma}));
        else
            t.insert(i + 1, tokens({tkOpen, wholeNumberSlot(order), tkClose}));
    }
    text = t.take();
}

void solArguments(std::string& t) {
    for (std::size_t i = 0; i + 1 < t.size(); ++i) {
        if (code(t[i]) != tkSol || code(t[i + 1]) != tkOpen) continue;
        const std::size_t open = i + 1;
        const std::size_t close = closeOf(t, open);
        if (close == npos) continue;
        const int commas = topLevelCommas(t, open);
        if (commas == 0) {
            t.insert(open + 1, tokens({wholeNumberSlot(1), tkComma}));
        } else if (commas == 1) {
            const std::size_t comma = nthTopLevelComma(t, open, 1);
            const std::string body = t.substr(open + 1, comma - open - 1);
            const std::string n = t.substr(comma + 1, close - comma - 1);
            t.replace(open + 1, close - open - 1, n + tokenChar(tkComma) + body);
        }
    }
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
        if (open < t.size() && code(t[open]) == tkOpen && matches[open] != npos) {
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
    GapText t(std::move(text));
    for (std::size_t i = 1; i < t.size(); ++i) {
        if (code(t[i]) != tkPointFn || code(t[i - 1]) != tkClose) continue;
        const std::size_t open = openOf(t, i - 1);
        if (open == npos || topLevelCommas(t, open) != 0) continue;
        t.insert(i - 1, tokens({tkComma, wholeNumberSlot(0)}));
        i += 2;
    }
    text = t.take();
}

void argumentCounts(std::string& text) {
    GapText t(std::move(text));
    for (std::size_t i = 1; i < t.size(); ++i) {
        const int c = code(t[i]);
        if ((!isMultiArg(c) && !isUserFunction(c)) || code(t[i - 1]) != tkClose) continue;
        const std::size_t open = openOf(t, i - 1);
        if (open == npos) continue;
        std::string added;
        if (isMultiArg(c)) {
            added = tokens({tkComma, wholeNumberSlot(std::min(argumentCount(t, open), 14))});
        } else {
            for (int n = argumentCount(t, open); n < 5; ++n)
                added += tokens({tkComma, wholeNumberSlot(0)});
        }
        t.insert(i - 1, added);
        i += added.size();
    }
    text = t.take();
}

std::optional<std::string> aggregateBodies(std::string& text) {
    GapText t(std::move(text));
    for (std::size_t i = 1; i < t.size(); ++i) {
        const int c = code(t[i]);
        if (!isAggregate(c) || code(t[i - 1]) != tkClose) continue;
        const std::size_t open = openOf(t, i - 1);
        if (open == npos) continue;
        const int want = c == tkCof || c == tkSol ? 2 : 4;
        const int have = argumentCount(t, open);
        if (have != want) {
            text = t.take();
            return tokenName(c, EngineSettings{}) +
                   (have > want ? msg::kTooManyArguments : msg::kTooFewArguments);
        }
        const std::size_t lastComma = nthTopLevelComma(t, open, have - 1);
        t.set(i, tokenChar(tkSend));
        t.erase(lastComma, 1);
        t.insert(lastComma, tokens({tkClose, c, tkOpen}));
        i += 2;
    }
    text = t.take();
    return {};
}

} // namespace tarlix::steps
