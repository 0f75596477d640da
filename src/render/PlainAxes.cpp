#include "render/PlainAxes.h"

namespace tarlix {

void drawPlainAxes(Canvas& canvas, const View& view) {
    Pen pen;
    pen.color = kBlack;
    pen.width = view.xAxis.outputScale;
    canvas.setPen(pen);
    const int w = canvas.width(), h = canvas.height();
    const int row = view.yAxis.toPixel(0);
    const int column = view.xAxis.toPixel(0);
    if (row >= 0 && row < h) {
        canvas.moveTo(0, row);
        canvas.lineTo(w, row);
    }
    if (column >= 0 && column < w) {
        canvas.moveTo(column, 0);
        canvas.lineTo(column, h);
    }
}

} // namespace tarlix
