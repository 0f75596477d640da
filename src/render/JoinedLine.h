#pragma once
// An open polyline of the segment joiner. A contour grows at both ends row after row, and is
// often joined the wrong way round; adding points at either end and turning the line over cost
// nothing per point already in it, so joining a short piece to a long line costs the short
// piece only.

#include "platform/Canvas.h"

#include <cstddef>
#include <utility>
#include <vector>

namespace tarlix {

class JoinedLine {
public:
    JoinedLine() = default;
    // A two-point line in `storage`, whose points are dropped.
    JoinedLine(Point a, Point b, std::vector<Point> storage);

    bool empty() const { return head_ == points_.size(); }
    std::size_t size() const { return points_.size() - head_; }
    // The k-th point from the start.
    Point at(std::size_t k) const {
        return reversed_ ? points_[points_.size() - 1 - k] : points_[head_ + k];
    }
    Point front() const { return at(0); }
    Point back() const { return at(size() - 1); }
    Point& front() { return reversed_ ? points_.back() : points_[head_]; }
    Point& back() { return reversed_ ? points_[head_] : points_.back(); }

    void addFront(Point p) { reversed_ ? points_.push_back(p) : addAtHead(p); }
    void addBack(Point p) { reversed_ ? addAtHead(p) : points_.push_back(p); }
    void reverse() { reversed_ = !reversed_; }

    // The points in order; the line is left empty.
    std::vector<Point> take();
    // Empties the line; it keeps its storage.
    void clear();
    // The storage, emptied, for another line; the line is left empty.
    std::vector<Point> release();

private:
    void addAtHead(Point p) {
        if (head_ == 0) makeRoomAtHead();
        points_[--head_] = p;
    }
    void makeRoomAtHead();

    std::vector<Point> points_; // the line in points_[head_ ..], backwards when reversed_
    std::size_t head_ = 0;
    bool reversed_ = false;
};

// Joins `from` into `into` when they share an end point, the shared point kept once; `from`
// is left empty (with its storage). The longer line is extended by the shorter one.
bool joinLines(JoinedLine& from, JoinedLine& into);

} // namespace tarlix
