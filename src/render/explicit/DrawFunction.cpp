// Turning the samples of one explicit function into polylines and dots.

#include "render/explicit/DrawFunction.h"

#include <cmath>
#include <cstdlib>
#include <vector>

namespace tarlix {

namespace {

// Second differences below these mean the samples lie on one straight line.
constexpr Extended kStraightValueTolerance = 1e-11L;
constexpr int kStraightRowTolerance = 2;
// A step of more than this many pixels (at scale 1) between columns may be a discontinuity.
constexpr int kJumpPixels = 10;
// How much steeper the next step may be and still belong to the same steep branch.
constexpr Extended kSlopeRatio = 50;

Color convert(const ColourConversion& conversion, Color colour) {
    return conversion ? conversion(colour) : colour;
}

// Lines combine with the picture by AND, so crossing graphs darken each other instead of one
// hiding the other; the brush fills the dots.
void setFunctionPen(Canvas& canvas, Color colour, int width, int lineStyle) {
    Pen pen;
    pen.color = colour;
    pen.width = width;
    pen.style = penStyleOfLineStyle(lineStyle);
    pen.mode = PenMode::Mask;
    canvas.setPen(pen);
    Brush brush;
    brush.color = colour;
    brush.style = BrushStyle::Solid;
    canvas.setBrush(brush);
}

void resetPen(Canvas& canvas) {
    canvas.setPen(Pen{});
    Brush brush;
    brush.color = kBlack;
    brush.style = BrushStyle::Solid;
    canvas.setBrush(brush);
}

class FunctionPainter {
public:
    FunctionPainter(const FunctionDrawing& d, Color colour, const SampleRow& samples,
                    const EquationEntry& f)
        : d_(d), s_(samples), span_(samples.span()), scale_(d.view.xAxis.outputScale),
          rows_(static_cast<std::size_t>(span_.count() + 2), 0) {
        const bool drawSecond = d.forceAfterimage || f.afterimage;
        main_ = (!d.skipMain && d.canvas) ? d.canvas : nullptr;
        second_ = (drawSecond && d.afterimageCanvas) ? d.afterimageCanvas : nullptr;
        dotRadius_ = (f.penWidth + 1) * scale_;
        setPens(colour, f);
        d.polyline.reset(main_, second_, 0, 0, CurveFill::None, PolylineBuffer::kStroke, d.skipMain,
                         drawSecond, d.settings.lineOptions);
        for (int c = span_.first - 1; c <= span_.last + 1; ++c)
            row(c) = s_.defined(c) ? d.view.yAxis.toPixel(value(c)) : 0;
    }

    void draw() {
        const FunctionDrawMode mode = d_.settings.drawMode;
        if (mode == FunctionDrawMode::Dots)
            drawDotsMode();
        else if (isLineCandidate() && isStraightLine())
            drawStraightLine();
        else if (mode == FunctionDrawMode::Connect)
            drawConnected();
        else
            drawAutomatic();
        d_.polyline.flush();
        if (main_) resetPen(*main_);
        if (second_) resetPen(*second_);
    }

private:
    void setPens(Color colour, const EquationEntry& f) {
        const FunctionDrawSettings& settings = d_.settings;
        const int width = f.penWidth * scale_;
        if (second_) {
            const Color faded = convert(settings.afterimageColour, colour);
            setFunctionPen(*second_, convert(settings.blackAndWhite, faded), width, f.lineStyle);
        }
        if (main_)
            setFunctionPen(*main_, convert(settings.blackAndWhite, colour), width, f.lineStyle);
    }

    Extended value(int c) const { return s_[c].x; }
    int& row(int c) { return rows_[static_cast<std::size_t>(c - span_.first + 1)]; }
    int row(int c) const { return rows_[static_cast<std::size_t>(c - span_.first + 1)]; }
    int xOf(int c) const { return c * scale_; }
    void push(int c) { d_.polyline.push(xOf(c), row(c)); }
    void restart(int c) { d_.polyline.restart(xOf(c), row(c)); }

    bool isLineCandidate() const {
        for (int c = span_.first; c <= span_.last; ++c)
            if (!s_.defined(c)) return false;
        return true;
    }

