#include "render/axes/FractionLabel.h"

#include <algorithm>
#include <cmath>

namespace tarlix {

namespace {
int roundToInt(double v) {
    return static_cast<int>(std::nearbyint(v));
}
} // namespace

void drawFractionLabel(Canvas& canvas, int& x, int y, const std::string& numerator,
                       const std::string& denominator) {
    const int h8 = canvas.textExtent("8").height;
    const int o = roundToInt(0.4 * h8);
    const int m = roundToInt(canvas.font().size / 10.0);
    const int start = x + m;
    const int wn = canvas.textExtent(numerator).width, wd = canvas.textExtent(denominator).width;
    const int span = std::max(wn, wd);
    if (wd > wn) {
        canvas.textOut(start, y + o, denominator);
        canvas.textOut(start + (wd - wn) / 2, y - o, numerator);
    } else {
        canvas.textOut(start, y - o, numerator);
        canvas.textOut(start + (wn - wd) / 2, y + o, denominator);
    }
    const Pen kept = canvas.pen();
    Pen bar;
    bar.width = std::max(1, roundToInt(canvas.font().size / 15.0));
    canvas.setPen(bar);
    const int barY = y + roundToInt(0.5 * h8);
    canvas.moveTo(start - roundToInt(h8 / 20.0), barY);
    x = start + span + 1;
    canvas.lineTo(x, barY);
    canvas.setPen(kept);
}

} // namespace tarlix
