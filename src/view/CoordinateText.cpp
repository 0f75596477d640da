#include "view/CoordinateText.h"

#include "expression/eval/NumberText.h"

#include <algorithm>
#include <cmath>

namespace tarlix {

std::string formatAxisValue(const Axis& axis, Extended value, int width, char decimalChar) {
    const Extended l = value != 0 ? std::log10(std::fabs(value)) : 0;
    std::string s = l <= -7 || l > 10
                        ? formatGeneral(value, 6, decimalChar)
                        : formatFixed(value, 10, std::clamp(axis.decimals, 0, 9), decimalChar);
    if (s.empty() || s[0] != '-') s.insert(0, " ");
    if (width > 0) s = (s + std::string(10, ' ')).substr(0, static_cast<std::size_t>(width));
    return s;
}

std::string axisRangeText(const Axis& axis, char decimalChar) {
    return formatAxisValue(axis, axis.low, 0, decimalChar) + " < " + axis.captionText + " < " +
           formatAxisValue(axis, axis.high, 0, decimalChar);
}

std::string domainText(const View& view, const std::string& between, char decimalChar) {
    return axisRangeText(view.xAxis, decimalChar) + between +
           axisRangeText(view.yAxis, decimalChar);
}

} // namespace tarlix
