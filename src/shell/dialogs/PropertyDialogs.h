#pragma once
// The property dialogs of the program's objects, opened from the data panel's rows and create
// controls and from the graph's context menu: functions and relations, figures, connected
// figures. They share the pen palette and the calculator.

#include "document/PanelRows.h"

#include <functional>
#include <memory>

namespace tarlix {

struct ProgramObjects;
class Project;
struct CalculatorRequest;
class CalculatorWindow;
class EquationDialog;
class FigureDialog;
class SegmentDialog;
class PenPaletteWindow;

// The first function (or relation) slot without an expression, or 0 when all are used.
int firstEmptyEquation(const Project& project, bool relation);

class PropertyDialogs {
public:
    PropertyDialogs(ProgramObjects& objects, PenPaletteWindow* palette,
                    CalculatorWindow* calculator);
    ~PropertyDialogs();

    // Opens the dialog of object n of the category; n = 0 (a create button) opens the first
    // empty function or relation. The figure categories name their figure through the letter
    // strip, so n = 0 opens nothing there. False when the category has no property dialog
    // (user functions, parameters, memo) or no slot is free.
    bool open(CategoryPanel panel, int n);

    EquationDialog* equationDialog() const { return equation_.get(); }
    FigureDialog* figureDialog() const { return figure_.get(); }
    SegmentDialog* segmentDialog() const { return segment_.get(); }

private:
    ProgramObjects& objects_;
    CalculatorWindow* calculator_;
    std::unique_ptr<EquationDialog> equation_;
    std::unique_ptr<FigureDialog> figure_;
    std::unique_ptr<SegmentDialog> segment_;
};

} // namespace tarlix
