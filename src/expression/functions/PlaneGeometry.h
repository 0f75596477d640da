#pragma once
// Points and vectors of the plane for the construction functions, and the reading of their
// argument lists.

#include "expression/Value.h"

#include <cmath>
#include <string_view>
#include <vector>

namespace tarlix {

struct PlanePoint {
    Extended x = 0;
    Extended y = 0;
};

inline PlanePoint operator+(PlanePoint a, PlanePoint b) {
    return {a.x + b.x, a.y + b.y};
}
inline PlanePoint operator-(PlanePoint a, PlanePoint b) {
    return {a.x - b.x, a.y - b.y};
}
inline PlanePoint operator*(Extended k, PlanePoint a) {
    return {k * a.x, k * a.y};
}
inline Extended dot(PlanePoint a, PlanePoint b) {
    return a.x * b.x + a.y * b.y;
}
inline Extended cross(PlanePoint a, PlanePoint b) {
    return a.x * b.y - a.y * b.x;
}
inline Extended length(PlanePoint a) {
    return std::hypot(a.x, a.y);
}
inline bool isZero(PlanePoint a) {
    return a.x == 0 && a.y == 0;
}
inline PlanePoint quarterTurn(PlanePoint a) {
    return {-a.y, a.x};
} // counterclockwise right angle

inline PlanePoint rotated(PlanePoint a, Extended radians) {
    const Extended c = std::cos(radians), s = std::sin(radians);
    return {a.x * c - a.y * s, a.x * s + a.y * c};
}

inline PlanePoint pointOf(const Value& v) {
    return {v.x, v.y};
}
inline Value pointValue(PlanePoint p) {
    return checkRange(makePair(p.x, p.y));
}

// True when the arguments are all defined and their kinds spell the form: 'P' a pair,
// 'r' a real ("PPr" is point, point, real).
bool matchesForm(const ValueArray& args, std::string_view form);

// Reads defined arguments as points: a pair is one point, two consecutive reals are one
// point. False when an argument is undefined, of another kind, or a real is left alone.
bool readPoints(const ValueArray& args, std::vector<PlanePoint>& points);

// Where line AB meets line CD; false when they are parallel or a line has no direction.
bool intersectLines(PlanePoint a, PlanePoint b, PlanePoint c, PlanePoint d, PlanePoint& out);

// Foot of the perpendicular from a to line BC; false when B and C coincide.
bool footOfPerpendicular(PlanePoint a, PlanePoint b, PlanePoint c, PlanePoint& out);

} // namespace tarlix
