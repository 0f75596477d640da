#pragma once
// One line of memo markup placed as a label is placed: measured first, then drawn with its top
// left corner at a point. Figure labels, connected-figure labels and axis captions use it.

#include "render/markup/DrawMarkup.h"

#include <string>

namespace tarlix {

// The width and height the line takes in the canvas's current font.
Size measureMarkupLine(Canvas& canvas, const MarkupEnv& env, const std::string& text);

// Draws the line with its top left corner at (x, y).
void drawMarkupLineAt(Canvas& canvas, const MarkupEnv& env, int x, int y, const std::string& text);

} // namespace tarlix
