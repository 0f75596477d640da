#pragma once
// A canvas that only records the line and fill calls with the pen and brush in force, for the
// polyline tests.

#include "platform/Canvas.h"

#include <vector>

namespace tarlix::recording {

enum class Op { Polyline, StrokePath, Polygon };

struct RecordedCall {
    Op op;
    std::vector<Point> points;
    Pen pen;
    Brush brush;
};

class RecordingCanvas : public Canvas {
public:
    std::vector<RecordedCall> calls;

    std::vector<RecordedCall> callsOf(Op op) const {
        std::vector<RecordedCall> found;
        for (const RecordedCall& c : calls)
            if (c.op == op) found.push_back(c);
        return found;
    }

    int width() const override { return 640; }
    int height() const override { return 480; }
    void setPen(const Pen& pen) override { pen_ = pen; }
    const Pen& pen() const override { return pen_; }
    void setBrush(const Brush& brush) override { brush_ = brush; }
    const Brush& brush() const override { return brush_; }
    void setFont(const Font& font) override { font_ = font; }
    const Font& font() const override { return font_; }
    void moveTo(int, int) override {}
    void lineTo(int, int) override {}
    void polyline(const Point* p, std::size_t n) override { record(Op::Polyline, p, n); }
    void strokePath(const Point* p, std::size_t n) override { record(Op::StrokePath, p, n); }
    void polygon(const Point* p, std::size_t n) override { record(Op::Polygon, p, n); }
    void ellipse(const Rect&) override {}
    void rectangle(const Rect&) override {}
    void fillRect(const Rect&) override {}
    void textOut(int, int, const std::string&) override {}
    Size textExtent(const std::string&) override { return {}; }
    Color pixel(int, int) const override { return kWhite; }
    void setPixel(int, int, Color) override {}
    void copyFrom(const Canvas&, const Rect&, const Rect&, RasterOp) override {}
    void drawImage(int, int, const RasterImage&, RasterOp) override {}
    void setClip(const Rect&) override {}

private:
    void record(Op op, const Point* p, std::size_t n) {
        calls.push_back({op, std::vector<Point>(p, p + n), pen_, brush_});
    }

    Pen pen_;
    Brush brush_;
    Font font_;
};

} // namespace tarlix::recording
