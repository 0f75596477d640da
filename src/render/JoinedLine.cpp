#include "render/JoinedLine.h"

#include <algorithm>

namespace tarlix {

JoinedLine::JoinedLine(Point a, Point b, std::vector<Point> storage) : points_(std::move(storage)) {
    points_.clear();
    points_.push_back(a);
    points_.push_back(b);
}

void JoinedLine::makeRoomAtHead() {
    const std::size_t n = size(), room = std::max<std::size_t>(n, 4);
    std::vector<Point> grown;
    grown.reserve(room + 2 * n);
    grown.resize(room);
    grown.insert(grown.end(), points_.begin() + std::ptrdiff_t(head_), points_.end());
    points_ = std::move(grown);
    head_ = room;
}

std::vector<Point> JoinedLine::take() {
    std::vector<Point> out;
    if (!reversed_ && head_ == 0) {
        out = std::move(points_);
    } else {
        out.reserve(size());
        for (std::size_t k = 0; k < size(); ++k) out.push_back(at(k));
    }
    clear();
    return out;
}

void JoinedLine::clear() {
    points_.clear();
    head_ = 0;
    reversed_ = false;
}

std::vector<Point> JoinedLine::release() {
    std::vector<Point> storage = std::move(points_);
    storage.clear();
    clear();
    return storage;
}

namespace {

// Adds from[first .. last] (inclusive, either direction) to the end of `line`.
void addToBack(JoinedLine& line, const JoinedLine& from, std::ptrdiff_t first,
               std::ptrdiff_t last) {
    const std::ptrdiff_t step = first <= last ? 1 : -1;
    for (std::ptrdiff_t k = first; k != last + step; k += step)
        line.addBack(from.at(std::size_t(k)));
}

// Puts from[first .. last] in front of `line`, in that order, so from[last] ends up just
// before the old front.
void addToFront(JoinedLine& line, const JoinedLine& from, std::ptrdiff_t first,
                std::ptrdiff_t last) {
    const std::ptrdiff_t step = first <= last ? 1 : -1;
    for (std::ptrdiff_t k = last; k != first - step; k -= step)
        line.addFront(from.at(std::size_t(k)));
}

} // namespace

bool joinLines(JoinedLine& from, JoinedLine& into) {
    if (from.empty() || into.empty()) return false;
    const auto n = std::ptrdiff_t(from.size()), m = std::ptrdiff_t(into.size());
    const bool fromLonger = n > m;
    if (from.back() == into.front()) { // from, then into
        if (fromLonger)
            addToBack(from, into, 1, m - 1);
        else
            addToFront(into, from, 0, n - 2);
    } else if (from.back() == into.back()) { // into, then from backwards
        if (fromLonger) {
            from.reverse();
            addToFront(from, into, 0, m - 2);
        } else {
            addToBack(into, from, n - 2, 0);
        }
    } else if (from.front() == into.back()) { // into, then from
        if (fromLonger)
            addToFront(from, into, 0, m - 2);
        else
            addToBack(into, from, 1, n - 1);
    } else if (from.front() == into.front()) { // from backwards, then into
        if (fromLonger) {
            from.reverse();
            addToBack(from, into, 1, m - 1);
        } else {
            addToFront(into, from, n - 1, 1);
        }
    } else {
        return false;
    }
    if (fromLonger) std::swap(from, into);
    from.clear();
    return true;
}

} // namespace tarlix
