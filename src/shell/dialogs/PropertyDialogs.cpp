#include "shell/dialogs/PropertyDialogs.h"

#include "shell/CalculatorWindow.h"
#include "shell/ProgramObjects.h"
#include "shell/dialogs/EquationDialog.h"
#include "shell/dialogs/FigureDialog.h"
#include "shell/dialogs/SegmentDialog.h"

namespace tarlix {

namespace {
template <int N> int firstEmpty(const Store<EquationEntry, N>& store) {
    for (int i = 1; i <= N; ++i)
        if (store[i].expr.source.find_first_not_of(' ') == std::string::npos) return i;
    return 0;
}
} // namespace

int firstEmptyEquation(const Project& project, bool relation) {
    return relation ? firstEmpty(project.relations) : firstEmpty(project.explicitFunctions);
}

PropertyDialogs::PropertyDialogs(ProgramObjects& objects, PenPaletteWindow* palette,
                                 CalculatorWindow* calculator)
    : objects_(objects), calculator_(calculator),
      equation_(std::make_unique<EquationDialog>(palette)),
      figure_(std::make_unique<FigureDialog>(palette, objects.objectDefaults.figure)),
      segment_(std::make_unique<SegmentDialog>(palette, objects.objectDefaults.segment)) {
    auto context = [this]() -> Document& { return objects_.context(); };
    auto openCalculator = [this](const CalculatorRequest& r) {
        if (calculator_) calculator_->open(r);
    };
    equation_->context = context;
    equation_->openCalculator = openCalculator;
    equation_->defaults = &objects.objectDefaults.graph;
    figure_->context = context;
    figure_->openCalculator = openCalculator;
    segment_->context = context;
}

PropertyDialogs::~PropertyDialogs() = default;

bool PropertyDialogs::open(CategoryPanel panel, int n) {
    switch (panel) {
    case CategoryPanel::Explicit:
    case CategoryPanel::Relations: {
        const bool relation = panel == CategoryPanel::Relations;
        // The create button (n = 0) opens the first empty slot.
        if (n == 0) n = firstEmptyEquation(objects_.document.project, relation);
        if (n == 0) return false;
        if (relation)
            equation_->openRelation(n);
        else
            equation_->openFunction(n);
        return true;
    }
    case CategoryPanel::Curves:
    case CategoryPanel::BasicFigures:
        if (n == 0) return false;
        // An open calculator would edit a text the dialog is about to replace.
        if (calculator_) calculator_->hide();
        figure_->open(n, panel == CategoryPanel::Curves ? FigureKinds::Curves : FigureKinds::Basic);
        return true;
    case CategoryPanel::ConnectedFigures:
        // The category's button toggles the graph's connect-points tool instead.
        if (n == 0) return false;
        segment_->open(n);
        return true;
    default:
        return false;
    }
}

} // namespace tarlix
