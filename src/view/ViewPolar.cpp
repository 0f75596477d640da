// The polar grid of the view: snapping to it and its angular division.

#include "view/View.h"

#include <array>
#include <cmath>
#include <numbers>

namespace tarlix {

namespace {

constexpr std::array<int, 14> thetaDivisions{1, 2, 3, 4, 5, 6, 8, 9, 12, 18, 24, 30, 36, 72};

Extended polarAngle(Extended x, Extended y) {
    constexpr Extended pi = std::numbers::pi_v<Extended>;
    if (x != 0) return std::atan(y / x) + (x < 0 ? pi : 0);
    return y >= 0 ? pi / 2 : -pi / 2;
}

bool near(double a, double b) {
    return std::fabs(a - b) < 1e-8;
}

} // namespace

WorldPoint View::snapPolar(Extended px, Extended py) const {
    const Extended x = xAxis.toWorld(px);
    const Extended y = yAxis.toWorld(py);
    const Extended s = 2 * std::numbers::pi_v<Extended> / thetaNum;
    const Extended a = std::nearbyint(polarAngle(x, y) / s) * s;
    Extended c = std::cos(a);
    Extended n = std::sin(a);
    const double ad = static_cast<double>(a);
    const double pi = std::numbers::pi;
    if (near(ad, 0) || near(ad, pi)) {
        n = 0;
    } else if (near(ad, pi / 2) || near(ad, -pi / 2) || near(ad, 3 * pi / 2)) {
        // Straight down left of the y axis is reached as 3 pi / 2; it is just as vertical.
        c = 0;
    }
    const Extended r = xAxis.snapToTick(xAxis.toPixel(std::sqrt(x * x + y * y)));
    return {r * c, r * n};
}

void View::thetaNumUp() {
    int next = thetaDivisions.back();
    for (const int d : thetaDivisions) {
        if (d > thetaNum) {
            next = d;
            break;
        }
    }
    thetaNum = next;
    redraw.ticksChanged = true;
}

void View::thetaNumDown() {
    int next = thetaDivisions.front();
    for (auto it = thetaDivisions.rbegin(); it != thetaDivisions.rend(); ++it) {
        if (*it < thetaNum) {
            next = *it;
            break;
        }
    }
    thetaNum = next;
    redraw.ticksChanged = true;
}

} // namespace tarlix
