#include "render/segments/SegmentLabel.h"

#include <cmath>

namespace tarlix {

namespace {

// The corner of the text relative to the anchor; near positions keep a gap of a, the ones
// straight above, below or beside keep b.
Point labelOffset(int position, Size text, int a, int b) {
    const int w = text.width, h = text.height;
    switch (position) {
    case 1:
        return {-w - a, -h - a};
    case 2:
        return {-w - a, a};
    case 3:
        return {a, -h - a};
    case 4:
        return {a, a};
    case 5:
        return {-(w / 2), -(h / 2)};
    case 6:
        return {-(w / 2), -h - b};
    case 7:
        return {-(w / 2), b};
    case 8:
        return {-w - b, -(h / 2)};
    default:
        return {b, -(h / 2)};
    }
}

} // namespace

Point drawSegmentLabel(Canvas& canvas, const View& view, int position, const std::string& text,
                       Point anchor) {
    if (position < 1 || position > 9 || text.empty()) return anchor;
    const int scale = view.xAxis.outputScale;
    const int font = static_cast<int>(std::lround(view.fontSize * scale));
    const Font saved = canvas.font();
    const Brush savedBrush = canvas.brush();
    canvas.setFont(Font{"Times New Roman",
                        static_cast<int>(std::lround((view.fontSize + 1) * scale)), 0, kBlack});
    Brush clear;
    clear.style = BrushStyle::Clear;
    canvas.setBrush(clear);
    const Point offset = labelOffset(position, canvas.textExtent(text), font / 5, font / 3);
    const Point corner{anchor.x + offset.x, anchor.y + offset.y};
    canvas.textOut(corner.x, corner.y, text);
    canvas.setFont(saved);
    canvas.setBrush(savedBrush);
    return corner;
}

} // namespace tarlix
