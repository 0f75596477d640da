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
        if (c == Token::Open) ++depth;
        if (c == Token::Close) --depth;
        if (c == Token::And && depth == 0) return true;
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
                out += tokenChar(Token::Open) + target->tokens + tokenChar(Token::Close);
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
        if (c == Token::Open) ++depth;
        if (c != Token::Close) continue;
        --depth;
        if (t.find(tokenChar(Token::Open), i + 1) != std::string::npos && depth < limit)
            limit = depth;
    }
    bool changed = false;
    for (int removed = 0; removed < limit && t.size() >= 4 && code(t.front()) == Token::Open &&
                          code(t.back()) == Token::Close;
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
    int before = Token::Open;
    for (char ch : record.tokens) {
        const int c = code(ch);
        // A sign in front of a number: the mouse writes negative coordinates so.
        const bool sign = c == Token::Minus && (before == Token::Open || before == Token::Comma);
        if (!sign && !isConstant(c) && !isDigit(c) && c != Token::Space && c != Token::Negate &&
            c != Token::Comma && c != Token::Open && c != Token::Close)
            return false;
        if (c != Token::Space) before = c;
    }
    return true;
}

} // namespace tarlix
