#include "expression/References.h"

#include "expression/CompileMessages.h"
#include "expression/TokenText.h"
#include "expression/Vocabulary.h"

#include <climits>
#include <cmath>

namespace tarlix {

namespace {
bool hasTopLevelAnd(const std::string& t) {
    int depth = 0;
    for (char ch : t) {
        const int c = code(ch);
        if (c == tkOpen) ++depth;
        if (c == tkClose) --depth;
        if (c == tkAnd && depth == 0) return true;
    }
    return false;
}

constexpr std::size_t kMaxInlinedLength = 1 << 20;
} // namespace

std::string inlineReferences(const std::string& tokens, const DocumentExpressions& document) {
    std::string t = tokens;
    for (int pass = 0; pass <= kMaxReferenceDepth; ++pass) {
        bool changed = false;
        std::string out;
        for (char ch : t) {
            const int c = code(ch);
            const CompiledExpression* target = nullptr;
            if (isRelationRef(c))
                target = document.relation(relationRefNumber(c));
            else if (isFunctionRef(c))
                target = document.explicitFunction(functionRefNumber(c));
            else {
                out += ch;
                continue;
            }
            if (target == nullptr || target->tokens.empty()) return {};
            changed = true;
            if (isRelationRef(c) && hasTopLevelAnd(target->tokens))
                out += target->tokens;
            else
                out += tokenChar(tkOpen) + target->tokens + tokenChar(tkClose);
        }
        if (!changed) return out;
        if (out.size() > kMaxInlinedLength) return {};
        t = std::move(out);
    }
    return {}; // still changing: the references form a cycle
}

bool stripOuterBrackets(std::string& t) {
    int limit = INT_MAX;
    int depth = 0;
    for (std::size_t i = 0; i < t.size(); ++i) {
        const int c = code(t[i]);
        if (c == tkOpen) ++depth;
        if (c != tkClose) continue;
        --depth;
        if (t.find(tokenChar(tkOpen), i + 1) != std::string::npos && depth < limit) limit = depth;
    }
    bool changed = false;
    for (int removed = 0;
         removed < limit && t.size() >= 4 && code(t.front()) == tkOpen && code(t.back()) == tkClose;
         ++removed) {
        t = t.substr(1, t.size() - 2);
        changed = true;
    }
    return changed;
}

std::string detokenize(const std::string& tokens, const EngineSettings& settings,
                       const ConstantTexts* consts) {
    std::string out;
    for (char ch : tokens) {
        const int c = code(ch);
        if (c < kFirstOwnConstant)
            out += std::to_string(c - 1);
        else if (isConstant(c))
            out += consts ? (*consts)[static_cast<std::size_t>(c)] : "";
        else
            out += tokenName(c, settings);
    }
    return out;
}

bool isNumberText(const CompiledExpression& record) {
    if (record.tokens.empty()) return false;
    int before = tkOpen;
    for (char ch : record.tokens) {
        const int c = code(ch);
        // A sign in front of a number: the mouse writes negative coordinates so.
        const bool sign = c == tkMinus && (before == tkOpen || before == tkComma);
        if (!sign && !isConstant(c) && !isDigit(c) && c != tkSpace && c != tkNegate &&
            c != tkComma && c != tkOpen && c != tkClose)
            return false;
        if (c != tkSpace) before = c;
    }
    return true;
}

} // namespace tarlix
