#include "shell/GraphMouse.h"

#include "document/SegmentEdit.h"
#include "document/ViewGestures.h"
#include "expression/References.h"
#include "expression/eval/NumberText.h"
#include "render/figures/FigureHits.h"
#include "view/CoordinateText.h"

#include <cmath>
#include <cstdlib>

namespace tarlix {

namespace {

constexpr int kCoordinateTextLength = 26;
constexpr int kBandThreshold = 3;       // a zoom rectangle is drawn once wider and taller
constexpr int kRedrawDistance = 1;      // a live redraw waits for a move further than this
constexpr int kSnappedDigits = 12;      // a grid value written without float noise
constexpr Extended kWheelZoom = 1.25L;  // the scale factor of one wheel notch
constexpr Extended kWheelScroll = 0.1L; // the share of the range one wheel notch scrolls

bool xIsFree(const FigureEntry& f) {
    return f.kind != FigureKind::HorizontalLine && isNumberText(f.x);
}
bool yIsFree(const FigureEntry& f) {
    return f.kind != FigureKind::VerticalLine && isNumberText(f.y);
}

std::string trimmed(std::string s) {
    while (!s.empty() && s.front() == ' ') s.erase(s.begin());
    return s;
}

int sign(int v) {
    return (v > 0) - (v < 0);
}

} // namespace

GraphMouse::GraphMouse(std::function<Document&()> context, DataHistory& data, ViewHistory& views,
                       const PenDefaults& segmentPen)
    : context_(std::move(context)), data_(data), views_(views), segmentPen_(segmentPen) {}

void GraphMouse::setTool(GraphTool tool) {
    if (tool == tool_) return;
    tool_ = tool;
    savedTool_ = tool;
}

std::string GraphMouse::coordinateText(int px, int py) const {
    const Document& c = ctx();
    const View& v = c.view;
    const char decimal = c.project.engine.decimalChar;
    std::string text = "(" + formatAxisValue(v.xAxis, v.xAxis.toWorld(px), 0, decimal) +
                       c.project.engine.listSeparatorChar +
                       formatAxisValue(v.yAxis, v.yAxis.toWorld(py), 0, decimal) + ")";
    return " " + text.substr(0, kCoordinateTextLength);
}

StatusHint GraphMouse::statusHint() const {
    if (dragging_ && grabbed_ != 0)
        return grabbedCurve_ ? StatusHint::SnapToVertex : StatusHint::SnapToGrid;
    if (tool_ == GraphTool::ZoomIn || tool_ == GraphTool::ZoomOut) return StatusHint::ZoomKeys;
    return StatusHint::Domain;
}

PointerShape GraphMouse::hover(int px, int py) {
    const Document& c = ctx();
    if (tool_ == GraphTool::Connect)
        return pointAt(c.view, c.project.figures, px, py) != 0 ? PointerShape::Point
                                                               : PointerShape::Cross;
    if (markerAt(px)) return PointerShape::Marker;
    return figureAt(c.view, c.project.figures, px, py, false).figure != 0 ? PointerShape::PickUp
                                                                          : PointerShape::Cross;
}

std::optional<Marker> GraphMouse::markerAt(int px) const {
    if (!markerWindows) return std::nullopt;
    return tarlix::markerAt(ctx(), markerWindows(), px);
}

void GraphMouse::press(MouseButton button, MouseKeys keys, int px, int py) {
    inBurst_ = false;
    if (dragging_) { // a second button cancels the drag
        endDrag();
        return;
    }
    startX_ = currentX_ = px;
    startY_ = currentY_ = py;
    keys_ = keys;
    if (button == MouseButton::Right) return;
    grabbed_ = 0;
    connectFrom_ = 0;
    if (button == MouseButton::Middle) {
        tool_ = GraphTool::Pan;
    } else if (tool_ == GraphTool::Connect) {
        const Document& c = ctx();
        connectFrom_ = pointAt(c.view, c.project.figures, px, py);
        if (connectFrom_ == 0) return; // nothing to connect from
    } else if ((marker_ = markerAt(px))) {
        // the marker's column follows the pointer until release
    } else {
        const Document& c = ctx();
        grabbed_ = figureAt(c.view, c.project.figures, px, py, false).figure;
        grabbedCurve_ = grabbed_ != 0 && isCurveKind(c.project.figures[grabbed_].kind);
    }
    dragging_ = true;
    bandActive_ = false;
    written_ = false;
    figureX_ = lastDrawnX_ = px;
    figureY_ = lastDrawnY_ = py;
}

void GraphMouse::move(MouseKeys keys, int px, int py) {
    if (!dragging_ || (px == currentX_ && py == currentY_ && keys.ctrl == keys_.ctrl)) return;
    currentX_ = px;
    currentY_ = py;
    keys_ = keys;
    if (grabbed_ != 0) {
        moveFigure(keys, px, py);
        return;
    }
    if (marker_) return;
    const int dx = std::abs(px - startX_), dy = std::abs(py - startY_);
    if (tool_ == GraphTool::Pan) bandActive_ = dx > 0 || dy > 0;
    if (tool_ == GraphTool::Connect) bandActive_ = connectFrom_ != 0;
    if (tool_ == GraphTool::ZoomIn || tool_ == GraphTool::ZoomOut)
        bandActive_ = dx > kBandThreshold && dy > kBandThreshold;
}

// The figure's pixel follows the pointer; with Ctrl its free coordinates snap to the grid (or
// to the polar grid when both are free), the others keep their last pixel. A curve's point
// moves its parameter at once.
void GraphMouse::moveFigure(MouseKeys keys, int px, int py) {
    Document& c = ctx();
    const View& v = c.view;
    const FigureEntry& f = c.project.figures[grabbed_];
    if (grabbedCurve_) {
        CurveDragResult r =
            dragAlongCurve(v, c.project.figures, grabbed_, px, py, {keys.ctrl, keys.shift});
        figureX_ = px;
        figureY_ = py;
        if (applyCurveDrag(c, r)) {
            c.hooks().categoryChanged(CategoryPanel::Parameters);
            c.hooks().redraw();
        }
        return;
    }
    if (keys.ctrl) {
        const bool xFree = xIsFree(f), yFree = yIsFree(f);
        if (v.axisType == AxisType::Polar && xFree && yFree) {
            const WorldPoint p = v.snapPolar(px, py);
            px = v.xAxis.toPixel(p.x);
            py = v.yAxis.toPixel(p.y);
        } else {
            px = xFree ? v.xAxis.toPixel(v.xAxis.snapToTick(px)) : figureX_;
            py = yFree ? v.yAxis.toPixel(v.yAxis.snapToTick(py)) : figureY_;
        }
    }
    figureX_ = px;
    figureY_ = py;
    if (!c.project.settings.drawWhileDragging) return;
    if (std::abs(px - lastDrawnX_) <= kRedrawDistance &&
        std::abs(py - lastDrawnY_) <= kRedrawDistance)
        return;
    writeFigure();
    lastDrawnX_ = px;
    lastDrawnY_ = py;
}

// Each free coordinate of the figure becomes the text of the value it was dragged to: the
// grid value with Ctrl, else the pointer's value as the status bar shows it. Later writes of
// the same drag add no undo step.
void GraphMouse::writeFigure() {
    Document& c = ctx();
    const View& v = c.view;
    const char decimal = c.project.engine.decimalChar;
    FigureEntry f = c.project.figures[grabbed_];
    const bool xFree = xIsFree(f), yFree = yIsFree(f);
    Extended x = v.xAxis.toWorld(figureX_), y = v.yAxis.toWorld(figureY_);
    std::string xText, yText;
    if (keys_.ctrl) {
        if (v.axisType == AxisType::Polar && xFree && yFree) {
            const WorldPoint p = v.snapPolar(figureX_, figureY_);
            x = p.x;
            y = p.y;
        } else {
            x = v.xAxis.snapToTick(figureX_);
            y = v.yAxis.snapToTick(figureY_);
        }
        xText = formatGeneral(x, kSnappedDigits, decimal);
        yText = formatGeneral(y, kSnappedDigits, decimal);
    } else {
        xText = trimmed(formatAxisValue(v.xAxis, x, 0, decimal));
        yText = trimmed(formatAxisValue(v.yAxis, y, 0, decimal));
    }
    bool changed = false;
    if (xFree && f.x.source != xText) {
        f.x.source = xText;
        changed = true;
    }
    if (yFree && f.y.source != yText) {
        f.y.source = yText;
        changed = true;
    }
    if (!changed) return;
    storeFigure(c, grabbed_, std::move(f));
    written_ = true;
    data_.dragRedrawn = true;
}

void GraphMouse::release(MouseButton button, MouseKeys keys, int px, int py) {
    if (!dragging_ || button == MouseButton::Right) return;
    if (grabbed_ != 0) {
        if (px != currentX_ || py != currentY_) move(keys, px, py);
        if (!grabbedCurve_) writeFigure();
    } else if (marker_) {
        Document& c = ctx();
        setMarkerX(c, *marker_, c.view.xAxis.toWorld(px));
    } else {
        currentX_ = px;
        currentY_ = py;
        keys_ = keys;
        applyTool(px, py);
    }
    endDrag();
}

void GraphMouse::endDrag() {
    dragging_ = false;
    bandActive_ = false;
    grabbed_ = 0;
    grabbedCurve_ = false;
    connectFrom_ = 0;
    marker_.reset();
    data_.dragRedrawn = false;
    tool_ = savedTool_;
}

void GraphMouse::applyTool(int px, int py) {
    const int dx = std::abs(px - startX_), dy = std::abs(py - startY_);
    if (tool_ == GraphTool::Pan && (dx > 0 || dy > 0)) {
        dragView(ctx(), startX_, startY_, px, py);
    } else if (tool_ == GraphTool::Connect) {
        connectPoints(px, py);
    } else if ((tool_ == GraphTool::ZoomIn || tool_ == GraphTool::ZoomOut) && dx > kBandThreshold &&
               dy > kBandThreshold) {
        zoomToRectangle(px, lockedY(px, py));
    }
}

// A connect drag from one point released on another joins them by a connected figure.
void GraphMouse::connectPoints(int px, int py) {
    Document& c = ctx();
    const int to = pointAt(c.view, c.project.figures, px, py);
    if (connectFrom_ == 0 || to == 0 || to == connectFrom_) return;
    addSegment(c, segmentPen_, connectFrom_, to);
}

// Unless Shift frees it, the rectangle keeps the plot's proportions.
int GraphMouse::lockedY(int px, int py) const {
    if (keys_.shift) return py;
    const View& v = ctx().view;
    const int width = std::max(v.xAxis.pixelLength, 1);
    return startY_ + sign(py - startY_) * std::abs(px - startX_) * v.yAxis.pixelLength / width;
}

// The zoom-in tool shows the rectangle's region; the zoom-out tool puts the present view
// where the rectangle was. Ctrl centres the rectangle on the press.
void GraphMouse::zoomToRectangle(int px, int py) {
    int left = std::min(startX_, px), right = std::max(startX_, px);
    int top = std::min(startY_, py), bottom = std::max(startY_, py);
    if (keys_.ctrl) {
        const int hx = std::abs(px - startX_), hy = std::abs(py - startY_);
        left = startX_ - hx;
        right = startX_ + hx;
        top = startY_ - hy;
        bottom = startY_ + hy;
    }
    tarlix::zoomToRectangle(ctx(), left, top, right, bottom, tool_ == GraphTool::ZoomIn);
}

void GraphMouse::doubleClick(int px, int py) {
    if (tool_ != GraphTool::ZoomIn && tool_ != GraphTool::ZoomOut) return;
    zoomAt(px, py, tool_ == GraphTool::ZoomIn ? 2 : 0.5L);
}

void GraphMouse::zoomAt(int px, int py, Extended factor) {
    inBurst_ = false;
    zoomAbout(ctx(), px, py, factor, true);
}

// A burst of wheel notches or of resizes is one step of the view history.
bool GraphMouse::startsBurst() {
    const bool first = !inBurst_;
    inBurst_ = true;
    return first;
}

void GraphMouse::wheel(MouseKeys keys, int px, int py, double turns) {
    if (dragging_ || turns == 0) return;
    const Extended notches = static_cast<Extended>(turns);
    if (keys.ctrl)
        zoomAbout(ctx(), px, py, std::pow(kWheelZoom, notches), startsBurst());
    else if (keys.shift)
        scrollView(ctx(), kWheelScroll * notches, 0, startsBurst());
    else
        scrollView(ctx(), 0, kWheelScroll * notches, startsBurst());
}

void GraphMouse::resize(int width, int height) {
    const View& v = ctx().view;
    if (width < 1 || height < 1 || (width == v.xAxis.pixelLength && height == v.yAxis.pixelLength))
        return;
    resizeView(ctx(), width, height, startsBurst());
}

void GraphMouse::squareScales() {
    makeScalesEqual(ctx());
}

bool GraphMouse::undoView() {
    inBurst_ = false;
    View& v = ctx().view;
    return views_.undo(v, [&v](const ViewStep& step) { applyViewStep(v, step); });
}

bool GraphMouse::redoView() {
    inBurst_ = false;
    View& v = ctx().view;
    return views_.redo([&v](const ViewStep& step) { applyViewStep(v, step); });
}

DragFeedback GraphMouse::feedback() const {
    using Kind = DragFeedback::Kind;
    if (!dragging_) return {};
    if (grabbed_ != 0)
        return grabbedCurve_ || ctx().project.settings.drawWhileDragging
                   ? DragFeedback{}
                   : DragFeedback{Kind::Ring, figureX_, figureY_, figureX_, figureY_};
    if (marker_) return {Kind::Marker, currentX_, 0, currentX_, 0};
    if (!bandActive_) return {};
    if (tool_ == GraphTool::Pan) return {Kind::Shift, startX_, startY_, currentX_, currentY_};
    if (tool_ == GraphTool::Connect) return {Kind::Line, startX_, startY_, currentX_, currentY_};
    return {Kind::Rectangle, startX_, startY_, currentX_, lockedY(currentX_, currentY_)};
}

} // namespace tarlix
