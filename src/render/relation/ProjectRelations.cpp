#include "render/relation/ProjectRelations.h"

#include "view/View.h"

namespace tarlix {

RelationStyle relationStyleOf(const EquationEntry& relation) {
    RelationStyle style;
    style.color = relation.penColor;
    style.width = relation.penWidth;
    style.afterimage = relation.afterimage;
    style.fastPoly = relation.fastPolynomial;
    style.visible = relation.visible;
    style.pattern = relation.fillPattern;
    style.border = relation.borderStyle;
    style.lineStyle = relation.lineStyle;
    return style;
}

RelationSettings relationSettingsOf(const ProjectSettings& settings, bool blackAndWhite,
                                    bool fullRefresh) {
    RelationSettings out;
    out.scanWidth = settings.scanWidth;
    out.drawWhileComputing = settings.drawWhileComputing;
    out.afterimageFills = settings.afterimageFills;
    out.capStyle = settings.capStyle != LineEnds::Round;
    out.afterimageColorIndex = settings.afterimageColorIndex;
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
    const EquationEntry& relation = project.relations[i];
    Compiled& compiled = compiled_[at];
    RelationEntry& entry = entries_[at];
    entry.hasText = !relation.expr.source.empty();
    entry.style = relationStyleOf(relation);
    compiled.samplers.clear();
    compiled.split =
        entry.hasText ? splitRelation(relation.expr, env, &project) : SplitRelationResult{};
    // A part that did not compile has no code to run: it holds nowhere and draws nothing.
    entry.parts = relationPartsOf(compiled.split, [&](const SplitPart& part) -> RelationSampler* {
        if (part.f.code.empty()) return nullptr;
        compiled.samplers.push_back(std::make_unique<EvaluatorRelationSampler>(evaluator_, part.f));
        return compiled.samplers.back().get();
    });
}

void drawProjectRelations(RelationPlotter& plotter, const ProjectRelations& relations,
                          const ProjectRelationTarget& target) {
    drawRelations(plotter, target.view, target.surfaces, target.layers, target.images,
                  relations.entries(), target.skipMain, target.forceAfterimage, target.hooks);
}

void drawProjectRelationsOnto(Canvas& picture, const ProjectRelations& relations, View& view,
                              Surfaces& surfaces, const RelationSettings& settings,
                              RelationScanHooks& hooks, ExplicitRelationPlotter* explicitPlotter) {
    RelationPlotter plotter(settings, hooks, explicitPlotter);
    RelationLayers layers;
    layers.fitTo(surfaces, view);
    std::unique_ptr<Canvas> image = surfaces.createImage(layers.width(), layers.height(), kWhite);
    ProjectRelationTarget target{view, surfaces, layers, RelationImages{*image}, hooks};
    drawProjectRelations(plotter, relations, target);
    const Rect rect{0, 0, layers.width(), layers.height()};
    picture.copyFrom(*image, rect, rect, RasterOp::And);
}

} // namespace tarlix
