#pragma once
// Small checks shared by the function tests.

#include "expression/Value.h"

#include <gtest/gtest.h>

#include <cmath>
#include <string>

namespace tarlix::testing {

inline std::string describe(const Value& v) {
    return "kind " + std::to_string(static_cast<int>(v.kind)) + " valid " +
           std::to_string(v.valid) + " (" + std::to_string(static_cast<double>(v.x)) + ", " +
           std::to_string(static_cast<double>(v.y)) + ")";
}

inline ::testing::AssertionResult isReal(const Value& v, Extended x, Extended tolerance = 0) {
    if (v.valid && v.kind == ValueKind::Real && std::fabs(v.x - x) <= tolerance)
        return ::testing::AssertionSuccess();
    return ::testing::AssertionFailure()
           << describe(v) << " is not the real " << static_cast<double>(x);
}

inline ::testing::AssertionResult isPair(const Value& v, Extended x, Extended y,
                                         Extended tolerance = 0) {
    if (v.valid && v.kind == ValueKind::Pair && std::fabs(v.x - x) <= tolerance &&
        std::fabs(v.y - y) <= tolerance)
        return ::testing::AssertionSuccess();
    return ::testing::AssertionFailure()
           << describe(v) << " is not the pair (" << static_cast<double>(x) << ", "
           << static_cast<double>(y) << ")";
}

inline ::testing::AssertionResult isUndefined(const Value& v) {
    if (!v.valid) return ::testing::AssertionSuccess();
    return ::testing::AssertionFailure() << describe(v) << " is defined";
}

inline ::testing::AssertionResult isTypeError(const Value& v) {
    if (!v.valid && v.kind == ValueKind::TypeError) return ::testing::AssertionSuccess();
    return ::testing::AssertionFailure() << describe(v) << " is not a type error";
}

inline Value R(Extended x) {
    return makeReal(x);
}
inline Value P(Extended x, Extended y) {
    return makePair(x, y);
}

} // namespace tarlix::testing
