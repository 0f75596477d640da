#pragma once
// A paint device whose painting becomes metafile records: what a QPainter draws on it (the
// recorded picture replayed) arrives as lines, shapes, text and images with the painter's state,
// and leaves as GDI objects and records in the picture's pixels. Nothing is rasterised: the
// engine claims every feature, so Qt never turns a shape into an image for it.

#include "platform/qt/MetafileRecords.h"

#include <QPaintDevice>
#include <QPaintEngine>

namespace tarlix {

class MetafilePaintEngine : public QPaintEngine {
public:
    explicit MetafilePaintEngine(MetafileRecords& records);

    bool begin(QPaintDevice*) override { return true; }
    bool end() override { return true; }
    Type type() const override { return QPaintEngine::User; }
    void updateState(const QPaintEngineState& state) override;

    void drawLines(const QLineF* lines, int count) override;
    void drawLines(const QLine* lines, int count) override;
    void drawRects(const QRectF* rects, int count) override;
    void drawRects(const QRect* rects, int count) override;
    void drawEllipse(const QRectF& r) override;
    void drawEllipse(const QRect& r) override { drawEllipse(QRectF(r)); }
    void drawPath(const QPainterPath& path) override;
    void drawPoints(const QPointF* points, int count) override;
    void drawPoints(const QPoint* points, int count) override;
    void drawPolygon(const QPointF* points, int count, PolygonDrawMode mode) override;
    void drawPolygon(const QPoint* points, int count, PolygonDrawMode mode) override;
    void drawTextItem(const QPointF& p, const QTextItem& textItem) override;
    void drawPixmap(const QRectF& r, const QPixmap& pixmap, const QRectF& sr) override;
    void drawImage(const QRectF& r, const QImage& image, const QRectF& sr,
                   Qt::ImageConversionFlags flags) override;

private:
    // The painter's pen, brush and clip, as they stand, given to the records before a drawing.
    void syncPen();
    void syncBrush();
    void syncClip();
    std::vector<Point> mapped(const QPolygonF& polygon) const;
    // The GDI box of a Qt rectangle (outline on its edges, as QPainter draws it).
    Rect boxOf(const QRectF& r) const;
    bool axisAligned() const;

    MetafileRecords& records_;
    QTransform transform_;
    QPen pen_;
    QBrush brush_;
    bool clipDirty_ = true;
};

// The device of the picture's size and dots per inch that the engine paints for.
class MetafileDevice : public QPaintDevice {
public:
    MetafileDevice(MetafileRecords& records, Size size, int dotsPerInch)
        : engine_(records), size_(size), dotsPerInch_(dotsPerInch) {}
    QPaintEngine* paintEngine() const override { return &engine_; }

protected:
    int metric(PaintDeviceMetric metric) const override;

private:
    mutable MetafilePaintEngine engine_;
    Size size_;
    int dotsPerInch_;
};

} // namespace tarlix
