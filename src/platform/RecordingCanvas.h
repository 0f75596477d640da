#pragma once
// A canvas that draws nothing and keeps every call it receives, with the pen, brush and font in
// force, so that tests of the drawing code can check what was drawn and how.

#include "platform/Canvas.h"

#include <map>
#include <string>
#include <utility>
#include <vector>

namespace tarlix {

enum class CanvasCall {
    MoveTo,
    LineTo,
    Polyline,
    StrokePath,
    Polygon,
    Ellipse,
    Rectangle,
    FillRect,
    TextOut,
    SetPixel,
    CopyFrom,
    DrawImage,
    SetClip,
};

struct RecordedCall {
    CanvasCall kind = CanvasCall::MoveTo;
    // MoveTo: the new position; LineTo: from and to; TextOut, DrawImage: the top-left corner;
    // SetPixel: the pixel; Polyline, StrokePath, Polygon: their points.
    std::vector<Point> points;
    Rect rect;       // Ellipse, Rectangle, FillRect, SetClip; CopyFrom: the destination
    Rect sourceRect; // CopyFrom
    std::string text;
    Color color = kBlack; // SetPixel
    RasterOp op = RasterOp::Copy;
    const Canvas* source = nullptr; // CopyFrom
    RasterImage image;              // DrawImage
    Pen pen;
    Brush brush;
    Font font;
};

class RecordingCanvas : public Canvas {
public:
    explicit RecordingCanvas(int width = 640, int height = 480, Color background = kWhite)
        : width_(width), height_(height), background_(background) {}

    int width() const override { return width_; }
    int height() const override { return height_; }

    void setPen(const Pen& pen) override { pen_ = pen; }
    const Pen& pen() const override { return pen_; }
    void setBrush(const Brush& brush) override { brush_ = brush; }
    const Brush& brush() const override { return brush_; }
    void setFont(const Font& font) override { font_ = font; }
    const Font& font() const override { return font_; }

    void moveTo(int x, int y) override;
    void lineTo(int x, int y) override;
    void polyline(const Point* points, std::size_t count) override;
    void strokePath(const Point* points, std::size_t count) override;
    void polygon(const Point* points, std::size_t count) override;
    void ellipse(const Rect& bounds) override;
    void rectangle(const Rect& bounds) override;
    void fillRect(const Rect& bounds) override;
    void textOut(int x, int y, const std::string& text) override;
    // Every character is half as wide as the font's pixel height: a fixed measure that tests
    // can compute by hand.
    Size textExtent(const std::string& text) override;
    // What setPixel left there, else the background; white outside the canvas.
    Color pixel(int x, int y) const override;
    void setPixel(int x, int y, Color color) override;
    void copyFrom(const Canvas& source, const Rect& sourceRect, const Rect& destRect,
                  RasterOp op) override;
    void drawImage(int x, int y, const RasterImage& image, RasterOp op) override;
    void setClip(const Rect& clip) override;

    const std::vector<RecordedCall>& calls() const { return calls_; }
    std::vector<const RecordedCall*> callsOf(CanvasCall kind) const;
    // The point lists of every polyline and stroked path, in drawing order.
    std::vector<std::vector<Point>> polylines() const;
    // The polylines that show on this canvas: its own and those of recording canvases copied
    // onto it, in drawing order.
    std::vector<std::vector<Point>> shownPolylines() const;
    // Every lineTo as its two end points.
    std::vector<std::pair<Point, Point>> lines() const;
    std::vector<std::string> texts() const;
    Point position() const { return position_; }
    void clear();

private:
    RecordedCall& record(CanvasCall kind);

    int width_;
    int height_;
    Color background_;
    Pen pen_;
    Brush brush_;
    Font font_;
    Point position_;
    std::vector<RecordedCall> calls_;
    std::map<std::pair<int, int>, Color> pixels_;
};

// The pixel height of a font of the given point size, as the program's windows measure it.
int fontPixelHeight(int pointSize);

} // namespace tarlix
