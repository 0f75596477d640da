#include "render/relation/ProjectRelations.h"

#include "view/View.h"

namespace tarlix {

RelationStyle relationStyleOf(const EquationEntry& relation) {
    RelationStyle style;
    style.color = relation.PenColor;
    style.width = relation.PenWidth;
    style.afterimage = relation.Afterimage;
    style.fastPoly = relation.FastPolynomial;
    style.visible = relation.Visible;
    style.pattern = relation.FillPattern;
    style.border = relation.BorderStyle;
    style.lineStyle = relation.LineStyle;
    return style;
}

RelationSettings relationSettingsOf(const ProjectSettings& settings, bool blackAndWhite,
                                    bool fullRefresh) {
    RelationSettings out;
    out.ScanWidth = settings.ScanWidth;
    out.DrawOnCalc = settings.DrawOnCalc;
    out.AimgOfArea = settings.AimgOfArea;
    out.CapStyle = settings.CapStyle != 0;
    out.AfterImageColorNo = settings.AfterImageColorNo;
    out.blackAndWhite = blackAndWhite;
    out.fullRefresh = fullRefresh;
    return out;
}

void ProjectRelations::build(const Project& project, const CompileEnv& env) {
    for (int i = 1; i <= relationCount; ++i) rebuild(i, project, env);
}

void ProjectRelations::rebuild(int i, const Project& project, const CompileEnv& env) {
    if (i < 1 || i > relationCount) return;
    const std::size_t at = static_cast<std::size_t>(i - 1);
    const EquationEntry& relation = project.Relations[i];
    Compiled& compiled = compiled_[at];
    RelationEntry& entry = entries_[at];
    entry.hasText = !relation.Expr.Source.empty();
    entry.style = relationStyleOf(relation);
    compiled.samplers.clear();
    compiled.split =
        entry.hasText ? SplitRelation(relation.Expr, env, &project) : SplitRelationResult{};
    // A part that did not compile has no code to run: it holds nowhere and draws nothing.
    entry.parts = relationPartsOf(compiled.split, [&](const SplitPart& part) -> RelationSampler* {
        if (part.f.Code.empty()) return nullptr;
        compiled.samplers.push_back(std::make_unique<EvaluatorRelationSampler>(evaluator_, part.f));
        return compiled.samplers.back().get();
    });
}

void DrawProjectRelations(RelationPlotter& plotter, const ProjectRelations& relations,
                          const ProjectRelationTarget& target) {
    DrawRelations(plotter, target.view, target.surfaces, target.layers, target.images,
                  relations.entries(), target.skipMain, target.forceAfterimage, target.hooks);
}

void DrawProjectRelationsOnto(Canvas& picture, const ProjectRelations& relations, View& view,
                              Surfaces& surfaces, const RelationSettings& settings,
                              RelationScanHooks& hooks, ExplicitRelationPlotter* explicitPlotter) {
    RelationPlotter plotter(settings, hooks, explicitPlotter);
    RelationLayers layers;
    layers.fitTo(surfaces, view);
    std::unique_ptr<Canvas> image = surfaces.createImage(layers.width(), layers.height(), kWhite);
    ProjectRelationTarget target{view, surfaces, layers, RelationImages{*image}, hooks};
    DrawProjectRelations(plotter, relations, target);
    const Rect rect{0, 0, layers.width(), layers.height()};
    picture.copyFrom(*image, rect, rect, RasterOp::And);
}

} // namespace tarlix
