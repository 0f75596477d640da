#include "render/DirtyPropagation.h"

#include "document/ObjectTokens.h"
#include "document/ParamTable.h"
#include "expression/References.h"
#include "render/figures/FigureStore.h"

namespace tarlix {

namespace {

// The tokens that name objects and values of the vocabulary.
constexpr int kFirstObjectToken = 44;
constexpr int kLastObjectToken = 241;
constexpr int kTheta = 13;

bool refers(const Project& p, int token, const CompiledExpression& e) {
    return !e.tokens.empty() && dependsOn(token, e, p, p.engine);
}

bool figureRefers(const Project& p, int token, const FigureEntry& f) {
    if (refers(p, token, f.paramLow) || refers(p, token, f.paramHigh)) return true;
    if (isCurveKind(f.kind) && token == parameterToken(parameterOfLetter(f.paramLetter)))
        return false;
    if (f.kind == FigureKind::Empty) return false;
    return refers(p, token, f.whole) || refers(p, token, f.x) || refers(p, token, f.y) ||
           refers(p, token, f.radius);
}

} // namespace

TokenSet DirtyPropagation::propagate(const Project& p, const TokenSet& input) {
    if (valid_ && input == input_) return result_;
    TokenSet out = input;
    relations_.reset();
    const bool thetaIsAngle = p.engine.thetaMode == ThetaMode::PolarAngle;
    for (int t = kFirstObjectToken; t <= kLastObjectToken; ++t) {
        if (!input.test(static_cast<std::size_t>(t))) continue;
        for (int n = 1; n <= kFigures; ++n)
            if (figureRefers(p, t, p.figures[n])) out.set(static_cast<std::size_t>(figureToken(n)));
        for (int n = 1; n <= kExplicitFunctions; ++n)
            if (refers(p, t, p.explicitFunctions[n].expr))
                out.set(static_cast<std::size_t>(explicitFunctionToken(n)));
        for (int n = 1; n <= kUserFunctions; ++n)
            if (refers(p, t, p.userFunctions[n]))
                out.set(static_cast<std::size_t>(userFunctionToken(n)));
        if (thetaIsAngle && t == parameterToken(kTheta)) continue;
        for (int n = 1; n <= kRelations; ++n)
            if (refers(p, t, p.relations[n].expr)) {
                out.set(static_cast<std::size_t>(relationToken(n)));
                relations_.set(static_cast<std::size_t>(n));
            }
    }
    input_ = input;
    result_ = out;
    valid_ = true;
    return out;
}

} // namespace tarlix
