#pragma once
// The canvas on a QImage: the window's layer images, afterimages and exported pictures.

#include "platform/qt/QtPainterCanvas.h"

#include <QImage>

namespace tarlix {

class QtImageCanvas : public QtPainterCanvas {
public:
    QtImageCanvas(int width, int height, Color fill = kWhite);
    explicit QtImageCanvas(const QImage& image); // kept as 32-bit RGB
    ~QtImageCanvas() override;

    int width() const override { return image_.width(); }
    int height() const override { return image_.height(); }

    Color pixel(int x, int y) const override;
    void setPixel(int x, int y, Color color) override; // within the clip
    // Copies between images of one size are done here, pixel by pixel: Qt would spread a
    // raster operation over its thread pool, which costs more than it saves for one picture.
    void copyFrom(const Canvas& source, const Rect& sourceRect, const Rect& destRect,
                  RasterOp op) override;
    // A solid fill is written here for the same reason.
    void fillRect(const Rect& bounds) override;

    // The image with everything drawn so far.
    const QImage& image() const;

protected:
    QPaintDevice& device() override { return image_; }

private:
    QImage image_;
};

} // namespace tarlix
