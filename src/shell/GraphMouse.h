#pragma once
// What the mouse does on the graph picture, without the widgets: the pointer's coordinates,
// what lies under it, dragging figures (along their curves too) with grid snapping, and the
// changes of view by the rectangle and pan tools, the wheel and the "1 : 1" button, each kept
// in the view history. The graph window passes picture pixels and shows what this reports.

#include "document/MarkerEdit.h"
#include "document/NewObjectDefaults.h"
#include "document/ProjectEdit.h"
#include "document/UndoHistories.h"

#include <functional>
#include <string>

namespace tarlix {

enum class GraphTool { None, ZoomIn, ZoomOut, Pan, Connect };
enum class MouseButton { Left, Middle, Right };
enum class PointerShape { Cross, PickUp, Point, Marker };

// The text of the second status bar panel: the view's ranges, or a hint for the keys.
enum class StatusHint { Domain, SnapToVertex, SnapToGrid, ZoomKeys };

struct MouseKeys {
    bool ctrl = false;
    bool shift = false;
};

// What the picture shows over the drawing while the mouse is held.
struct DragFeedback {
    enum class Kind { None, Ring, Rectangle, Shift, Line, Marker };
    Kind kind = Kind::None;
    // ring: its centre; rectangle: one corner; shift: the press; line: its start; marker: its
    // column
    int x0 = 0;
    int y0 = 0;
    int x1 = 0; // rectangle: the other corner; shift and line: the pointer
    int y1 = 0;
};

class GraphMouse {
public:
    // segmentPen: the pen of connected figures drawn with the connect tool.
    GraphMouse(std::function<Document&()> context, DataHistory& data, ViewHistory& views,
               const PenDefaults& segmentPen);

    // Which windows with markers on the graph are open; none until told.
    std::function<MarkerWindows()> markerWindows;

    GraphTool tool() const { return tool_; }
    // Choosing the tool in force does nothing; otherwise the choice lasts beyond the drag.
    void setTool(GraphTool tool);

    // " (x, y)" of a picture pixel, as the first status bar panel shows it.
    std::string coordinateText(int px, int py) const;
    StatusHint statusHint() const;
    // The shape of the pointer at a pixel when nothing is held.
    PointerShape hover(int px, int py);

    void press(MouseButton button, MouseKeys keys, int px, int py);
    void move(MouseKeys keys, int px, int py);
    void release(MouseButton button, MouseKeys keys, int px, int py);
    // The zoom-in tool doubles the scale about the pixel, the zoom-out tool halves it.
    void doubleClick(int px, int py);
    // The scale grows by factor about the pixel's world point, which stays under the pixel.
    void zoomAt(int px, int py, Extended factor);
    // Wheel turns (positive away from the user): with Ctrl the view zooms about the pixel,
    // else it scrolls, sideways with Shift. A burst of turns is one step of the view history
    // until endBurst.
    void wheel(MouseKeys keys, int px, int py, double turns);
    // The picture was resized to width × height; the scale stays and each range keeps its
    // centre. A burst of sizes is one step of the view history until endBurst.
    void resize(int width, int height);
    void endBurst() { inBurst_ = false; }

    // Equal units on both axes by refitting y about its centre; nothing when already equal.
    void squareScales();
    bool undoView();
    bool redoView();

    bool dragging() const { return dragging_; }
    DragFeedback feedback() const;
    // A drag in progress ends without changing anything more (the project was replaced).
    void cancelDrag() { endDrag(); }

private:
    Document& ctx() const { return context_(); }
    bool startsBurst();
    void moveFigure(MouseKeys keys, int px, int py);
    void writeFigure();
    void applyTool(int px, int py);
    void zoomToRectangle(int px, int py);
    int lockedY(int px, int py) const;
    void endDrag();
    std::optional<Marker> markerAt(int px) const;
    void connectPoints(int px, int py);

    std::function<Document&()> context_;
    DataHistory& data_;
    ViewHistory& views_;
    const PenDefaults& segmentPen_;
    GraphTool tool_ = GraphTool::None;
    GraphTool savedTool_ = GraphTool::None;
    bool dragging_ = false;
    bool bandActive_ = false;
    bool inBurst_ = false;
    int grabbed_ = 0;
    int connectFrom_ = 0; // the point a connect drag starts at
    bool grabbedCurve_ = false;
    int startX_ = 0, startY_ = 0;
    int currentX_ = 0, currentY_ = 0;
    int figureX_ = 0, figureY_ = 0; // the last accepted pixel of the dragged figure
    int lastDrawnX_ = 0, lastDrawnY_ = 0;
    MouseKeys keys_;
    std::optional<Marker> marker_; // the marker being dragged
    bool written_ = false;         // a live redraw wrote the figure during this drag
};

} // namespace tarlix
