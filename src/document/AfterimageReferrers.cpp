#include "document/AfterimageReferrers.h"

#include "document/Project.h"
#include "expression/References.h"

namespace tarlix {

namespace {
bool uses(const Project& p, int token, const CompiledExpression& r) {
    return !r.tokens.empty() && dependsOn(token, r, p, p.engine);
}
} // namespace

AfterimageReferrers afterimageReferrers(const Project& project, int token) {
    AfterimageReferrers r;
    for (int i = 1; i <= kExplicitFunctions; ++i)
        r.functions[static_cast<std::size_t>(i)] =
            uses(project, token, project.explicitFunctions[i].expr);
    for (int i = 1; i <= kRelations; ++i)
        r.relations[static_cast<std::size_t>(i)] = uses(project, token, project.relations[i].expr);
    for (int i = 1; i <= kFigures; ++i) {
        const FigureEntry& f = project.figures[i];
        if (f.kind == FigureKind::Empty) continue;
        for (const CompiledExpression* e : {&f.whole, &f.x, &f.y, &f.radius})
            r.figures[static_cast<std::size_t>(i)] =
                r.figures[static_cast<std::size_t>(i)] || uses(project, token, *e);
    }
    return r;
}

} // namespace tarlix
