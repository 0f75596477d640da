#include "render/LineStyle.h"

namespace tarlix {

PenStyle penStyleOfLineStyle(int code) {
    switch (code) {
    case 0:
        return PenStyle::Clear;
    case 2:
        return PenStyle::Dash;
    case 3:
        return PenStyle::Dot;
    case 4:
        return PenStyle::DashDot;
    default:
        return PenStyle::Solid;
    }
}

DashPattern makeDashPattern(const Pen& pen, const LineDrawOptions& options) {
    const bool flat = options.capStyle;
    const double gap = flat ? 1.5 : 2.0;
    // With round ends a dot of one width would grow into a blob on thick pens, so its drawn
    // part shrinks to two pixels.
    const double dot = flat ? 1.5 : (pen.width >= 2 ? 2.0 / pen.width : 1.0);
    switch (pen.style) {
    case PenStyle::Clear:
        return {0.0};
    case PenStyle::Dash:
        return {5.0, gap};
    case PenStyle::Dot:
        return {dot, gap};
    case PenStyle::DashDot:
        return {5.0, gap, dot, gap};
    case PenStyle::Solid:
        break;
    }
    return {2000.0, 0.0};
}

} // namespace tarlix
