#include "document/PrintLayout.h"

#include <cmath>

namespace tarlix {

namespace {
int roundedRatio(long long numerator, long long denominator) {
    return static_cast<int>(std::lround(static_cast<double>(numerator) / denominator));
}
} // namespace

Size printedSize(Size picture, Size page, int percent, bool wholeMultiple) {
    const long long a = picture.width;
    const long long b = picture.height;
    if (a <= 0 || b <= 0) return {0, 0};
    int width = static_cast<int>(page.width * static_cast<long long>(percent) / 100);
    int height = roundedRatio(b * width, a);
    if (height > page.height) {
        height = page.height;
        width = roundedRatio(a * page.height, b);
    }
    if (wholeMultiple) {
        const long long k = height == page.height ? height / b : width / a;
        width = static_cast<int>(a * k);
        height = static_cast<int>(b * k);
    }
    return {width, height};
}

Rect printedPlace(Size picture, Size page, int percent, bool wholeMultiple) {
    const Size s = printedSize(picture, page, percent, wholeMultiple);
    const int left = (page.width - s.width) / 2;
    const int top = s.height <= page.height * 29 / 30 ? page.height / 30 : 0;
    return {left, top, left + s.width, top + s.height};
}

} // namespace tarlix
