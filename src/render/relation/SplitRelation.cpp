#include "render/relation/SplitRelation.h"

#include "expression/NormalisePasses.h"
#include "expression/References.h"
#include "expression/TokenText.h"
#include "expression/Vocabulary.h"

#include <algorithm>

namespace tarlix {

namespace {

// More alternatives than this are not worth drawing; a relation has at most eight parts anyway.
constexpr std::size_t kMaxGroups = 64;

using Group = std::vector<std::string>; // the comparisons that must all hold
using Alternatives = std::vector<Group>;

std::string trimSpaces(const std::string& t) {
    std::size_t from = 0, to = t.size();
    while (from < to && code(t[from]) == Token::Space) ++from;
    while (to > from && code(t[to - 1]) == Token::Space) --to;
    return t.substr(from, to - from);
}

std::string bare(std::string t) {
    t = trimSpaces(t);
    while (stripOuterBrackets(t)) t = trimSpaces(t);
    return t;
}

// The pieces between the top-level tokens `separator`.
std::vector<std::string> splitTopLevel(const std::string& t, int separator) {
    std::vector<std::string> pieces;
    int depth = 0;
    std::size_t from = 0;
    for (std::size_t i = 0; i < t.size(); ++i) {
        const int c = code(t[i]);
        if (c == Token::Open) ++depth;
        if (c == Token::Close) --depth;
        if (depth == 0 && c == separator) {
            pieces.push_back(t.substr(from, i - from));
            from = i + 1;
        }
    }
    pieces.push_back(t.substr(from));
    return pieces;
}

bool holdsLogic(const std::string& t) {
    return splitTopLevel(t, Token::And).size() > 1 || splitTopLevel(t, Token::Or).size() > 1;
}

Alternatives alternativesOf(const std::string& text);

// Every way of picking one alternative of each factor.
Alternatives allOf(const std::string& text) {
    Alternatives result{Group{}};
    for (const std::string& piece : splitTopLevel(text, Token::And)) {
        const std::string b = bare(piece);
        if (b.empty()) continue;
        const Alternatives factor = holdsLogic(b) ? alternativesOf(b) : Alternatives{Group{b}};
        Alternatives next;
        for (const Group& left : result)
            for (const Group& right : factor) {
                if (next.size() >= kMaxGroups) break;
                Group g = left;
                g.insert(g.end(), right.begin(), right.end());
                next.push_back(std::move(g));
            }
        result = std::move(next);
    }
    return result;
}

Alternatives alternativesOf(const std::string& text) {
    Alternatives result;
    for (const std::string& piece : splitTopLevel(text, Token::Or)) {
        const std::string b = bare(piece);
        if (b.empty()) continue;
        for (Group& g : allOf(b))
            if (!g.empty() && result.size() < kMaxGroups) result.push_back(std::move(g));
    }
    return result;
}

RelationOp opOf(int token) {
    switch (token) {
    case Token::Greater:
        return RelationOp::Greater;
    case Token::GreaterEqual:
        return RelationOp::GreaterEqual;
    case Token::Less:
        return RelationOp::Less;
    case Token::LessEqual:
        return RelationOp::LessEqual;
    case Token::NotEqual:
        return RelationOp::NotEqual;
    default:
        return RelationOp::Equal;
    }
}

// y followed by a sign or a comparison, and no other y in f.
bool isExplicitPart(const std::string& comparison, const std::string& f) {
    if (comparison.size() < 2 || code(comparison[0]) != Token::Y) return false;
    const int next = code(comparison[1]);
    if (next != Token::Plus && next != Token::Minus && !isComparison(next)) return false;
    return std::count(f.begin(), f.end(), tokenChar(Token::Y)) == 1;
}

SplitPart compilePart(const std::string& comparison, const CompileEnv& env) {
    SplitPart part;
    const std::string f = partFunctionTokens(comparison, part.op);
    part.explicitForm = isExplicitPart(comparison, f);
    part.f.tokens = f;
    part.f.source = detokenize(f, env.settings);
    compile(part.f, kModeRelation, false, env);
    return part;
}

} // namespace

std::string partFunctionTokens(const std::string& comparison, RelationOp& op) {
    int depth = 0;
    for (std::size_t i = 0; i < comparison.size(); ++i) {
        const int c = code(comparison[i]);
        if (c == Token::Open) ++depth;
        if (c == Token::Close) --depth;
        if (depth != 0 || !isComparison(c)) continue;
        op = opOf(c);
        return trimSpaces(comparison.substr(0, i)) + tokenChar(Token::Minus) +
               tokenChar(Token::Open) + trimSpaces(comparison.substr(i + 1)) +
               tokenChar(Token::Close);
    }
    op = RelationOp::Equal;
    return comparison;
}

SplitRelationResult splitRelation(const CompiledExpression& relation, const CompileEnv& env,
                                  const DocumentExpressions* document) {
    SplitRelationResult result;
    std::string text = document ? inlineReferences(relation.tokens, *document) : relation.tokens;
    passes::chainedComparisons(text);
    std::vector<std::string> known; // the distinct comparisons, in order of appearance
    for (const Group& group : alternativesOf(bare(text))) {
        std::uint8_t mask = 0;
        bool complete = true;
        for (const std::string& comparison : group) {
            auto at = std::find(known.begin(), known.end(), comparison);
            if (at == known.end()) {
                if (known.size() >= std::size_t(maxRelationParts)) {
                    complete = false; // a ninth part is not drawn, nor its group
                    continue;
                }
                known.push_back(comparison);
                result.parts.push_back(compilePart(comparison, env));
                at = known.end() - 1;
            }
            mask |= partBit(static_cast<int>(at - known.begin()) + 1);
        }
        if (complete &&
            std::find(result.groups.begin(), result.groups.end(), mask) == result.groups.end())
            result.groups.push_back(mask);
    }
    return result;
}

} // namespace tarlix
