#pragma once
// Points and vectors of the plane for the construction functions, and the reading of their
// argument lists.

#include "expression/Value.h"

#include <cmath>
#include <string_view>
#include <vector>

namespace tarlix {

struct Point {
    Extended x = 0;
    Extended y = 0;
};

inline Point operator+(Point a, Point b) {
    return {a.x + b.x, a.y + b.y};
}
inline Point operator-(Point a, Point b) {
    return {a.x - b.x, a.y - b.y};
}
inline Point operator*(Extended k, Point a) {
    return {k * a.x, k * a.y};
}
inline Extended dot(Point a, Point b) {
    return a.x * b.x + a.y * b.y;
}
inline Extended cross(Point a, Point b) {
    return a.x * b.y - a.y * b.x;
}
inline Extended length(Point a) {
    return std::hypot(a.x, a.y);
}
inline bool isZero(Point a) {
    return a.x == 0 && a.y == 0;
}
inline Point quarterTurn(Point a) {
    return {-a.y, a.x};
} // counterclockwise right angle

inline Point rotated(Point a, Extended radians) {
    const Extended c = std::cos(radians), s = std::sin(radians);
    return {a.x * c - a.y * s, a.x * s + a.y * c};
}

inline Point pointOf(const Value& v) {
    return {v.x, v.y};
}
inline Value pointValue(Point p) {
    return checkRange(makePair(p.x, p.y));
}

// True when the arguments are all defined and their kinds spell the form: 'P' a pair,
// 'r' a real ("PPr" is point, point, real).
bool matchesForm(const ValueArray& args, std::string_view form);

// Reads defined arguments as points: a pair is one point, two consecutive reals are one
// point. False when an argument is undefined, of another kind, or a real is left alone.
bool readPoints(const ValueArray& args, std::vector<Point>& points);

// Where line AB meets line CD; false when they are parallel or a line has no direction.
bool intersectLines(Point a, Point b, Point c, Point d, Point& out);

// Foot of the perpendicular from a to line BC; false when B and C coincide.
bool footOfPerpendicular(Point a, Point b, Point c, Point& out);

} // namespace tarlix
