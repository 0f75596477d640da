#pragma once
// The joining of two lines written out on plain vectors, the reference the joiner's tests
// compare with: from goes into into when they share an end point.

#include "render/SegmentJoiner.h"

#include <vector>

namespace tarlix::testing {

inline bool plainJoin(std::vector<Point>& from, std::vector<Point>& into) {
    std::vector<Point> joined;
    if (from.back() == into.front()) {
        joined = from;
        joined.insert(joined.end(), into.begin() + 1, into.end());
    } else if (from.back() == into.back()) {
        joined = into;
        joined.insert(joined.end(), from.rbegin() + 1, from.rend());
    } else if (from.front() == into.back()) {
        joined = into;
        joined.insert(joined.end(), from.begin() + 1, from.end());
    } else if (from.front() == into.front()) {
        joined.assign(from.rbegin(), from.rend());
        joined.insert(joined.end(), into.begin() + 1, into.end());
    } else {
        return false;
    }
    into = joined;
    from.clear();
    return true;
}

} // namespace tarlix::testing
