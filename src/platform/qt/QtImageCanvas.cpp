#include "platform/qt/QtImageCanvas.h"

#include "platform/qt/QtPaintStyle.h"

namespace tarlix {

QtImageCanvas::QtImageCanvas(int width, int height, Color fill)
    : image_(std::max(width, 0), std::max(height, 0), QImage::Format_RGB32) {
    image_.fill(toQColor(fill));
}

QtImageCanvas::QtImageCanvas(const QImage& image)
    : image_(image.convertToFormat(QImage::Format_RGB32)) {}

QtImageCanvas::~QtImageCanvas() {
    endPainting();
}

const QImage& QtImageCanvas::image() const {
    endPainting();
    return image_;
}

Color QtImageCanvas::pixel(int x, int y) const {
    if (x < 0 || y < 0 || x >= image_.width() || y >= image_.height()) return kWhite;
    endPainting();
    return fromQRgb(reinterpret_cast<const QRgb*>(image_.constScanLine(y))[x]);
}

void QtImageCanvas::setPixel(int x, int y, Color color) {
    if (x < 0 || y < 0 || x >= image_.width() || y >= image_.height()) return;
    const Rect& c = clip();
    if (c.width() > 0 && c.height() > 0 &&
        (x < c.left || x >= c.right || y < c.top || y >= c.bottom))
        return;
    endPainting();
    reinterpret_cast<QRgb*>(image_.scanLine(y))[x] = toQRgb(color);
}

} // namespace tarlix
