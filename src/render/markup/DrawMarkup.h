#pragma once
// Draws memo markup on a canvas, run by run, measuring as it goes; with drawing off it only
// measures, which callers use to place labels. Memo lines, figure labels and axis captions are
// drawn this way.

#include "expression/Compiler.h"
#include "render/markup/MarkupEnv.h"

#include <string>

namespace tarlix {

struct MarkupOptions {
    bool draw = true;             // off: measure only
    Color defaultColour = kBlack; // the colour of text outside colour tags
    bool keepFont = false;        // leave the last run's font on the canvas
    int mode = kModePlain;        // compile mode of the live fields
};

// The rows above and below which nothing was (or would be) drawn. With nothing drawn, top is
// the baseline and bottom 100 pixels above it.
struct MarkupExtent {
    int top = 0;
    int bottom = 0;
};

// Draws text with its baseline at y, starting at x (in points of the canvas font's size, which
// is the starting size); x advances to the end of the text. Everything from "//" on is a
// comment and not shown.
MarkupExtent drawMarkup(Canvas& canvas, const MarkupEnv& env, int& x, int y,
                        const std::string& text, const MarkupOptions& options = {});

// One line of markup whose top is at y: the baseline is one font height below it.
MarkupExtent drawMarkupLine(Canvas& canvas, const MarkupEnv& env, int& x, int y,
                            const std::string& text, const MarkupOptions& options = {});

} // namespace tarlix
