#pragma once
// The canvas on a QPainter: the drawing shared by image canvases and recorded pictures (and by
// printer pages and vector output, which paint on their own devices). The painter is begun on
// the first drawing and kept, so that long runs of drawing pay for its set-up once.

#include "platform/Canvas.h"

#include <QFont>
#include <QFontMetrics>
#include <QPainter>
#include <QPolygon>

#include <memory>
#include <optional>

class QPicture;

namespace tarlix {

class QtPainterCanvas : public Canvas {
public:
    // A canvas whose drawing is replayed elsewhere (a recorded picture) keeps its clip inside
    // whatever clip the target has when it is replayed, instead of replacing it.
    //
    // Vector output (SVG, PDF) has no raster operations: there every pen mode and copy paints
    // over what is below, and patterns leave their gaps transparent.
    explicit QtPainterCanvas(bool clipWithinTarget = false, bool vectorOutput = false);
    ~QtPainterCanvas() override;
    QtPainterCanvas(const QtPainterCanvas&) = delete;
    QtPainterCanvas& operator=(const QtPainterCanvas&) = delete;

    void setPen(const Pen& pen) override;
    const Pen& pen() const override { return pen_; }
    void setBrush(const Brush& brush) override;
    const Brush& brush() const override { return brush_; }
    void setFont(const Font& font) override;
    const Font& font() const override { return font_; }

    // The pen mode combines lines and shape fills with the background; text, pixels and
    // fillRect are always plain copies, as on the platform the program was made for.
    void moveTo(int x, int y) override { position_ = {x, y}; }
    void lineTo(int x, int y) override;
    void polyline(const Point* points, std::size_t count) override;
    void strokePath(const Point* points, std::size_t count) override;
    void polygon(const Point* points, std::size_t count) override;
    void ellipse(const Rect& bounds) override;
    void rectangle(const Rect& bounds) override;
    void fillRect(const Rect& bounds) override;
    void textOut(int x, int y, const std::string& text) override;
    Size textExtent(const std::string& text) override;
    Color pixel(int x, int y) const override; // vector canvases hold no pixels: white
    void setPixel(int x, int y, Color color) override;
    void copyFrom(const Canvas& source, const Rect& sourceRect, const Rect& destRect,
                  RasterOp op) override;
    void drawImage(int x, int y, const RasterImage& image, RasterOp op) override;
    void setClip(const Rect& clip) override;

    // Plays a recorded picture of the given logical size into destRect, scaled to fit.
    void drawPicture(const QPicture& picture, Size size, const Rect& destRect);
    bool hasDrawn() const { return drawn_; }

protected:
    virtual QPaintDevice& device() = 0;
    // The painter with the canvas state in force, or nullptr when the device cannot be painted
    // (an empty image). Counts as drawing.
    QPainter* painter();
    // Ends the painter so that the device holds everything drawn; the next drawing begins a
    // new one. Image canvases call it before reading or writing pixels directly.
    void endPainting() const;
    const Rect& clip() const { return clip_; }

private:
    void applyState(QPainter& p);
    void applyStyle(QPainter& p) const;
    void applyClip(QPainter& p);
    void drawPoints(const Point* points, std::size_t count, bool closed);
    PenMode paintMode() const { return vectorOutput_ ? PenMode::Copy : pen_.mode; }

    mutable std::unique_ptr<QPainter> painter_;
    Pen pen_;
    Brush brush_;
    Font font_;
    Rect clip_;
    Point position_;
    QPen qpen_;
    QBrush qbrush_;
    QFont qfont_;
    std::optional<QFontMetrics> metrics_;
    QPainter::CompositionMode mode_ = QPainter::CompositionMode_SourceOver;
    QPolygon polygon_; // reused between calls
    bool drawn_ = false;
    bool clipWithinTarget_;
    bool vectorOutput_;
    mutable bool clipSaved_ = false; // a save() opened for the clip awaits its restore()
};

// A canvas of a given size on a device that paints what it is given: a recorded picture, an
// SVG generator, a PDF writer.
class QtDeviceCanvas : public QtPainterCanvas {
public:
    QtDeviceCanvas(QPaintDevice& device, Size size, bool clipWithinTarget, bool vectorOutput)
        : QtPainterCanvas(clipWithinTarget, vectorOutput), device_(device), size_(size) {}
    ~QtDeviceCanvas() override { finish(); }
    int width() const override { return size_.width; }
    int height() const override { return size_.height; }
    // Ends the painting, so that the device holds everything drawn.
    void finish() { endPainting(); }

protected:
    QPaintDevice& device() override { return device_; }

private:
    QPaintDevice& device_;
    Size size_;
};

} // namespace tarlix
