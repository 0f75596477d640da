#pragma once
// Shows the token text of an expression as a typeset formula: stacked fractions, raised
// exponents, radicals, bars and arrows, Greek letters and relation signs from the Symbol font.
// The data panel, the dialogs, the calculator and the memo markup draw expressions this way.

#include "expression/EngineSettings.h"
#include "expression/formula/FormulaTree.h"
#include "platform/Canvas.h"

#include <string>

namespace tarlix {

class FormulaMetrics;

struct FormulaStyle {
    int size = 12;      // points
    Color ink = kBlack; // text and lines
    bool mask = false;  // lines in the mask pen mode, for drawing over a coloured background
    bool bold = false;  // every text bold (the calculator's result)
    // Extents measured by earlier drawings on canvases of the same kind; none measures afresh.
    FormulaMetrics* metrics = nullptr;
};

// A token text prepared for drawing: the formula, and the text after the tokenizer's
// unrecognised-rest marker, drawn plainly after it.
struct PreparedFormula {
    FormulaNode formula;
    FormulaNode plainTail; // a plain text, empty when the whole text was recognised
};

// Numbers become the texts of their constant slots and the operands are grouped as the
// compiler groups them. A text nested too deep is shown as its token names, plainly.
PreparedFormula prepareFormula(const std::string& tokens, const EngineSettings& settings);

// Horizontal extent and the top and bottom rows of what was (or would be) drawn.
struct FormulaExtent {
    int width = 0;
    int top = 0;
    int bottom = 0;
};

// Draws the formula with its baseline at (x, baseline), or only measures it when draw is off.
FormulaExtent drawFormulaAt(Canvas& canvas, const PreparedFormula& formula,
                            const FormulaStyle& style, int x, int baseline, bool draw = true);

// Clears the image to white and draws the formula at x = 3, its text line centred on the
// image's height; a formula taller than the image is drawn smaller to fit, one that only sticks
// out is moved inside. Returns the rectangle drawn.
Rect drawFormula(Canvas& image, const std::string& tokens, const EngineSettings& settings,
                 const FormulaStyle& style);

} // namespace tarlix
