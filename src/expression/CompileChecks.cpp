// The checks of the normalised text and the binding of the variables of sums, products,
// integrals and "Step".
#include "expression/CompileMessages.h"
#include "expression/CompileSteps.h"
#include "expression/TokenText.h"
#include "expression/Vocabulary.h"

#include <algorithm>

namespace tarlix::steps {

namespace {
using Message = std::optional<std::string>;

Message checkBrackets(const std::string& t) {
    const auto opens = std::count(t.begin(), t.end(), tokenChar(Token::Open));
    const auto closes = std::count(t.begin(), t.end(), tokenChar(Token::Close));
    if (opens > closes) return msg::kMissingClose;
    if (closes > opens) return msg::kExtraClose;
    int depth = 0;
    for (char ch : t) {
        if (code(ch) == Token::Open) ++depth;
        if (code(ch) == Token::Close && --depth < 0) return msg::kBracketOrder;
    }
    return {};
}

// The first position i >= 1 where pred(previous, current) holds.
template <typename Pred> bool anyPair(const std::string& t, Pred pred) {
    for (std::size_t i = 1; i < t.size(); ++i)
        if (pred(code(t[i - 1]), code(t[i]))) return true;
    return false;
}

Message checkOperators(const std::string& t) {
    if (anyPair(t, [](int prev, int cur) {
            const bool binaryMisplaced =
                isBinary(cur) && (isFunction(prev) || isBinary(prev) || prev == Token::Open);
            return binaryMisplaced || ((isPostfix(cur) || cur == Token::Close) && isBinary(prev));
        }))
        return msg::kBadOperator;
    if (anyPair(t, [](int prev, int cur) {
            return isPostfix(cur) && (isFunction(prev) || isBinary(prev) || prev == Token::Open);
        }))
        return msg::kBadPostfix;
    if (anyPair(t, [](int prev, int cur) {
            return isConstant(cur) && (isConstant(prev) || isPostfix(prev) || isReference(prev) ||
                                       isPoint(prev) || isVariable(prev) || prev == Token::Close);
        }))
        return msg::kBadNumberPlace;
    return {};
}

Message checkDecimals(ConstTable& consts, char decimalChar) {
    for (int slot = kFirstOwnConstant; slot < consts.next; ++slot) {
        std::string& text = consts.text[static_cast<std::size_t>(slot)];
        if (text.size() > 20) return msg::kTooManyDigits;
        if (std::count(text.begin(), text.end(), decimalChar) > 1) return msg::kBadDecimalPoint;
        if (!text.empty() && text.front() == decimalChar) text.insert(0, 1, '0');
    }
    return {};
}
} // namespace

Message checkText(const std::string& t, ConstTable& consts, char decimalChar) {
    if (isBinary(at(t, 0)) || isPostfix(at(t, 0))) return msg::kBadStart;
    const int last = t.empty() ? -1 : code(t.back());
    if (isBinary(last) || isFunction(last)) return msg::kBadEnd;
    if (auto m = checkBrackets(t)) return m;
    if (auto m = checkOperators(t)) return m;
    return checkDecimals(consts, decimalChar);
}

Message bindVariables(std::string& t) {
    for (std::size_t i = 0; i < t.size(); ++i) {
        const int c = code(t[i]);
        const bool loop = c == Token::Sum || c == Token::Product || c == Token::Igr;
        if (c != Token::Step && !loop) continue;
        const int v = at(t, i + 2);
        const bool variableOk =
            isParameter(v) || (c == Token::Igr && (v == Token::X || v == Token::Y));
        const int after = c == Token::Step ? Token::Close : Token::Comma;
        if (at(t, i + 1) != Token::Open || !variableOk || at(t, i + 3) != after)
            return "\"" + tokenName(c, EngineSettings{}) + msg::kBadParameter;
        t[i + 2] = tokenChar(wholeNumberSlot(parameterIndex(v)));
    }
    return {};
}

} // namespace tarlix::steps
