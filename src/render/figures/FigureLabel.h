#pragma once
// The label of a figure or connected figure, placed at one of nine positions around its
// anchor. Every figure label is drawn through drawFigureLabel.

#include "platform/Canvas.h"
#include "render/markup/MarkupEnv.h"
#include "view/View.h"

#include <string>

namespace tarlix {

// Label positions: 0 none; 1 upper left, 2 lower left, 3 upper right, 4 lower right,
// 5 centred, 6 above, 7 below, 8 left, 9 right.
inline constexpr int labelPositionCount = 9;

struct FigureLabel {
    int position = 0;
    std::string text;
    int figure = 0; // the figure the label belongs to (its own values in the text)
    FigureKind kind = FigureKind::Point; // lines put it at the drawing's edge
    Point anchor;                        // the figure's pixel point
};

// The top-left corner of the label's text of the given size.
Point labelCorner(const View& view, const FigureLabel& label, Size text);

// The font labels are written in at the view's font size and output scale.
Font labelFont(const View& view);

// Draws the label as a line of memo markup (as plain text without an environment); nothing for
// position 0 or an empty text. Returns the top-left corner used.
Point drawFigureLabel(const View& view, Canvas& canvas, const FigureLabel& label,
                      const MarkupEnv* markup = nullptr);

} // namespace tarlix
