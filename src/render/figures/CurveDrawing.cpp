// Turning the samples of the parametric and polar curves into polylines, filled to the
// origin, the x axis or the y axis as the curve asks.

#include "render/FillPatterns.h"
#include "render/LineClip.h"
#include "render/StyledPolyline.h"
#include "render/figures/FigureDrawing.h"

#include <cmath>

namespace tarlix {

namespace {

Color convert(const ColourConversion& conversion, Color colour) {
    return conversion ? conversion(colour) : colour;
}

class CurvePainter {
public:
    CurvePainter(const FigureDrawing& d, const FigureEntry& f, const CurveCache& cache)
        : d_(d), f_(f), cache_(cache), drawSecond_(d.forceAfterimage || f.lineAfterimage),
          main_(!d.skipMain ? d.canvas : nullptr),
          second_(drawSecond_ ? d.afterimageCanvas : nullptr) {}

    bool drawsSecond() const { return second_ != nullptr; }

    void draw() {
        const FunctionDrawSettings& s = d_.settings;
        if (main_)
            setPens(*main_, convert(s.blackAndWhite, f_.lineColor),
                    convert(s.blackAndWhite, f_.fillColor));
        if (second_) {
            const auto faded = [&](Color c) {
                return convert(s.blackAndWhite, convert(s.afterimageColour, c));
            };
            setPens(*second_, faded(f_.lineColor), faded(f_.fillColor));
        }
        const View& view = d_.view;
        d_.polyline.reset(main_, second_, view.yAxis.toPixel(0), view.xAxis.toPixel(0),
                          f_.curveFill, PolylineBuffer::kStroke | PolylineBuffer::kFill,
                          d_.skipMain, second_ != nullptr, s.lineOptions);
        walkSamples();
        d_.polyline.flush();
        for (Canvas* c : {main_, second_})
            if (c) {
                c->setPen(Pen{});
                c->setBrush(Brush{});
            }
    }

private:
    void setPens(Canvas& c, Color line, Color fill) const {
        Pen pen;
        pen.color = line;
        pen.width = static_cast<int>(std::lround(f_.lineWidth * d_.view.xAxis.outputScale));
        pen.style = f_.lineWidth == 0 ? PenStyle::Clear : penStyleOfLineStyle(f_.curveStyle);
        pen.mode = PenMode::Mask;
        c.setPen(pen);
        c.setBrush(fillBrush(fill, f_.fillPattern));
    }

    // A piece with an end clamped by the mapping is drawn on its own, shortened to what the
    // canvas can hold; the curve goes on from its sample when that one is not clamped, so no
    // piece is left out.
    void walkSamples() {
        const View& view = d_.view;
        bool previousValid = false;
        bool previousClipped = false;
        for (int i = 1; i <= cache_.count; ++i) {
            const CurveSample s = cache_.sample(i);
            if (!s.valid) {
                d_.polyline.flush();
                previousValid = false;
                continue;
            }
            const int px = view.xAxis.toPixel(s.x);
            const bool clippedX = view.xAxis.clipped;
            const int py = view.yAxis.toPixel(s.y);
            const bool clipped = clippedX || view.yAxis.clipped;
            if (previousValid && (clipped || previousClipped)) {
                d_.polyline.flush();
                const CurveSample before = cache_.sample(i - 1);
                drawPiece({before.x, before.y}, {s.x, s.y});
            }
            if (!clipped) d_.polyline.push(px, py);
            previousValid = true;
            previousClipped = clipped;
        }
    }

    void drawPiece(WorldPoint a, WorldPoint b) const {
        const auto ends = lineClipRounded(d_.view, ClipRule::Segment, a, b);
        if (!ends) return;
        const Point piece[2] = {ends->first, ends->second};
        for (Canvas* c : {main_, second_})
            if (c && c->pen().color != kWhite && c->pen().style != PenStyle::Clear)
                drawStyledPolyline(*c, piece, d_.settings.lineOptions);
    }

    const FigureDrawing& d_;
    const FigureEntry& f_;
    const CurveCache& cache_;
    bool drawSecond_;
    Canvas* main_;
    Canvas* second_;
};

} // namespace

CurveAfterimageColours drawCurves(const FigureDrawing& d, const FigureStore& figures,
                                  const FigureSet& which) {
    CurveAfterimageColours colours;
    for (int n = 1; n <= figureCount; ++n) {
        const FigureEntry& f = figures[n];
        if (!which.test(static_cast<std::size_t>(n)) || !isCurveKind(f.kind) || !f.visible)
            continue;
        const CurveCache* cache = d.view.curveCaches.find(n);
        if (!cache) continue;
        CurvePainter painter(d, f, *cache);
        painter.draw();
        if (painter.drawsSecond()) {
            colours.line[static_cast<std::size_t>(n - 1)] = f.lineColor;
            colours.fill[static_cast<std::size_t>(n - 1)] = f.fillColor;
        }
    }
    return colours;
}

} // namespace tarlix
