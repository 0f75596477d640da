#include "platform/qt/QtMetafileEngine.h"

#include "platform/qt/QtPaintStyle.h"

#include <QFontMetricsF>
#include <QPainter>
#include <QPainterPath>
#include <QPixmap>
#include <QTextItem>

#include <cmath>

namespace tarlix {

namespace {

int rounded(double v) {
    return static_cast<int>(std::lround(v));
}

Color colorOf(const QColor& c) {
    return rgbColor(c.red(), c.green(), c.blue());
}

// The program's dash patterns (see QtPaintStyle) by their number of dashes and first length.
MetaLine lineOf(const QPen& pen) {
    if (pen.style() == Qt::NoPen) return MetaLine::None;
    if (pen.style() == Qt::SolidLine) return MetaLine::Solid;
    const QList<qreal> dashes = pen.dashPattern();
    if (dashes.size() >= 4) return MetaLine::DashDot;
    if (!dashes.isEmpty() && dashes.front() <= 3) return MetaLine::Dot;
    return MetaLine::Dash;
}

// A hatch tile of the program's brushes back to its hatch style; a pattern that is no hatch
// is drawn cross-hatched, the nearest GDI has.
MetaFill fillOfTile(const QImage& tile) {
    if (tile.width() != 8 || tile.height() != 8) return MetaFill::Solid;
    std::array<std::uint8_t, 8> rows{};
    for (int r = 0; r < 8; ++r)
        for (int c = 0; c < 8; ++c)
            if (qAlpha(tile.pixel(c, r)) != 0) rows[r] |= static_cast<std::uint8_t>(0x80u >> c);
    const std::pair<BrushStyle, MetaFill> hatches[] = {
        {BrushStyle::Horizontal, MetaFill::Horizontal},
        {BrushStyle::Vertical, MetaFill::Vertical},
        {BrushStyle::FDiagonal, MetaFill::FDiagonal},
        {BrushStyle::BDiagonal, MetaFill::BDiagonal},
        {BrushStyle::Cross, MetaFill::Cross},
        {BrushStyle::DiagCross, MetaFill::DiagCross},
    };
    for (const auto& [style, fill] : hatches)
        if (hatchRows(style) == rows) return fill;
    return MetaFill::DiagCross;
}

// The colour of a tile's set pixels.
QColor tileColor(const QImage& tile) {
    for (int y = 0; y < tile.height(); ++y)
        for (int x = 0; x < tile.width(); ++x)
            if (qAlpha(tile.pixel(x, y)) != 0) return QColor(tile.pixel(x, y));
    return Qt::black;
}

MetaBrush brushOf(const QBrush& brush) {
    switch (brush.style()) {
    case Qt::NoBrush:
        return MetaBrush{MetaFill::None, kWhite};
    case Qt::HorPattern:
        return MetaBrush{MetaFill::Horizontal, colorOf(brush.color())};
    case Qt::VerPattern:
        return MetaBrush{MetaFill::Vertical, colorOf(brush.color())};
    case Qt::CrossPattern:
        return MetaBrush{MetaFill::Cross, colorOf(brush.color())};
    case Qt::BDiagPattern:
        return MetaBrush{MetaFill::BDiagonal, colorOf(brush.color())};
    case Qt::FDiagPattern:
        return MetaBrush{MetaFill::FDiagonal, colorOf(brush.color())};
    case Qt::DiagCrossPattern:
        return MetaBrush{MetaFill::DiagCross, colorOf(brush.color())};
    case Qt::TexturePattern: {
        const QImage tile = brush.textureImage();
        return MetaBrush{fillOfTile(tile), colorOf(tileColor(tile))};
    }
    default:
        return MetaBrush{MetaFill::Solid, colorOf(brush.color())};
    }
}

// The program's font names back from the Liberation fonts that stand in for them.
std::string faceOf(const QFont& font) {
    const QString family = font.family();
    if (family == QLatin1String("Liberation Serif")) return "Times New Roman";
    if (family == QLatin1String("Liberation Sans")) return "Arial";
    if (family == QLatin1String("Liberation Mono")) return "Courier New";
    return family.toStdString();
}

MetaBitmap bitmapOf(const QImage& image) {
    const QImage rgb = image.convertToFormat(QImage::Format_RGB888);
    MetaBitmap b;
    b.width = rgb.width();
    b.height = rgb.height();
    const int stride = (b.width * 3 + 3) / 4 * 4;
    b.rows.assign(static_cast<std::size_t>(stride) * static_cast<std::size_t>(b.height), 0);
    for (int y = 0; y < b.height; ++y) {
        const uchar* from = rgb.constScanLine(b.height - 1 - y);
        char* to = b.rows.data() + static_cast<std::size_t>(y) * static_cast<std::size_t>(stride);
        for (int x = 0; x < b.width; ++x) {
            to[3 * x] = static_cast<char>(from[3 * x + 2]);
            to[3 * x + 1] = static_cast<char>(from[3 * x + 1]);
            to[3 * x + 2] = static_cast<char>(from[3 * x]);
        }
    }
    return b;
}

// A path that is one rectangle (a picture replays its rectangles as such paths).
bool isRectangle(const QPainterPath& path, QRectF& rect) {
    if (path.elementCount() != 5) return false;
    for (int i = 0; i < 5; ++i) {
        const QPainterPath::Element e = path.elementAt(i);
        if (i == 0 ? !e.isMoveTo() : !e.isLineTo()) return false;
        const QPointF from = i == 0 ? QPointF(path.elementAt(4)) : QPointF(path.elementAt(i - 1));
        if (from.x() != e.x && from.y() != e.y) return false;
    }
    if (QPointF(path.elementAt(0)) != QPointF(path.elementAt(4))) return false;
    rect = path.boundingRect();
    return true;
}

double scaleOf(const QTransform& t) {
    return std::sqrt(std::abs(t.determinant()));
}

} // namespace

MetafilePaintEngine::MetafilePaintEngine(MetafileRecords& records)
    : QPaintEngine(QPaintEngine::AllFeatures), records_(records) {}

void MetafilePaintEngine::updateState(const QPaintEngineState& state) {
    const auto dirty = state.state();
    if (dirty & DirtyTransform) transform_ = state.transform();
    if (dirty & DirtyPen) pen_ = state.pen();
    if (dirty & DirtyBrush) brush_ = state.brush();
    if (dirty & (DirtyClipRegion | DirtyClipPath | DirtyClipEnabled)) clipDirty_ = true;
}

bool MetafilePaintEngine::axisAligned() const {
    return transform_.type() <= QTransform::TxScale;
}

void MetafilePaintEngine::syncPen() {
    const double width = pen_.isCosmetic() ? 1.0 : pen_.widthF() * scaleOf(transform_);
    records_.setPen(MetaPen{lineOf(pen_), std::max(1, rounded(width)), colorOf(pen_.color())});
    syncClip();
}

void MetafilePaintEngine::syncBrush() {
    records_.setBrush(brushOf(brush_));
    syncPen();
}

// The clip as the painter has it (every intersection made), in the picture's pixels.
void MetafilePaintEngine::syncClip() {
    if (!clipDirty_) return;
    clipDirty_ = false;
    QPainter* p = painter();
    if (!p || !p->hasClipping()) {
        records_.setClip(Rect{});
        return;
    }
    const QRect box = p->clipBoundingRect().isEmpty()
                          ? QRect()
                          : transform_.mapRect(p->clipBoundingRect()).toAlignedRect();
    if (box.isEmpty()) {
        records_.setClip(Rect{-2, -2, -1, -1}); // clipped to nothing
        return;
    }
    // A clip around the whole picture limits nothing; leaving it out spares readers whose
    // clipping is unsure.
    const QPaintDevice* device = p->device();
    if (device && box.contains(QRect(0, 0, device->width(), device->height()))) {
        records_.setClip(Rect{});
        return;
    }
    records_.setClip(Rect{box.left(), box.top(), box.right() + 1, box.bottom() + 1});
}

std::vector<Point> MetafilePaintEngine::mapped(const QPolygonF& polygon) const {
    std::vector<Point> out;
    out.reserve(static_cast<std::size_t>(polygon.size()));
    for (const QPointF& p : polygon) {
        const QPointF d = transform_.map(p);
        out.push_back(Point{rounded(d.x()), rounded(d.y())});
    }
    return out;
}

Rect MetafilePaintEngine::boxOf(const QRectF& r) const {
    const QRectF d = transform_.mapRect(r.normalized());
    return Rect{rounded(d.left()), rounded(d.top()), rounded(d.right()) + 1,
                rounded(d.bottom()) + 1};
}

void MetafilePaintEngine::drawLines(const QLineF* lines, int count) {
    syncPen();
    for (int i = 0; i < count; ++i)
        records_.polyline(mapped(QPolygonF{lines[i].p1(), lines[i].p2()}));
}

void MetafilePaintEngine::drawLines(const QLine* lines, int count) {
    syncPen();
    for (int i = 0; i < count; ++i)
        records_.polyline(mapped(QPolygonF{QPointF(lines[i].p1()), QPointF(lines[i].p2())}));
}

void MetafilePaintEngine::drawRects(const QRectF* rects, int count) {
    syncBrush();
    for (int i = 0; i < count; ++i) {
        if (axisAligned())
            records_.rectangle(boxOf(rects[i]));
        else
            records_.polygon(mapped(QPolygonF(rects[i])));
    }
}

void MetafilePaintEngine::drawRects(const QRect* rects, int count) {
    for (int i = 0; i < count; ++i) {
        const QRectF r(rects[i]);
        drawRects(&r, 1);
    }
}

void MetafilePaintEngine::drawEllipse(const QRectF& r) {
    if (!axisAligned()) {
        QPainterPath path;
        path.addEllipse(r);
        drawPath(path);
        return;
    }
    syncBrush();
    records_.ellipse(boxOf(r));
}

void MetafilePaintEngine::drawPath(const QPainterPath& path) {
    QRectF rect;
    if (axisAligned() && isRectangle(path, rect)) {
        drawRects(&rect, 1);
        return;
    }
    syncBrush();
    const bool filled = brush_.style() != Qt::NoBrush;
    for (const QPolygonF& part : path.toSubpathPolygons()) {
        if (filled)
            records_.polygon(mapped(part));
        else
            records_.polyline(mapped(part));
    }
}

void MetafilePaintEngine::drawPoints(const QPointF* points, int count) {
    syncPen();
    for (int i = 0; i < count; ++i) {
        std::vector<Point> dot = mapped(QPolygonF{points[i]});
        dot.push_back(Point{dot.front().x + 1, dot.front().y});
        records_.polyline(dot);
    }
}

void MetafilePaintEngine::drawPoints(const QPoint* points, int count) {
    for (int i = 0; i < count; ++i) {
        const QPointF p(points[i]);
        drawPoints(&p, 1);
    }
}

void MetafilePaintEngine::drawPolygon(const QPointF* points, int count, PolygonDrawMode mode) {
    QPolygonF polygon;
    polygon.reserve(count);
    for (int i = 0; i < count; ++i) polygon.append(points[i]);
    if (mode == PolylineMode) {
        syncPen();
        records_.polyline(mapped(polygon));
    } else {
        syncBrush();
        records_.polygon(mapped(polygon));
    }
}

void MetafilePaintEngine::drawPolygon(const QPoint* points, int count, PolygonDrawMode mode) {
    QPolygonF polygon;
    polygon.reserve(count);
    for (int i = 0; i < count; ++i) polygon.append(QPointF(points[i]));
    drawPolygon(polygon.constData(), count, mode);
}

// Text stays text: the font's face and height, the pen's colour, each character's advance.
void MetafilePaintEngine::drawTextItem(const QPointF& p, const QTextItem& textItem) {
    syncPen();
    const QFont font = textItem.font();
    const double scale = scaleOf(transform_);
    const QFontMetricsF metrics(font);
    MetaFont meta;
    meta.face = faceOf(font);
    meta.height =
        std::max(1, rounded((font.pixelSize() > 0 ? font.pixelSize() : metrics.height()) * scale));
    meta.bold = font.bold();
    meta.italic = font.italic();
    meta.underline = font.underline();
    meta.strikeOut = font.strikeOut();
    records_.setFont(meta);
    records_.setTextColor(colorOf(pen_.color()));
    const QString text = textItem.text();
    std::vector<int> advances;
    double at = 0;
    int placed = 0;
    for (const QChar c : text) {
        at += metrics.horizontalAdvance(c) * scale;
        advances.push_back(rounded(at) - placed);
        placed = rounded(at);
    }
    const std::vector<Point> origin = mapped(QPolygonF{p});
    records_.text(origin.front(), text.toStdU16String(), advances);
}

void MetafilePaintEngine::drawPixmap(const QRectF& r, const QPixmap& pixmap, const QRectF& sr) {
    drawImage(r, pixmap.toImage(), sr, Qt::AutoColor);
}

void MetafilePaintEngine::drawImage(const QRectF& r, const QImage& image, const QRectF& sr,
                                    Qt::ImageConversionFlags) {
    syncClip();
    const QImage part = image.copy(sr.toAlignedRect());
    if (part.isNull()) return;
    const QRectF d = transform_.mapRect(r);
    records_.bitmap(
        Rect{rounded(d.left()), rounded(d.top()), rounded(d.right()), rounded(d.bottom())},
        bitmapOf(part));
}

int MetafileDevice::metric(PaintDeviceMetric metric) const {
    switch (metric) {
    case PdmWidth:
        return size_.width;
    case PdmHeight:
        return size_.height;
    case PdmWidthMM:
        return size_.width * 254 / (10 * dotsPerInch_);
    case PdmHeightMM:
        return size_.height * 254 / (10 * dotsPerInch_);
    case PdmNumColors:
        return 0xFFFFFF;
    case PdmDepth:
        return 24;
    case PdmDpiX:
    case PdmDpiY:
    case PdmPhysicalDpiX:
    case PdmPhysicalDpiY:
        return dotsPerInch_;
    case PdmDevicePixelRatio:
        return 1;
    case PdmDevicePixelRatioScaled:
        return static_cast<int>(devicePixelRatioFScale());
    default:
        break;
    }
    return 0;
}

} // namespace tarlix
