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

    // The image with everything drawn so far.
    const QImage& image() const;

protected:
    QPaintDevice& device() override { return image_; }

private:
    QImage image_;
};

} // namespace tarlix
