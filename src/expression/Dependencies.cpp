// Following the references of compiled code: dependency and cycle tests.
#include "expression/CompileMessages.h"
#include "expression/References.h"
#include "expression/Vocabulary.h"

#include <climits>
#include <cmath>
#include <set>
#include <string_view>
#include <vector>

namespace tarlix {

namespace {
// One expression reached through a reference.
struct Reference {
    const CompiledExpression* record;
    int id;            // unique per document expression
    bool userFunction; // x, y and theta are the function's own arguments there
    int figureToken;   // for "P"(n, k): the point token of figure n, else 0
};

int constantAt(const CompiledExpression& r, std::size_t i) {
    if (!isConstant(code(r.code[i]))) return INT_MIN;
    const Value& v = r.constValue[code(r.code[i])];
    return v.isValid() ? static_cast<int>(std::lround(v.x)) : INT_MIN;
}

// Figure number n of a component reference "P"(n, k) ending at i: the code is n k "P" or, as
// the normaliser writes it, m r "+" k "P". 0 when it is computed.
int figureOfComponent(const CompiledExpression& r, std::size_t i) {
    if (i >= 2 && constantAt(r, i - 2) != INT_MIN) return constantAt(r, i - 2);
    if (i >= 4 && code(r.code[i - 2]) == Token::Plus && constantAt(r, i - 3) != INT_MIN &&
        constantAt(r, i - 4) != INT_MIN)
        return constantAt(r, i - 3) + constantAt(r, i - 4);
    return 0;
}

void addFigure(std::vector<Reference>& out, const DocumentExpressions& doc, int n, int k) {
    const FigurePart part = figurePartOf(k);
    if (const CompiledExpression* f = doc.figure(n, part))
        out.push_back({f, 3000 + n * 4 + static_cast<int>(part), false, figureToken(n)});
}

// The expressions the code refers to. With allFigures, a component reference whose figure is
// computed stands for every figure (dependency tests must not miss one).
std::vector<Reference> referencesOf(const CompiledExpression& r, const DocumentExpressions& doc,
                                    bool allFigures) {
    std::vector<Reference> out;
    for (std::size_t i = 0; i < r.code.size(); ++i) {
        const int c = code(r.code[i]);
        if (isFigure(c)) {
            addFigure(out, doc, figureNumber(c), 0);
        } else if (c == Token::PointFn) {
            const int k = i >= 1 ? constantAt(r, i - 1) : INT_MIN;
            const int n = figureOfComponent(r, i);
            if (n >= 1 && n <= kFigures) addFigure(out, doc, n, k);
            for (int m = 1; allFigures && n == 0 && m <= kFigures; ++m)
                for (int part = 0; part <= 3; ++part) addFigure(out, doc, m, part);
        } else if (isFunctionRef(c)) {
            const int n = functionRefNumber(c);
            if (auto* f = doc.explicitFunction(n)) out.push_back({f, 1000 + n, false, 0});
        } else if (isRelationRef(c)) {
            const int n = relationRefNumber(c);
            if (auto* f = doc.relation(n)) out.push_back({f, 2000 + n, false, 0});
        } else if (isUserFunction(c)) {
            const int n = userFunctionNumber(c);
            if (auto* f = doc.userFunction(n)) out.push_back({f, 4000 + n, true, 0});
        }
    }
    return out;
}

bool occursIn(int token, const CompiledExpression& r) {
    const char ch = tokenChar(token);
    // Behind the unrecognised-rest marker the token text holds raw characters, not tokens.
    const auto end = r.tokens.find(tokenChar(Token::Unrecognised));
    const std::string_view tokens(r.tokens.data(),
                                  end == std::string::npos ? r.tokens.size() : end);
    return r.code.find(ch) != std::string::npos || tokens.find(ch) != std::string_view::npos;
}

struct DependencySearch {
    int token;
    const DocumentExpressions& doc;
    bool argumentToken; // x, y or theta: not counted inside user functions
    std::set<int> visited;

    bool search(const CompiledExpression& r, bool inUserFunction, int depth) {
        if (depth > kMaxReferenceDepth) return false;
        if (!(inUserFunction && argumentToken) && occursIn(token, r)) return true;
        for (const Reference& ref : referencesOf(r, doc, true)) {
            if (ref.figureToken == token && token != 0) return true;
            if (!visited.insert(ref.id).second) continue;
            if (search(*ref.record, inUserFunction || ref.userFunction, depth + 1)) return true;
        }
        return false;
    }
};

struct CycleSearch {
    const DocumentExpressions& doc;
    std::set<int> onPath;
    std::set<int> cleared; // expressions already known to lead to no cycle

    bool search(const CompiledExpression& r, int depth) {
        if (depth > kMaxReferenceDepth) return true;
        for (const Reference& ref : referencesOf(r, doc, false)) {
            if (onPath.count(ref.id)) return true;
            if (cleared.count(ref.id)) continue;
            onPath.insert(ref.id);
            if (search(*ref.record, depth + 1)) return true;
            onPath.erase(ref.id);
            cleared.insert(ref.id);
        }
        return false;
    }
};
} // namespace

bool dependsOn(int token, const CompiledExpression& record, const DocumentExpressions& document,
               const EngineSettings& settings) {
    const bool argument = token == Token::X || token == Token::Y ||
                          (token == Token::Theta && settings.thetaMode == ThetaMode::PolarAngle);
    DependencySearch s{token, document, argument, {}};
    return s.search(record, false, 0);
}

bool checkCircular(const CompiledExpression& record, const DocumentExpressions& document,
                   MessageBox& messages) {
    CycleSearch s{document, {}, {}};
    if (!s.search(record, 0)) return false;
    messages.show(msg::kCircular, MessageKind::Error, false);
    return true;
}

} // namespace tarlix
