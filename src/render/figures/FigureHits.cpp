#include "render/figures/FigureHits.h"

#include "expression/References.h"

#include <cstdlib>

namespace tarlix {

namespace {

constexpr int kHitAcross = 4; // |dx| <= 4
constexpr int kHitBelow = 5;  // |dy| < 5, and lines and samples closer than 5

Point pixelOf(const View& view, Extended x, Extended y) {
    return {view.xAxis.toPixel(x), view.yAxis.toPixel(y)};
}

bool pointHit(const View& view, const FigurePosition& pos, int px, int py) {
    if (!isPointKind(pos.kind)) return false;
    const Point p = pixelOf(view, pos.x, pos.y);
    return std::abs(px - p.x) <= kHitAcross && std::abs(py - p.y) < kHitBelow;
}

bool lineHit(const View& view, const FigurePosition& pos, int px, int py) {
    if (pos.kind == FigureKind::HorizontalLine)
        return std::abs(py - view.yAxis.toPixel(pos.y)) < kHitBelow;
    if (pos.kind == FigureKind::VerticalLine)
        return std::abs(px - view.xAxis.toPixel(pos.x)) < kHitBelow;
    return false;
}

Extended squaredDistance(const CurveSample& s, Extended x, Extended y) {
    return (s.x - x) * (s.x - x) + (s.y - y) * (s.y - y);
}

// The valid sample nearest (x, y), the first of equals; 0 when there is none.
int nearestSample(const CurveCache& cache, Extended x, Extended y) {
    int best = 0;
    Extended bestDistance = 0;
    for (int i = 1; i <= cache.count; ++i) {
        const CurveSample s = cache.sample(i);
        if (!s.valid) continue;
        const Extended d = squaredDistance(s, x, y);
        if (best == 0 || d < bestDistance) {
            best = i;
            bestDistance = d;
        }
    }
    return best;
}

} // namespace

int pointAt(const View& view, const FigureStore& figures, int px, int py) {
    for (int n = 1; n <= figureCount; ++n)
        if (figures[n].visible && pointHit(view, view.positions[n], px, py)) return n;
    return 0;
}

bool isDraggable(const FigureEntry& f) {
    if (!f.drag) return false;
    return isCurveKind(f.kind) || (f.kind != FigureKind::HorizontalLine && isNumberText(f.x)) ||
           (f.kind != FigureKind::VerticalLine && isNumberText(f.y));
}

FigureHit figureAt(const View& view, const FigureStore& figures, int px, int py, bool any) {
    for (int n = 1; n <= figureCount; ++n) {
        const FigureEntry& f = figures[n];
        const FigurePosition& pos = view.positions[n];
        if (!f.visible || !(pointHit(view, pos, px, py) || lineHit(view, pos, px, py))) continue;
        if (any || isDraggable(f)) return {n, pos.x, pos.y};
    }
    if (!any) return {};
    if (std::abs(py - view.yAxis.toPixel(0)) <= kHitAcross) return {xAxisHit, 0, 0};
    if (std::abs(px - view.xAxis.toPixel(0)) <= kHitAcross) return {yAxisHit, 0, 0};
    return {};
}

FigureHit curveSampleAt(const View& view, const FigureStore& figures, int px, int py) {
    for (int n = figureCount; n >= 1; --n) {
        const FigureEntry& f = figures[n];
        const CurveCache* cache = view.curveCaches.find(n);
        if (!f.visible || !isCurveKind(f.kind) || !cache) continue;
        for (int i = 1; i <= cache->count; ++i) {
            const CurveSample s = cache->sample(i);
            if (!s.valid) continue;
            const Point p = pixelOf(view, s.x, s.y);
            if (std::abs(px - p.x) < kHitBelow && std::abs(py - p.y) < kHitBelow)
                return {n, s.x, s.y};
        }
    }
    return {};
}

CurveDragResult dragAlongCurve(const View& view, const FigureStore& figures, int figure, int& px,
                               int& py, DragKeys keys) {
    if (figure < 1 || figure > figureCount || !isCurveKind(figures[figure].kind)) return {};
    const CurveCache* cache = view.curveCaches.find(figure);
    if (!cache) return {};
    const Extended mx = view.xAxis.toWorld(px);
    const Extended my = view.yAxis.toWorld(py);
    const int b = nearestSample(*cache, mx, my);
    if (b == 0) return {};
    const CurveSample best = cache->sample(b);
    const CurveSample before = cache->sample(b > 1 ? b - 1 : b);
    const CurveSample after = cache->sample(b < cache->count ? b + 1 : b);
    const Extended dB = squaredDistance(best, mx, my);
    const Extended dP = squaredDistance(before, mx, my);
    const Extended dN = squaredDistance(after, mx, my);
    const CurveSample& q = dN <= dP ? after : before;
    const Extended dQ = dN <= dP ? dN : dP;
    const Extended l = squaredDistance(q, best.x, best.y);
    CurveDragResult r{true, best.x, best.y, best.t, cache->paramIndex};
    // Beyond the nearest sample, away from its neighbour, or on it: the sample itself.
    if (!(l + dB < dQ) && dB != 0) {
        if (keys.ctrl) {
            if (dQ <= dB) r = {true, q.x, q.y, q.t, cache->paramIndex};
        } else {
            const auto blend = [&](Extended atQ, Extended atB) {
                return (atQ * dB + atB * dQ) / (dB + dQ);
            };
            r.x = blend(q.x, best.x);
            r.y = blend(q.y, best.y);
            r.t = blend(q.t, best.t);
        }
    }
    if (!keys.shift) {
        px = view.xAxis.toPixel(r.x);
        py = view.yAxis.toPixel(r.y);
    }
    return r;
}

bool applyCurveDrag(Document& ctx, const CurveDragResult& result) {
    if (!result.found || result.parameter < 1 || result.parameter > kParameterCount) return false;
    return setParameterValue(ctx, result.parameter, result.t);
}

void highlightFigure(const View& view, Canvas& canvas, int figure) {
    const Pen saved = canvas.pen();
    Pen pen;
    pen.color = rgbColor(192, 192, 192);
    pen.width = 5;
    canvas.setPen(pen);
    const int width = canvas.width(), height = canvas.height();
    const int row0 = view.yAxis.toPixel(0), column0 = view.xAxis.toPixel(0);
    const FigurePosition* pos =
        figure >= 1 && figure <= figureCount ? &view.positions[figure] : nullptr;
    if (pos && isPointKind(pos->kind)) {
        const Point p = pixelOf(view, pos->x, pos->y);
        Brush clear;
        clear.style = BrushStyle::Clear;
        const Brush savedBrush = canvas.brush();
        canvas.setBrush(clear);
        canvas.ellipse({p.x - 4, p.y - 4, p.x + 5, p.y + 5});
        canvas.setBrush(savedBrush);
    } else if (figure == xAxisHit || (pos && pos->kind == FigureKind::HorizontalLine)) {
        const int row = pos ? view.yAxis.toPixel(pos->y) : row0;
        canvas.moveTo(0, row);
        canvas.lineTo(width, row);
    } else if (figure == yAxisHit || (pos && pos->kind == FigureKind::VerticalLine)) {
        const int column = pos ? view.xAxis.toPixel(pos->x) : column0;
        canvas.moveTo(column, 0);
        canvas.lineTo(column, height);
    }
    canvas.setPen(saved);
}

} // namespace tarlix
