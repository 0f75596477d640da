// Marking the objects that use a changed name, so that the redraw recomputes only those.

#include "document/ObjectTokens.h"
#include "document/ProjectEdit.h"
#include "expression/References.h"

namespace tarlix {

namespace {

bool usesToken(const Project& p, int token, const CompiledExpression& r) {
    return !r.tokens.empty() && dependsOn(token, r, p, p.engine);
}

// A curve is sampled over its own parameter, so that parameter moving along does not change
// the curve's shape; only its range bounds can still depend on it.
bool figureUsesToken(const Project& p, int n, int token) {
    const FigureEntry& f = p.figures[n];
    const bool curve = isCurveKind(f.kind);
    const bool ownParameter = curve && token == parameterToken(parameterOfLetter(f.paramLetter)) &&
                              parameterOfLetter(f.paramLetter) != 0;
    if (usesToken(p, token, f.paramLow) || usesToken(p, token, f.paramHigh)) return true;
    if (ownParameter) return false;
    for (FigurePart part : {FigurePart::Whole, FigurePart::X, FigurePart::Y, FigurePart::Radius})
        if (usesToken(p, token, f.part(part))) return true;
    return false;
}

} // namespace

void markChanged(const Project& project, RedrawState& redraw, int token) {
    auto mark = [&](int t) { redraw.markDirty(static_cast<std::uint8_t>(t)); };
    mark(token);
    for (int n = 1; n <= kExplicitFunctions; ++n)
        if (usesToken(project, token, project.explicitFunctions[n].expr))
            mark(explicitFunctionToken(n));
    // While theta is the polar angle in relations, the parameter of that name is not theirs.
    const bool thetaIsAngle =
        token == Token::Theta && project.engine.thetaMode == ThetaMode::PolarAngle;
    for (int n = 1; n <= kRelations && !thetaIsAngle; ++n)
        if (usesToken(project, token, project.relations[n].expr)) mark(relationToken(n));
    for (int n = 1; n <= kUserFunctions; ++n)
        if (usesToken(project, token, project.userFunctions[n])) mark(userFunctionToken(n));
    for (int n = 1; n <= kFigures; ++n)
        if (project.figures[n].kind != FigureKind::Empty && figureUsesToken(project, n, token))
            mark(figureToken(n));
}

} // namespace tarlix
