#pragma once
// How the program's pens, brushes, fonts and colours look on a QPainter.

#include "platform/Canvas.h"

#include <array>
#include <cstdint>

#include <QBrush>
#include <QColor>
#include <QFont>
#include <QImage>
#include <QPainter>
#include <QPen>
#include <QString>

namespace tarlix {

inline QColor toQColor(Color c) {
    return QColor(redOf(c), greenOf(c), blueOf(c));
}
inline QRgb toQRgb(Color c) {
    return qRgb(redOf(c), greenOf(c), blueOf(c));
}
inline Color fromQRgb(QRgb c) {
    return rgbColor(qRed(c), qGreen(c), qBlue(c));
}

// Thin cosmetic pens are one pixel wide and leave out the last pixel of a line, as the
// platform's lines always did; wider pens have round ends unless they are geometric.
QPen toQPen(const Pen& pen);
// The pen for strokePath: geometric whatever the pen says.
QPen toGeometricQPen(const Pen& pen);

// Patterns and hatches are 8 x 8 tiles aligned to the canvas origin. Their clear bits must
// leave the background alone under every pen mode, so the tile depends on the mode: transparent
// for copy, white under AND, black under OR and XOR.
QBrush toQBrush(const Brush& brush, PenMode mode);
// The tile rows of a hatched style (row r, column c set when bit 7 - c of row r is 1).
std::array<std::uint8_t, 8> hatchRows(BrushStyle style);

QPainter::CompositionMode compositionOf(PenMode mode);
QPainter::CompositionMode compositionOf(RasterOp op);

// "Times New Roman" and "Arial" become the Liberation fonts of the same metrics; "Symbol"
// becomes a serif font, its text mapped by toQStringForFont. Raster pictures get their text
// without antialiasing, like their lines.
QFont toQFont(const Font& font, bool antialiased = false);
QString toQStringForFont(const Font& font, const std::string& text);

QImage toQImage(const RasterImage& image);

} // namespace tarlix
