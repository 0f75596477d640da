#include "shell/GraphMouse.h"

#include "document/SegmentEdit.h"
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

GraphMouse::GraphMouse(std::function<ProjectContext()> context, DataHistory& data,
                       ViewHistory& views, const PenDefaults& segmentPen)
    : context_(std::move(context)), data_(data), views_(views), segmentPen_(segmentPen) {}

void GraphMouse::setTool(GraphTool tool) {
    if (tool == tool_) return;
    tool_ = tool;
    savedTool_ = tool;
}

std::string GraphMouse::coordinateText(int px, int py) const {
    const ProjectContext c = ctx();
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
    const ProjectContext c = ctx();
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
        const ProjectContext c = ctx();
        connectFrom_ = pointAt(c.view, c.project.figures, px, py);
        if (connectFrom_ == 0) return; // nothing to connect from
    } else if ((marker_ = markerAt(px))) {
        // the marker's column follows the pointer until release
    } else {
        const ProjectContext c = ctx();
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
    ProjectContext c = ctx();
    const View& v = c.view;
    const FigureEntry& f = c.project.figures[grabbed_];
    if (grabbedCurve_) {
        CurveDragResult r =
            dragAlongCurve(v, c.project.figures, grabbed_, px, py, {keys.ctrl, keys.shift});
        figureX_ = px;
        figureY_ = py;
        if (applyCurveDrag(c, r)) {
            c.hooks.categoryChanged(CategoryPanel::Parameters);
            c.hooks.redraw();
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
    ProjectContext c = ctx();
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
        ProjectContext c = ctx();
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
    View& v = ctx().view;
    const int dx = std::abs(px - startX_), dy = std::abs(py - startY_);
    if (tool_ == GraphTool::Pan && (dx > 0 || dy > 0)) {
        const Extended sx = v.xAxis.toWorld(px) - v.xAxis.toWorld(startX_);
        const Extended sy = v.yAxis.toWorld(py) - v.yAxis.toWorld(startY_);
        v.setViewWithUndo(v.xAxis.low - sx, v.xAxis.high - sx, v.yAxis.low - sy, v.yAxis.high - sy);
    } else if (tool_ == GraphTool::Connect) {
        connectPoints(px, py);
    } else if ((tool_ == GraphTool::ZoomIn || tool_ == GraphTool::ZoomOut) && dx > kBandThreshold &&
               dy > kBandThreshold) {
        zoomToRectangle(px, lockedY(px, py));
    }
}

// A connect drag from one point released on another joins them by a connected figure.
void GraphMouse::connectPoints(int px, int py) {
    ProjectContext c = ctx();
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
    View& v = ctx().view;
    int left = std::min(startX_, px), right = std::max(startX_, px);
    int top = std::min(startY_, py), bottom = std::max(startY_, py);
    if (keys_.ctrl) {
        const int hx = std::abs(px - startX_), hy = std::abs(py - startY_);
        left = startX_ - hx;
        right = startX_ + hx;
        top = startY_ - hy;
        bottom = startY_ + hy;
    }
    const Extended l = v.xAxis.toWorld(left), r = v.xAxis.toWorld(right);
    const Extended b = v.yAxis.toWorld(bottom), t = v.yAxis.toWorld(top);
    if (tool_ == GraphTool::ZoomIn) {
        v.setViewWithUndo(l, r, b, t);
        return;
    }
    const Axis &x = v.xAxis, &y = v.yAxis;
    const Extended fx = r != l ? (r - l) / (x.high - x.low) : 1;
    const Extended fy = t != b ? (t - b) / (y.high - y.low) : 1;
    v.setViewWithUndo(x.low - (l - x.low) / fx, x.high + (x.high - r) / fx,
                      y.low - (b - y.low) / fy, y.high + (y.high - t) / fy);
}

void GraphMouse::doubleClick(int px, int py) {
    if (tool_ != GraphTool::ZoomIn && tool_ != GraphTool::ZoomOut) return;
    zoomAt(px, py, tool_ == GraphTool::ZoomIn ? 2 : 0.5L);
}

void GraphMouse::zoomAt(int px, int py, Extended factor) {
    inBurst_ = false;
    View& v = ctx().view;
    const Extended x0 = v.xAxis.toWorld(px), y0 = v.yAxis.toWorld(py);
    v.zoomAt(x0, y0, factor, factor);
    keepUnderPointer(px, py, x0, y0);
}

void GraphMouse::setViewInBurst(Extended xLow, Extended xHigh, Extended yLow, Extended yHigh) {
    View& v = ctx().view;
    if (inBurst_) {
        v.setView(xLow, xHigh, yLow, yHigh);
    } else {
        v.setViewWithUndo(xLow, xHigh, yLow, yHigh);
        inBurst_ = true;
    }
}

// The view's tick rectification stretches a new range a little about its anchor; shifting the
// range back puts the world point (x0, y0) under the pointer again.
void GraphMouse::keepUnderPointer(int px, int py, Extended x0, Extended y0) {
    View& v = ctx().view;
    for (int pass = 0; pass < 3; ++pass) {
        const Extended dx = x0 - v.xAxis.toWorld(px), dy = y0 - v.yAxis.toWorld(py);
        if (std::fabs(dx) < v.xAxis.unitsPerPixel / 2 && std::fabs(dy) < v.yAxis.unitsPerPixel / 2)
            return;
        v.setView(v.xAxis.low + dx, v.xAxis.high + dx, v.yAxis.low + dy, v.yAxis.high + dy);
    }
}

void GraphMouse::wheel(MouseKeys keys, int px, int py, double turns) {
    if (dragging_ || turns == 0) return;
    const View& v = ctx().view;
    const Axis &x = v.xAxis, &y = v.yAxis;
    if (keys.ctrl) {
        const Extended k = std::pow(kWheelZoom, static_cast<Extended>(turns));
        const Extended x0 = x.toWorld(px), y0 = y.toWorld(py);
        setViewInBurst(x0 + (x.low - x0) / k, x0 + (x.high - x0) / k, y0 + (y.low - y0) / k,
                       y0 + (y.high - y0) / k);
        keepUnderPointer(px, py, x0, y0);
    } else if (keys.shift) {
        const Extended d = (x.high - x.low) * kWheelScroll * static_cast<Extended>(turns);
        setViewInBurst(x.low - d, x.high - d, y.low, y.high);
    } else {
        const Extended d = (y.high - y.low) * kWheelScroll * static_cast<Extended>(turns);
        setViewInBurst(x.low, x.high, y.low + d, y.high + d);
    }
}

void GraphMouse::resize(int width, int height) {
    View& v = ctx().view;
    Axis &x = v.xAxis, &y = v.yAxis;
    if (width < 1 || height < 1 || (width == x.pixelLength && height == y.pixelLength)) return;
    if (!inBurst_) views_.push(v);
    inBurst_ = true;
    const Extended kx = static_cast<Extended>(width) / std::max(x.pixelLength, 1);
    const Extended ky = static_cast<Extended>(height) / std::max(y.pixelLength, 1);
    x.pixelLength = width;
    y.pixelLength = height;
    if (ctx().project.settings.areaFixed) {
        v.setView(x.low, x.high, y.low, y.high);
        return;
    }
    x.divisions = static_cast<int>(std::lround(x.divisions * kx));
    y.divisions = static_cast<int>(std::lround(y.divisions * ky));
    Axis::clampNumber(x.divisions);
    Axis::clampNumber(y.divisions);
    const Extended xm = (x.low + x.high) / 2, xh = (x.high - x.low) / 2 * kx;
    const Extended ym = (y.low + y.high) / 2, yh = (y.high - y.low) / 2 * ky;
    v.setView(xm - xh, xm + xh, ym - yh, ym + yh);
}

void GraphMouse::squareScales() {
    View& v = ctx().view;
    const Axis &x = v.xAxis, &y = v.yAxis;
    const Extended ratio = x.pixelsPerUnit / y.pixelsPerUnit;
    if (v.isSquare() || std::fabs(ratio - 1) < 1e-9L) return;
    const Extended mid = (y.low + y.high) / 2;
    const Extended half =
        static_cast<Extended>(y.pixelLength) / x.pixelLength * (x.high - x.low) / 2;
    v.setViewWithUndo(x.low, x.high, mid - half, mid + half);
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
