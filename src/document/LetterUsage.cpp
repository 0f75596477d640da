// Whether a parameter is used anywhere the user can see it; unused parameters are hidden
// from the parameter panel.

#include "document/ProjectEdit.h"
#include "expression/References.h"

#include <cctype>

namespace tarlix {

namespace {

bool uses(const Project& p, int token, const CompiledExpression& r) {
    return !r.tokens.empty() && dependsOn(token, r, p, p.engine);
}

bool isLetter(char c) {
    return std::isalpha(static_cast<unsigned char>(c)) != 0;
}

// A script names a parameter by its letter standing alone ("#a := a + 1"), not inside a word
// such as "Wait".
bool scriptUsesLetter(const std::vector<std::string>& memo, char letter) {
    for (const std::string& line : memo) {
        if (line.empty() || line[0] != '#') continue;
        for (std::size_t i = 1; i < line.size(); ++i) {
            if (line[i] != letter) continue;
            const bool alone =
                !isLetter(line[i - 1]) && (i + 1 == line.size() || !isLetter(line[i + 1]));
            if (alone) return true;
        }
    }
    return false;
}

bool figuresUse(const Project& p, int token) {
    for (const FigureEntry& f : p.figures) {
        if (f.kind == FigureKind::Empty) continue;
        for (const CompiledExpression* r : {&f.x, &f.y, &f.radius, &f.paramLow, &f.paramHigh})
            if (uses(p, token, *r)) return true;
    }
    return false;
}

bool windowsUse(const Project& p, int token) {
    for (const CompiledExpression& r : p.valueWindow.valueFunctions)
        if (uses(p, token, r)) return true;
    return uses(p, token, p.valueWindow.x) || uses(p, token, p.integralWindow.bounds.low) ||
           uses(p, token, p.integralWindow.bounds.high);
}

} // namespace

bool parameterInUse(const Project& project, int i, char horizontalLetter) {
    const char letter = parameterLetter(i);
    if (letter == '\0' || letter == horizontalLetter) return false;
    const int token = parameterToken(i);
    for (const EquationEntry& f : project.explicitFunctions)
        if (uses(project, token, f.expr)) return true;
    // While theta is the polar angle in relations, a relation's theta is not the parameter.
    const bool thetaIsAngle =
        i == kThetaParameter && project.engine.thetaMode == ThetaMode::PolarAngle;
    for (const EquationEntry& f : project.relations)
        if (!thetaIsAngle && uses(project, token, f.expr)) return true;
    return figuresUse(project, token) || windowsUse(project, token) ||
           scriptUsesLetter(project.memoText, letter);
}

} // namespace tarlix