    bool isStraightLine() const {
        for (int c = span_.first + 1; c <= span_.last - 1; ++c) {
            const Extended bend = std::fabs(value(c - 1) - 2 * value(c) + value(c + 1));
            const int rowBend = std::abs(row(c - 1) + row(c + 1) - 2 * row(c));
            if (!(bend < kStraightValueTolerance) || rowBend >= kStraightRowTolerance) return false;
        }
        return true;
    }

    void drawStraightLine() {
        push(span_.first);
        push(span_.last);
    }

    void drawDotsMode() {
        for (int c = span_.first; c <= span_.last; ++c)
            if (s_.defined(c)) dot(c, dotRadius_ / 2);
    }

    void drawConnected() {
        for (int c = span_.first; c <= span_.last; ++c)
            if (s_.defined(c)) push(c);
    }

    // Joins neighbouring samples unless the step between them looks like a jump: a big step
    // that turns back, or that is far steeper than the one before it.
    void drawAutomatic() {
        const int jump = kJumpPixels * scale_;
        for (int c = span_.first; c <= span_.last; ++c) {
            if (!s_.defined(c)) continue;
            const bool nextDefined = s_.defined(c + 1);
            if (!s_.defined(c - 1)) {
                if (nextDefined)
                    restart(c);
                else
                    dot(c, dotRadius_);
                continue;
            }
            if (!nextDefined) {
                push(c);
                continue;
            }
            const Extended before = value(c) - value(c - 1);
            const Extended after = value(c + 1) - value(c);
            const bool sameWay = before * after >= 0;
            if (std::abs(row(c) - row(c - 1)) > jump) {
                if (kSlopeRatio * std::fabs(after) >= std::fabs(before) && sameWay)
                    push(c);
                else
                    restart(c);
            } else if (std::abs(row(c + 1) - row(c)) <= jump ||
                       (kSlopeRatio * std::fabs(before) >= std::fabs(after) && sameWay)) {
                push(c);
            } else {
                // The jump comes after c: the next piece starts level with c + 1.
                d_.polyline.restart(xOf(c), row(c + 1));
            }
        }
    }

    void dot(int c, int radius) {
        const Rect bounds{xOf(c) - radius, row(c) - radius, xOf(c) + radius, row(c) + radius};
        if (main_) main_->ellipse(bounds);
        if (second_) second_->ellipse(bounds);
    }

    const FunctionDrawing& d_;
    const SampleRow& s_;
    ColumnSpan span_;
    int scale_;
    std::vector<int> rows_;
    Canvas* main_ = nullptr;
    Canvas* second_ = nullptr;
    int dotRadius_ = 0;
};

} // namespace

void drawFunction(const FunctionDrawing& drawing, Color colour, const SampleRow& samples,
                  const EquationEntry& f) {
    FunctionPainter(drawing, colour, samples, f).draw();
}

FunctionAfterimageColours drawFunctions(const FunctionDrawing& drawing,
                                        const ExplicitFunctionStore& functions) {
    return drawFunctions(drawing, functions, FunctionSet().set());
}

FunctionAfterimageColours drawFunctions(const FunctionDrawing& drawing,
                                        const ExplicitFunctionStore& functions,
                                        const FunctionSet& which) {
    FunctionAfterimageColours colours;
    colours.fill(kWhite);
    const ColumnSpan span = drawnColumns(drawing.view);
    for (int i = 1; i <= functionCount; ++i) {
        const EquationEntry& f = functions[i];
        if (!which.test(static_cast<std::size_t>(i)) || f.expr.source.empty() || !f.visible)
            continue;
        const bool toAfterimage = drawing.forceAfterimage || f.afterimage;
        if (toAfterimage) colours[static_cast<std::size_t>(i - 1)] = f.penColor;
        // A pass that draws only afterimages leaves the other functions alone.
        const bool toMain = drawing.canvas && !drawing.skipMain;
        if (!toMain && !(toAfterimage && drawing.afterimageCanvas)) continue;
        SampleRow samples(span);
        const ColumnSamples& cache = drawing.view.functionSamples[i].samples;
        for (int c = span.first; c <= span.last; ++c) samples[c] = cache[c];
        samples[span.first - 1] = makeUndefined(ValueKind::Real);
        samples[span.last + 1] = makeUndefined(ValueKind::Real);
        drawFunction(drawing, f.penColor, samples, f);
    }
    return colours;
}

} // namespace tarlix
