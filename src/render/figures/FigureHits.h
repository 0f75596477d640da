#pragma once
// What the graph window finds under the mouse: points, lines and axes, samples of curves, and
// where a point dragged along its curve goes. The window calls these with screen pixels
// (output scale 1); they read only the view's positions and curve caches.

#include "document/ProjectEdit.h"
#include "platform/Canvas.h"
#include "render/figures/FigureStore.h"
#include "view/View.h"

namespace tarlix {

// FigureAt's answers for the axes.
inline constexpr int xAxisHit = 250;
inline constexpr int yAxisHit = 251;

// The lowest-numbered visible point, circle centre or current point of a curve within 4
// pixels across and less than 5 down; 0 when none.
int pointAt(const View& view, const FigureStore& figures, int px, int py);

// A figure may be dragged when it allows it and one of its coordinates is a plain number
// that the mouse can set (or it is a curve, whose parameter the mouse moves).
bool isDraggable(const FigureEntry& figure);

struct FigureHit {
    int figure = 0; // 1..22, xAxisHit, yAxisHit or 0
    Extended x = 0;
    Extended y = 0;
};

// In figure order: points and circle centres as pointAt, horizontal and vertical lines less
// than 5 pixels away; only draggable figures unless any is set. With any, a miss falls back
// on the x axis, then the y axis, within 4 pixels.
FigureHit figureAt(const View& view, const FigureStore& figures, int px, int py, bool any);

// From figure 22 down, the first stored sample of a visible curve less than 5 pixels away in
// both directions.
FigureHit curveSampleAt(const View& view, const FigureStore& figures, int px, int py);

// Keys held while dragging along a curve.
struct DragKeys {
    bool ctrl = false;  // jump to the nearer sample instead of blending
    bool shift = false; // leave the mouse position where it is
};

struct CurveDragResult {
    bool found = false; // the curve has a valid sample
    Extended x = 0;
    Extended y = 0;
    Extended t = 0;    // the value the curve's parameter takes
    int parameter = 0; // the curve's parameter (1..14)
};

// The point of curve `figure` nearest the mouse, blended between the two nearest samples;
// px, py move onto it unless Shift is held.
CurveDragResult dragAlongCurve(const View& view, const FigureStore& figures, int figure, int& px,
                               int& py, DragKeys keys);

// The curve's parameter takes the dragged value through the parameter operation (which marks
// its users); true when the value changed. The caller redraws and shows the new value.
bool applyCurveDrag(Document& ctx, const CurveDragResult& result);

// Marks the figure under the mouse on the graph image: a grey ring around a point, a grey
// band along a line or an axis. The canvas pen is restored.
void highlightFigure(const View& view, Canvas& canvas, int figure);

} // namespace tarlix
