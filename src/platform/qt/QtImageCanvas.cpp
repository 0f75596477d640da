#include "platform/qt/QtImageCanvas.h"

#include "platform/qt/QtPaintStyle.h"

#include <algorithm>

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

namespace {

// The part of r inside bounds.
Rect within(const Rect& r, const Rect& bounds) {
    return Rect{std::max(r.left, bounds.left), std::max(r.top, bounds.top),
                std::min(r.right, bounds.right), std::min(r.bottom, bounds.bottom)};
}

template <typename Combine>
void combineRows(QImage& dest, const QImage& source, const Rect& to, int dx, int dy, Combine f) {
    for (int y = to.top; y < to.bottom; ++y) {
        auto* d = reinterpret_cast<QRgb*>(dest.scanLine(y)) + to.left;
        const auto* s = reinterpret_cast<const QRgb*>(source.constScanLine(y + dy)) + to.left + dx;
        for (int x = 0, n = to.right - to.left; x < n; ++x) d[x] = f(s[x], d[x]) | 0xFF000000u;
    }
}

} // namespace

void QtImageCanvas::fillRect(const Rect& bounds) {
    const Brush& b = brush();
    if (b.style != BrushStyle::Solid || b.hasPattern) return QtPainterCanvas::fillRect(bounds);
    Rect to = within(bounds, Rect{0, 0, width(), height()});
    const Rect& c = clip();
    if (c.width() > 0 && c.height() > 0) to = within(to, c);
    if (to.width() <= 0 || to.height() <= 0) return;
    endPainting();
    const QRgb colour = toQRgb(b.color) | 0xFF000000u;
    for (int y = to.top; y < to.bottom; ++y) {
        auto* row = reinterpret_cast<QRgb*>(image_.scanLine(y));
        std::fill(row + to.left, row + to.right, colour);
    }
}

void QtImageCanvas::copyFrom(const Canvas& source, const Rect& sourceRect, const Rect& destRect,
                             RasterOp op) {
    const auto* from = dynamic_cast<const QtImageCanvas*>(&source);
    if (!from || from == this || sourceRect.width() != destRect.width() ||
        sourceRect.height() != destRect.height())
        return QtPainterCanvas::copyFrom(source, sourceRect, destRect, op);
    // Only pixels that exist on both sides and lie within the clip are touched.
    const int dx = sourceRect.left - destRect.left, dy = sourceRect.top - destRect.top;
    Rect to = within(destRect, Rect{0, 0, width(), height()});
    to = within(to, Rect{-dx, -dy, from->width() - dx, from->height() - dy});
    const Rect& c = clip();
    if (c.width() > 0 && c.height() > 0) to = within(to, c);
    if (to.width() <= 0 || to.height() <= 0) return;
    const QImage& in = from->image();
    endPainting();
    switch (op) {
    case RasterOp::And:
        return combineRows(image_, in, to, dx, dy, [](QRgb s, QRgb d) { return s & d; });
    case RasterOp::Or:
        return combineRows(image_, in, to, dx, dy, [](QRgb s, QRgb d) { return s | d; });
    case RasterOp::Xor:
        return combineRows(image_, in, to, dx, dy, [](QRgb s, QRgb d) { return s ^ d; });
    case RasterOp::Copy:
        return combineRows(image_, in, to, dx, dy, [](QRgb s, QRgb) { return s; });
    }
}

} // namespace tarlix
