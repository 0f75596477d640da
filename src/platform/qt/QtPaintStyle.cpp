#include "platform/qt/QtPaintStyle.h"

#include "platform/RecordingCanvas.h"
#include "platform/SymbolFont.h"
#include "platform/qt/QtText.h"

#include <QList>

#include <algorithm>
#include <array>

namespace tarlix {

namespace {

Qt::PenCapStyle toQtCap(CapStyle cap) {
    switch (cap) {
    case CapStyle::Flat:
        return Qt::FlatCap;
    case CapStyle::Square:
        return Qt::SquareCap;
    case CapStyle::Round:
        break;
    }
    return Qt::RoundCap;
}

Qt::PenJoinStyle toQtJoin(JoinStyle join) {
    switch (join) {
    case JoinStyle::Miter:
        return Qt::MiterJoin;
    case JoinStyle::Bevel:
        return Qt::BevelJoin;
    case JoinStyle::Round:
        break;
    }
    return Qt::RoundJoin;
}

// Dash patterns in units of the pen width: thin pens keep the pixel lengths of the platform's
// own dashed lines, wide ones the proportions the program uses for its dashed curves.
QList<qreal> dashesOf(PenStyle style, bool thin) {
    switch (style) {
    case PenStyle::Dash:
        return thin ? QList<qreal>{18, 6} : QList<qreal>{5, 2};
    case PenStyle::Dot:
        return thin ? QList<qreal>{3, 3} : QList<qreal>{1, 2};
    case PenStyle::DashDot:
        return thin ? QList<qreal>{9, 6, 3, 6} : QList<qreal>{5, 2, 1, 2};
    default:
        return {};
    }
}

QPen makePen(const Pen& pen, bool thin, Qt::PenCapStyle cap, Qt::PenJoinStyle join) {
    if (pen.style == PenStyle::Clear) return QPen(Qt::NoPen);
    QPen q(toQColor(pen.color));
    q.setWidth(thin ? 0 : std::max(1, pen.width));
    q.setCapStyle(cap);
    q.setJoinStyle(join);
    if (pen.style != PenStyle::Solid) q.setDashPattern(dashesOf(pen.style, thin));
    return q;
}

QBrush tileBrush(const std::array<std::uint8_t, 8>& rows, Color color, PenMode mode) {
    const bool copy = mode == PenMode::Copy;
    QImage tile(8, 8, copy ? QImage::Format_ARGB32_Premultiplied : QImage::Format_RGB32);
    const QRgb set = toQRgb(color);
    const QRgb clear = copy ? 0u : mode == PenMode::Mask ? qRgb(255, 255, 255) : qRgb(0, 0, 0);
    for (int r = 0; r < 8; ++r) {
        auto* line = reinterpret_cast<QRgb*>(tile.scanLine(r));
        for (int c = 0; c < 8; ++c) line[c] = (rows[r] >> (7 - c)) & 1u ? set : clear;
    }
    return QBrush(tile);
}

QString familyOf(const std::string& name) {
    if (name == "Times New Roman" || name == "Symbol") return QStringLiteral("Liberation Serif");
    if (name == "Arial") return QStringLiteral("Liberation Sans");
    if (name == "Courier New") return QStringLiteral("Liberation Mono");
    return toQString(name);
}

} // namespace

std::array<std::uint8_t, 8> hatchRows(BrushStyle style) {
    const bool horiz = style == BrushStyle::Horizontal || style == BrushStyle::Cross;
    const bool vert = style == BrushStyle::Vertical || style == BrushStyle::Cross;
    const bool falling = style == BrushStyle::FDiagonal || style == BrushStyle::DiagCross;
    const bool rising = style == BrushStyle::BDiagonal || style == BrushStyle::DiagCross;
    std::array<std::uint8_t, 8> rows{};
    for (int r = 0; r < 8; ++r) {
        unsigned bits = horiz && r == 7 ? 0xFFu : 0u;
        if (vert) bits |= 0x80u;         // column 0
        if (falling) bits |= 0x80u >> r; // column r
        if (rising) bits |= 0x01u << r;  // column 7 - r
        rows[r] = static_cast<std::uint8_t>(bits);
    }
    return rows;
}

QPen toQPen(const Pen& pen) {
    const bool thin = !pen.geometric && pen.width <= 1;
    if (thin) return makePen(pen, true, Qt::FlatCap, Qt::MiterJoin);
    if (pen.geometric) return makePen(pen, false, toQtCap(pen.cap), toQtJoin(pen.join));
    return makePen(pen, false, Qt::RoundCap, Qt::RoundJoin);
}

QPen toGeometricQPen(const Pen& pen) {
    return makePen(pen, false, toQtCap(pen.cap), toQtJoin(pen.join));
}

QBrush toQBrush(const Brush& brush, PenMode mode) {
    if (brush.hasPattern) return tileBrush(brush.pattern.rows, brush.color, mode);
    switch (brush.style) {
    case BrushStyle::Solid:
        return QBrush(toQColor(brush.color));
    case BrushStyle::Clear:
        return QBrush(Qt::NoBrush);
    default:
        return tileBrush(hatchRows(brush.style), brush.color, mode);
    }
}

QPainter::CompositionMode compositionOf(PenMode mode) {
    switch (mode) {
    case PenMode::Mask:
        return QPainter::RasterOp_SourceAndDestination;
    case PenMode::Merge:
        return QPainter::RasterOp_SourceOrDestination;
    case PenMode::Xor:
        return QPainter::RasterOp_SourceXorDestination;
    case PenMode::Copy:
        break;
    }
    return QPainter::CompositionMode_SourceOver;
}

QPainter::CompositionMode compositionOf(RasterOp op) {
    switch (op) {
    case RasterOp::And:
        return QPainter::RasterOp_SourceAndDestination;
    case RasterOp::Or:
        return QPainter::RasterOp_SourceOrDestination;
    case RasterOp::Xor:
        return QPainter::RasterOp_SourceXorDestination;
    case RasterOp::Copy:
        break;
    }
    return QPainter::CompositionMode_Source;
}

QFont toQFont(const Font& font, bool antialiased) {
    QFont q(familyOf(font.name));
    if (!antialiased) q.setStyleStrategy(QFont::NoAntialias);
    q.setPixelSize(fontPixelHeight(font.size));
    q.setBold(has(font.style, FontStyle::Bold));
    q.setItalic(has(font.style, FontStyle::Italic));
    q.setUnderline(has(font.style, FontStyle::Underline));
    q.setStrikeOut(has(font.style, FontStyle::StrikeOut));
    return q;
}

QString toQStringForFont(const Font& font, const std::string& text) {
    if (font.name != "Symbol") return toQString(text);
    const std::u32string signs = symbolFontText(text);
    return QString::fromUcs4(signs.data(), static_cast<qsizetype>(signs.size()));
}

QImage toQImage(const RasterImage& image) {
    QImage q(image.width, image.height, QImage::Format_RGB32);
    for (int y = 0; y < image.height; ++y) {
        auto* line = reinterpret_cast<QRgb*>(q.scanLine(y));
        for (int x = 0; x < image.width; ++x) line[x] = toQRgb(image.at(x, y));
    }
    return q;
}

} // namespace tarlix
