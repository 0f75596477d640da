#include "expression/functions/Angles.h"

#include <cmath>

namespace tarlix {

Extended directionRadians(Extended X, Extended Y, AngleArea angleArea) {
    Extended t;
    if (X == 0) {
        t = kPi / 2;
    } else if (Y == 0 && X < 0) {
        t = kPi;
    } else {
        t = std::atan(Y / X);
        if (t < 0) t += kPi;
    }
    // t now lies in [0, pi]; the lower half-plane is reached from the other side.
    if (Y < 0) t += angleArea == AngleArea::ZeroToTwoPi ? kPi : -kPi;
    return t;
}

} // namespace tarlix
