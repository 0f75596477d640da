#pragma once
// The changes of view that the mouse makes on the graph, in pixels of the picture: dragging the
// view, the zoom rectangle, zooming about a point, the wheel's scrolling, a resized drawing and
// equal scales. Each marks the picture for drawing through the view; withUndo records the view
// as it was in the view history first (a burst of wheel notches is one step).

#include "base/Extended.h"

namespace tarlix {

class Document;

// The world point under (fromX, fromY) moves under (toX, toY).
void dragView(Document& doc, int fromX, int fromY, int toX, int toY);

// The zoom-in rectangle's region fills the drawing; zooming out puts the present view where
// the rectangle was.
void zoomToRectangle(Document& doc, int left, int top, int right, int bottom, bool zoomIn);

// Every range shrinks by factor about the world point under (px, py), which stays under it.
void zoomAbout(Document& doc, int px, int py, Extended factor, bool withUndo);

// The ranges move by the given share of their widths (x to the left, y up for positive
// shares).
void scrollView(Document& doc, Extended xShare, Extended yShare, bool withUndo);

// The drawing was resized to width × height pixels: the scale stays and each range keeps its
// middle, unless the area is fixed, where the ranges stay and the scale follows. False when
// the size did not change.
bool resizeView(Document& doc, int width, int height, bool withUndo);

// "1 : 1": the y range changes about its middle so that both axes have the same scale.
void makeScalesEqual(Document& doc);

} // namespace tarlix
