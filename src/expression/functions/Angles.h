#pragma once
// Angle units and the direction of a plane vector, shared by the trigonometric and the
// geometric functions. Complex arithmetic always works in radians.

#include "expression/EngineSettings.h"
#include "expression/Value.h"

namespace tarlix {

inline constexpr Extended kPi = 3.14159265358979323846264338327950288L;

// An angle typed by the user, in the unit chosen by AngleMode, as radians.
inline Extended angleToRadians(Extended a, const EngineSettings& settings) {
    return settings.angleMode == AngleMode::Degrees ? a * (kPi / 180) : a;
}

// An angle in radians, in the unit chosen by AngleMode.
inline Extended radiansToAngle(Extended a, const EngineSettings& settings) {
    return settings.angleMode == AngleMode::Degrees ? a * (180 / kPi) : a;
}

// Direction of the vector (X, Y), not both 0, in radians: [0, 2pi) when AngleArea is 1,
// otherwise (-pi, pi].
Extended directionRadians(Extended X, Extended Y, AngleArea angleArea);

// The same direction in the unit chosen by AngleMode.
inline Extended directionAngle(Extended X, Extended Y, const EngineSettings& settings) {
    return radiansToAngle(directionRadians(X, Y, settings.angleArea), settings);
}

} // namespace tarlix
