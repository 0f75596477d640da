#pragma once
// Lays a formula out and draws it on a canvas: each part is measured at its own size and
// drawn at its position, recursively. Measuring alone draws nothing.

#include "expression/formula/FormulaTree.h"
#include "platform/Canvas.h"

#include <unordered_map>
#include <utility>

namespace tarlix {

// Width and the extents above and below the baseline, in pixels.
struct FormulaBox {
    int width = 0;
    int ascent = 0;
    int descent = 0;
};

class FormulaPainter {
public:
    // ink colours text and lines; mask draws the lines in the mask pen mode, for drawing over a
    // coloured background.
    FormulaPainter(Canvas& canvas, Color ink, bool mask)
        : canvas_(canvas), ink_(ink), mask_(mask) {}

    // Lays the node out at size (points) with its baseline at (x, baseline); draws when draw is
    // set.
    FormulaBox place(const FormulaNode& n, int size, int x, int baseline, bool draw);

private:
    FormulaBox measure(const FormulaNode& n, int size);
    FormulaBox text(const FormulaNode& n, int size, int x, int baseline, bool draw);
    FormulaBox row(const std::vector<FormulaNode>& parts, int size, int x, int baseline, bool draw);
    FormulaBox superscript(const FormulaNode& n, const FormulaBox& base, int size, int x,
                           int baseline, bool draw);
    FormulaBox enclosed(const FormulaNode& n, int size, int x, int baseline, bool draw);
    FormulaBox fraction(const FormulaNode& n, int size, int x, int baseline, bool draw);
    FormulaBox radical(const FormulaNode& n, int size, int x, int baseline, bool draw);
    FormulaBox overbar(const FormulaNode& n, int size, int x, int baseline, bool draw);

    // A sign of the given font grown to pixel height; its width and height.
    Size grownSign(const std::string& fontName, const std::string& sign, int pixelHeight);
    void line(int x0, int y0, int x1, int y1, int size);
    void useFont(const std::string& name, int size, unsigned style);

    Canvas& canvas_;
    Color ink_;
    bool mask_;
    std::unordered_map<const FormulaNode*, std::pair<int, FormulaBox>> measured_;
};

// Pixels of a size in points; the spacing unit and the line thickness of a formula.
int formulaPixels(int size);
int spacingUnit(int size);
int lineThickness(int size);

} // namespace tarlix
