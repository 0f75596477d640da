#include "platform/qt/QtPainterCanvas.h"

#include "platform/qt/QtImageCanvas.h"
#include "platform/qt/QtPaintStyle.h"

#include <QPicture>

namespace tarlix {

namespace {

QRect toQRect(const Rect& r) {
    return QRect(r.left, r.top, r.width(), r.height());
}
bool isEmptyRect(const Rect& r) {
    return r.width() <= 0 || r.height() <= 0;
}

// A stroked outline covers its bounds exactly when drawn one pixel inside the right and bottom
// edges; without a pen the fill covers the whole bounds.
QRect shapeRect(const Rect& r, bool outlined) {
    return outlined ? QRect(r.left, r.top, r.width() - 1, r.height() - 1) : toQRect(r);
}

// The pixels of another canvas, for canvases that are not Qt images.
QImage pixelsOf(const Canvas& source, const Rect& r) {
    QImage q(r.width(), r.height(), QImage::Format_RGB32);
    for (int y = 0; y < r.height(); ++y) {
        auto* line = reinterpret_cast<QRgb*>(q.scanLine(y));
        for (int x = 0; x < r.width(); ++x) line[x] = toQRgb(source.pixel(r.left + x, r.top + y));
    }
    return q;
}

} // namespace

QtPainterCanvas::QtPainterCanvas(bool clipWithinTarget, bool vectorOutput)
    : qpen_(toQPen(pen_)), qbrush_(toQBrush(brush_, vectorOutput ? PenMode::Copy : pen_.mode)),
      qfont_(toQFont(font_)), metrics_(qfont_), clipWithinTarget_(clipWithinTarget),
      vectorOutput_(vectorOutput) {}

// Derived canvases end the painter while their device still exists.
QtPainterCanvas::~QtPainterCanvas() = default;

QPainter* QtPainterCanvas::painter() {
    if (!painter_) {
        QPaintDevice& dev = device();
        if (const auto* image = dynamic_cast<const QImage*>(&dev); image && image->isNull())
            return nullptr;
        auto p = std::make_unique<QPainter>();
        if (!p->begin(&dev)) return nullptr;
        applyState(*p);
        painter_ = std::move(p);
    }
    drawn_ = true;
    return painter_.get();
}

void QtPainterCanvas::endPainting() const {
    if (!painter_) return;
    if (clipSaved_) painter_->restore();
    clipSaved_ = false;
    painter_->end();
    painter_.reset();
}

// No antialiasing on raster pictures, so that AND and XOR combinations and hatch patterns stay
// exact to the pixel.
void QtPainterCanvas::applyState(QPainter& p) {
    p.setRenderHint(QPainter::Antialiasing, false);
    p.setRenderHint(QPainter::TextAntialiasing, false);
    p.setRenderHint(QPainter::SmoothPixmapTransform, false);
    applyStyle(p);
    applyClip(p);
}

void QtPainterCanvas::applyStyle(QPainter& p) const {
    p.setPen(qpen_);
    p.setBrush(qbrush_);
    p.setFont(qfont_);
    p.setCompositionMode(mode_);
}

// A recorded clip is kept between a save and a restore and intersected with the clip in force,
// so that on replay it narrows the target's clip and a later clip undoes it.
void QtPainterCanvas::applyClip(QPainter& p) {
    if (!clipWithinTarget_) {
        if (isEmptyRect(clip_))
            p.setClipping(false);
        else
            p.setClipRect(toQRect(clip_));
        return;
    }
    if (clipSaved_) {
        p.restore();
        clipSaved_ = false;
        applyStyle(p);
    }
    if (isEmptyRect(clip_)) return;
    p.save();
    clipSaved_ = true;
    p.setClipRect(toQRect(clip_), Qt::IntersectClip);
}

void QtPainterCanvas::setPen(const Pen& pen) {
    const bool modeChanged = pen.mode != pen_.mode;
    pen_ = pen;
    qpen_ = toQPen(pen_);
    mode_ = compositionOf(paintMode());
    if (modeChanged) qbrush_ = toQBrush(brush_, paintMode());
    if (!painter_) return;
    painter_->setPen(qpen_);
    painter_->setCompositionMode(mode_);
    if (modeChanged) painter_->setBrush(qbrush_);
}

void QtPainterCanvas::setBrush(const Brush& brush) {
    brush_ = brush;
    qbrush_ = toQBrush(brush_, paintMode());
    if (painter_) painter_->setBrush(qbrush_);
}

void QtPainterCanvas::setFont(const Font& font) {
    font_ = font;
    qfont_ = toQFont(font_);
    metrics_.emplace(qfont_);
    if (painter_) painter_->setFont(qfont_);
}

void QtPainterCanvas::lineTo(int x, int y) {
    if (QPainter* p = painter()) p->drawLine(position_.x, position_.y, x, y);
    position_ = {x, y};
}

void QtPainterCanvas::drawPoints(const Point* points, std::size_t count, bool closed) {
    if (count < 2) return;
    QPainter* p = painter();
    if (!p) return;
    polygon_.resize(static_cast<qsizetype>(count));
    for (std::size_t i = 0; i < count; ++i)
        polygon_[static_cast<qsizetype>(i)] = QPoint(points[i].x, points[i].y);
    if (closed)
        p->drawPolygon(polygon_, Qt::OddEvenFill);
    else
        p->drawPolyline(polygon_);
}

void QtPainterCanvas::polyline(const Point* points, std::size_t count) {
    drawPoints(points, count, false);
}

void QtPainterCanvas::strokePath(const Point* points, std::size_t count) {
    QPainter* p = painter();
    if (!p) return;
    p->setPen(toGeometricQPen(pen_));
    drawPoints(points, count, false);
    p->setPen(qpen_);
}

void QtPainterCanvas::polygon(const Point* points, std::size_t count) {
    drawPoints(points, count, true);
}

void QtPainterCanvas::ellipse(const Rect& bounds) {
    if (isEmptyRect(bounds)) return;
    if (QPainter* p = painter()) p->drawEllipse(shapeRect(bounds, qpen_.style() != Qt::NoPen));
}

void QtPainterCanvas::rectangle(const Rect& bounds) {
    if (isEmptyRect(bounds)) return;
    if (QPainter* p = painter()) p->drawRect(shapeRect(bounds, qpen_.style() != Qt::NoPen));
}

void QtPainterCanvas::fillRect(const Rect& bounds) {
    if (isEmptyRect(bounds) || qbrush_.style() == Qt::NoBrush) return;
    QPainter* p = painter();
    if (!p) return;
    p->setCompositionMode(QPainter::CompositionMode_SourceOver);
    p->fillRect(toQRect(bounds), toQBrush(brush_, PenMode::Copy));
    p->setCompositionMode(mode_);
}

// The background is painted only by a solid brush; any other brush leaves it as it is.
void QtPainterCanvas::textOut(int x, int y, const std::string& text) {
    if (text.empty()) return;
    QPainter* p = painter();
    if (!p) return;
    const QString s = toQStringForFont(font_, text);
    // Text always copies; the painter's state is touched only where the pen's differs, since
    // each change costs the raster engine a state update.
    const bool otherMode = mode_ != QPainter::CompositionMode_SourceOver;
    if (otherMode) p->setCompositionMode(QPainter::CompositionMode_SourceOver);
    if (brush_.style == BrushStyle::Solid && !brush_.hasPattern)
        p->fillRect(QRect(x, y, metrics_->horizontalAdvance(s), metrics_->height()),
                    toQColor(brush_.color));
    const QColor ink = toQColor(font_.color);
    const bool otherInk = qpen_.color() != ink || qpen_.style() != Qt::SolidLine;
    if (otherInk) p->setPen(QPen(ink));
    p->drawText(QPoint(x, y + metrics_->ascent()), s);
    if (otherInk) p->setPen(qpen_);
    if (otherMode) p->setCompositionMode(mode_);
}

Size QtPainterCanvas::textExtent(const std::string& text) {
    const QString s = toQStringForFont(font_, text);
    return {metrics_->horizontalAdvance(s), metrics_->height()};
}

Color QtPainterCanvas::pixel(int, int) const {
    return kWhite;
}

void QtPainterCanvas::setPixel(int x, int y, Color color) {
    QPainter* p = painter();
    if (!p) return;
    p->setCompositionMode(vectorOutput_ ? QPainter::CompositionMode_SourceOver
                                        : QPainter::CompositionMode_Source);
    p->setPen(QPen(toQColor(color), 0));
    p->drawPoint(x, y);
    p->setPen(qpen_);
    p->setCompositionMode(mode_);
}

void QtPainterCanvas::copyFrom(const Canvas& source, const Rect& sourceRect, const Rect& destRect,
                               RasterOp op) {
    if (isEmptyRect(sourceRect) || isEmptyRect(destRect)) return;
    QImage copied;
    const QImage* image = &copied;
    QRect from = toQRect(sourceRect);
    const auto* qtSource = dynamic_cast<const QtImageCanvas*>(&source);
    if (qtSource && &source != this) {
        image = &qtSource->image();
    } else if (qtSource) {
        copied = qtSource->image().copy(from); // the source changes under the copy
        from = copied.rect();
    } else {
        copied = pixelsOf(source, sourceRect);
        from = copied.rect();
    }
    QPainter* p = painter();
    if (!p) return;
    p->setCompositionMode(vectorOutput_ ? QPainter::CompositionMode_SourceOver : compositionOf(op));
    p->drawImage(toQRect(destRect), *image, from);
    p->setCompositionMode(mode_);
}

void QtPainterCanvas::drawImage(int x, int y, const RasterImage& image, RasterOp op) {
    if (image.width <= 0 || image.height <= 0) return;
    QPainter* p = painter();
    if (!p) return;
    p->setCompositionMode(vectorOutput_ ? QPainter::CompositionMode_SourceOver : compositionOf(op));
    p->drawImage(QPoint(x, y), toQImage(image));
    p->setCompositionMode(mode_);
}

void QtPainterCanvas::setClip(const Rect& clip) {
    clip_ = clip;
    if (painter_) applyClip(*painter_);
}

void QtPainterCanvas::drawPicture(const QPicture& picture, Size size, const Rect& destRect) {
    if (size.width <= 0 || size.height <= 0 || isEmptyRect(destRect)) return;
    QPainter* p = painter();
    if (!p) return;
    // Playing a picture on a device of another resolution enlarges it by the ratio of the two
    // (a printer at 1200 dpi, a PDF of an enlarged picture): that is undone here, so that the
    // picture fills exactly destRect in the device's pixels.
    const QPaintDevice* device = p->device();
    const double dpiX = device && device->logicalDpiX() > 0 ? device->logicalDpiX() : 96;
    const double dpiY = device && device->logicalDpiY() > 0 ? device->logicalDpiY() : 96;
    p->save();
    p->translate(destRect.left, destRect.top);
    p->scale(static_cast<double>(destRect.width()) / size.width * picture.logicalDpiX() / dpiX,
             static_cast<double>(destRect.height()) / size.height * picture.logicalDpiY() / dpiY);
    p->drawPicture(0, 0, picture);
    p->restore();
}

} // namespace tarlix
