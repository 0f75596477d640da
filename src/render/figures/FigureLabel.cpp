#include "render/figures/FigureLabel.h"

#include "render/markup/MarkupLabel.h"

#include <cmath>

namespace tarlix {

namespace {

int scaledRound(const View& view, Extended v) {
    return static_cast<int>(std::lround(v * view.xAxis.outputScale));
}

// Along a horizontal line the label goes to the left edge, the right edge or the middle of
// the drawing; along a vertical line to the top, the bottom or the middle.
int lineLabelX(const View& view, int position, int w, int a, int middleX) {
    const int scale = view.xAxis.outputScale;
    switch (position) {
    case 1:
    case 2:
    case 8:
        return view.xAxis.pixelStart * scale + a;
    case 3:
    case 4:
    case 9:
        return view.xAxis.pixelLength * scale - w;
    default:
        return middleX;
    }
}

int lineLabelY(const View& view, int position, int h, int a, int middleY) {
    const int scale = view.yAxis.outputScale;
    switch (position) {
    case 1:
    case 3:
    case 6:
        return view.yAxis.pixelStart * scale + a;
    case 2:
    case 4:
    case 7:
        return view.yAxis.pixelLength * scale - h - a;
    default:
        return middleY;
    }
}

} // namespace

Font labelFont(const View& view) {
    Font font;
    font.name = "Times New Roman";
    font.size = scaledRound(view, view.fontSize + 1);
    font.style = FontStyle::Plain;
    font.color = kBlack;
    return font;
}

Point labelCorner(const View& view, const FigureLabel& label, Size text) {
    const int a = scaledRound(view, view.fontSize) / 5;
    const int b = scaledRound(view, view.fontSize) / 3;
    const int w = text.width, h = text.height;
    int dx = 0, dy = 0;
    switch (label.position) {
    case 1:
        dx = -w - a, dy = -h - a;
        break;
    case 2:
        dx = -w - a, dy = a;
        break;
    case 3:
        dx = a, dy = -h - a;
        break;
    case 4:
        dx = a, dy = a;
        break;
    case 5:
        dx = -(w / 2), dy = -(h / 2);
        break;
    case 6:
        dx = -(w / 2), dy = -h - b;
        break;
    case 7:
        dx = -(w / 2), dy = b;
        break;
    case 8:
        dx = -w - b, dy = -(h / 2);
        break;
    default:
        dx = b, dy = -(h / 2);
        break;
    }
    Point at{label.anchor.x + dx, label.anchor.y + dy};
    if (label.kind == FigureKind::HorizontalLine) {
        const int middle = view.xAxis.pixelLength * view.xAxis.outputScale / 2 - w / 2;
        at.x = lineLabelX(view, label.position, w, a, middle);
    } else if (label.kind == FigureKind::VerticalLine) {
        const int middle = view.yAxis.pixelLength * view.yAxis.outputScale / 2 - h / 2;
        at.y = lineLabelY(view, label.position, h, a, middle);
    }
    return at;
}

Point drawFigureLabel(const View& view, Canvas& canvas, const FigureLabel& label,
                      const MarkupEnv* markup) {
    if (label.position < 1 || label.position > labelPositionCount || label.text.empty())
        return label.anchor;
    const Brush savedBrush = canvas.brush();
    const Font savedFont = canvas.font();
    Brush clear;
    clear.style = BrushStyle::Clear;
    canvas.setBrush(clear);
    canvas.setFont(labelFont(view));
    const Size size =
        markup ? measureMarkupLine(canvas, *markup, label.text) : canvas.textExtent(label.text);
    const Point at = labelCorner(view, label, size);
    if (markup)
        drawMarkupLineAt(canvas, *markup, at.x, at.y, label.text);
    else
        canvas.textOut(at.x, at.y, label.text);
    canvas.setBrush(savedBrush);
    canvas.setFont(savedFont);
    return at;
}

} // namespace tarlix
