#pragma once
// Drawing the figures from their position records and curve caches: point marks, circles,
// horizontal and vertical lines and strips, curves with their fills, the traces of moving
// points and the rings of hollow points. Drawing only reads the positions and the caches.

#include "platform/Canvas.h"
#include "render/PolylineBuffer.h"
#include "render/explicit/DrawFunction.h"
#include "render/figures/FigureStore.h"
#include "render/markup/MarkupEnv.h"
#include "view/View.h"

#include <array>
#include <bitset>

namespace tarlix {

// A set of figures by number (bit n for figure n).
using FigureSet = std::bitset<figureCount + 1>;

// Where one drawing pass goes, as for the functions: the picture canvas and the afterimage
// canvas (either may be null), with the program's polyline buffer for curves.
struct FigureDrawing {
    const View& view;
    PolylineBuffer& polyline;
    const FunctionDrawSettings& settings;
    Canvas* canvas = nullptr;
    Canvas* afterimageCanvas = nullptr;
    bool skipMain = false;             // draw only into the afterimage layer
    bool forceAfterimage = false;      // draw into the afterimage layer whatever the figure says
    const MarkupEnv* markup = nullptr; // labels as memo markup; none: as plain text
};

// Per figure, the colours its curve left in the afterimage layer; white when none.
struct CurveAfterimageColours {
    std::array<Color, figureCount> line;
    std::array<Color, figureCount> fill;
    CurveAfterimageColours() {
        line.fill(kWhite);
        fill.fill(kWhite);
    }
};

// Point marks, circles, lines and strips with their labels, for the visible figures of the set
// whose position is drawable.
void drawFigures(const FigureDrawing& d, const FigureStore& figures,
                 const Store<FigurePosition, figureCount>& positions,
                 const FigureSet& which = FigureSet().set());

// The visible parametric and polar curves of the set, from their caches.
CurveAfterimageColours drawCurves(const FigureDrawing& d, const FigureStore& figures,
                                  const FigureSet& which = FigureSet().set());

// The white centres and coloured rings of hollow points, over everything else; the rings'
// colours go through colour (black and white output) when it is set.
void drawHollowRings(const View& view, Canvas& canvas, const FigureStore& figures,
                     const Store<FigurePosition, figureCount>& positions,
                     const ColourConversion& colour = nullptr);

// The path of every visible point or circle that moved since the previous positions and
// leaves a trace in this redraw.
void drawTraces(const FigureDrawing& d, const FigureStore& figures,
                const Store<FigurePosition, figureCount>& current,
                const Store<FigurePosition, figureCount>& previous);

} // namespace tarlix
