#pragma once
// The property dialogs of the program's objects, opened from the data panel's rows and create
// controls and from the graph's context menu: functions and relations, figures, connected
// figures. They share the pen palette and the calculator.

#include "document/PanelRows.h"

#include <functional>
#include <memory>

namespace tarlix {

struct ProgramObjects;
struct CalculatorRequest;
class CalculatorWindow;
class EquationDialog;
class FigureDialog;
class SegmentDialog;
class PenPaletteWindow;

class PropertyDialogs {
public:
    PropertyDialogs(ProgramObjects& objects, PenPaletteWindow* palette,
                    CalculatorWindow* calculator);
    ~PropertyDialogs();

    // Opens the dialog of object n of the category: the first free slot of the figure
    // categories for n = 0 is not chosen here (the letter strip names the figure). False when
    // the category has no property dialog (user functions, parameters, memo) or n is 0 for
    // functions and relations, whose new objects start in the calculator.
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
