#pragma once
// Drawing of the explicit functions from their cached samples: polylines broken where samples
// are undefined or where the graph jumps, isolated samples as dots, straight graphs as one
// segment. Drawing only reads the caches; updateFunctionSamples fills them.

#include "document/ProjectSettings.h"
#include "platform/Canvas.h"
#include "render/LineStyle.h"
#include "render/PolylineBuffer.h"
#include "render/explicit/FunctionSamples.h"
#include "render/explicit/SampleRow.h"
#include "view/View.h"

#include <array>
#include <bitset>
#include <functional>

namespace tarlix {

using ColourConversion = std::function<Color(Color)>;

// The settings the drawing of functions reads. The colour conversions are the redraw's: the
// afterimage colour of the current level and the black-and-white conversion of the output;
// absent ones leave colours as they are (level 0, colour output).
struct FunctionDrawSettings {
    FunctionDrawMode drawMode = FunctionDrawMode::Automatic;
    LineDrawOptions lineOptions;
    ColourConversion afterimageColour;
    ColourConversion blackAndWhite;
};

// Where one drawing pass goes: the picture canvas and the afterimage canvas (either may be null
// when it is not drawn on), with the program's polyline buffer.
struct FunctionDrawing {
    const View& view;
    PolylineBuffer& polyline;
    const FunctionDrawSettings& settings;
    Canvas* canvas = nullptr;
    Canvas* afterimageCanvas = nullptr;
    bool skipMain = false;        // draw only into the afterimage layer
    bool forceAfterimage = false; // draw into the afterimage layer whatever the function says
};

// Per function, the colour it left in the afterimage layer; white when none.
using FunctionAfterimageColours = std::array<Color, functionCount>;

// Draws y1..y20 that have text and are visible, each from a copy of its cache whose margin
// columns are undefined.
FunctionAfterimageColours drawFunctions(const FunctionDrawing& drawing,
                                        const ExplicitFunctionStore& functions);

// A set of explicit functions by number (bit n for yn).
using FunctionSet = std::bitset<functionCount + 1>;

// The same for the functions of the set only.
FunctionAfterimageColours drawFunctions(const FunctionDrawing& drawing,
                                        const ExplicitFunctionStore& functions,
                                        const FunctionSet& which);

// Draws one function from its samples (one per column of the view, margins included) in the
// given colour, with the width and line style of f.
void drawFunction(const FunctionDrawing& drawing, Color colour, const SampleRow& samples,
                  const EquationEntry& f);

} // namespace tarlix
