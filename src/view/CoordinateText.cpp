#include "view/CoordinateText.h"

#include "expression/eval/NumberText.h"

#include <algorithm>
#include <cmath>
#include <cstdio>

namespace tarlix {

namespace {

constexpr int kFixedPrecision = 10;

// Fixed notation with the given decimals after rounding to ten significant digits, so digits
// beyond the tenth come out as zeros.
std::string fixedText(Extended value, int decimals, char decimalChar) {
    char rounded[64];
    std::snprintf(rounded, sizeof rounded, "%.*Le", kFixedPrecision - 1, value);
    const long double r = std::strtold(rounded, nullptr);
    char text[128];
    std::snprintf(text, sizeof text, "%.*Lf", decimals, r);
    std::string s = text;
    std::replace(s.begin(), s.end(), '.', decimalChar);
    if (s.find_first_not_of("-0.,") == std::string::npos && s[0] == '-') s.erase(0, 1);
    return s;
}

} // namespace

std::string formatAxisValue(const Axis& axis, Extended value, int width, char decimalChar) {
    const Extended l = value != 0 ? std::log10(std::fabs(value)) : 0;
    std::string s = l <= -7 || l > 10
                        ? formatGeneral(value, 6, decimalChar)
                        : fixedText(value, std::clamp(axis.decimals, 0, 9), decimalChar);
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
