#pragma once
// The relations C1 .. C9 of a project as the drawing takes them: each split into its parts,
// every part evaluated through the expression evaluator, with the style of its entry; and the
// drawing of them onto a picture through the relation layers. The desktop program and the
// headless tool share it; everything it reads is passed in.

#include "document/Project.h"
#include "expression/Compiler.h"
#include "expression/eval/Evaluator.h"
#include "render/relation/EvaluatorRelationSampler.h"
#include "render/relation/FunctionRelationPlotter.h"
#include "render/relation/RelationLayers.h"
#include "render/relation/SplitRelation.h"

#include <array>
#include <memory>
#include <span>
#include <vector>

namespace tarlix {

RelationStyle relationStyleOf(const EquationEntry& relation);
RelationSettings relationSettingsOf(const ProjectSettings& settings, bool blackAndWhite = false,
                                    bool fullRefresh = false);

class ProjectRelations {
public:
    // The evaluator must outlive the relations; it reads the project's parameters.
    explicit ProjectRelations(Evaluator& evaluator,
                              FunctionDrawMode drawMode = FunctionDrawMode::Automatic)
        : evaluator_(evaluator), explicit_(drawMode) {}
    ProjectRelations(const ProjectRelations&) = delete;
    ProjectRelations& operator=(const ProjectRelations&) = delete;

    // Splits every relation of the project afresh (references to functions and relations are
    // put in place) and takes its style.
    void build(const Project& project, const CompileEnv& env);
    // The same for relation i (1..9) only, after its entry changed.
    void rebuild(int i, const Project& project, const CompileEnv& env);

    std::span<const RelationEntry> entries() const { return entries_; }
    // Draws the explicit parts y op g(x) as functions; give it to the relation plotter.
    ExplicitRelationPlotter& explicitPlotter() { return explicit_; }

private:
    struct Compiled {
        SplitRelationResult split;
        std::vector<std::unique_ptr<EvaluatorRelationSampler>> samplers;
    };

    Evaluator& evaluator_;
    FunctionRelationPlotter explicit_;
    std::array<Compiled, relationCount> compiled_;
    std::array<RelationEntry, relationCount> entries_;
};

// Where the relations of a redraw go and what they report to.
struct ProjectRelationTarget {
    View& view;
    Surfaces& surfaces;
    RelationLayers& layers;
    RelationImages images;
    RelationScanHooks& hooks;
    bool skipMain = false;
    bool forceAfterimage = false;
};

// Redraws the layers of the relations whose redraw flag is set (or whose layer is not
// current) and combines all shown layers onto the relations image.
void drawProjectRelations(RelationPlotter& plotter, const ProjectRelations& relations,
                          const ProjectRelationTarget& target);

// Draws every relation into fresh layers and ANDs them onto the picture (headless output):
// the relations image covers the pixels 0 .. length + 1 of both axes.
void drawProjectRelationsOnto(Canvas& picture, const ProjectRelations& relations, View& view,
                              Surfaces& surfaces, const RelationSettings& settings,
                              RelationScanHooks& hooks, ExplicitRelationPlotter* explicitPlotter);

} // namespace tarlix
