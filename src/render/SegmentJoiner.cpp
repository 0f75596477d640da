#include "render/SegmentJoiner.h"

#include <algorithm>

namespace tarlix {

void SegmentJoiner::reset(Canvas* mainCanvas, Canvas* secondCanvas, bool segmentMode, bool skipMain,
                          bool drawSecond, const LineDrawOptions& options) {
    drawnCount_ = 0;
    open_.clear();
    finished_.clear();
    main_ = mainCanvas;
    second_ = secondCanvas;
    segmentMode_ = segmentMode;
    skipMain_ = skipMain;
    drawSecond_ = drawSecond;
    options_ = options;
}

void SegmentJoiner::addSegment(Point p1, Point p2) {
    std::vector<Point> storage;
    if (!spare_.empty()) {
        storage = std::move(spare_.back());
        spare_.pop_back();
    }
    open_.emplace_back(p1, p2, std::move(storage));
}

// Joins `from` into `into` when they share an end point; `from` is emptied. The shared point
// is kept once. In segment mode the shared end is replaced instead.
bool SegmentJoiner::join(JoinedLine& from, JoinedLine& into) {
    if (!segmentMode_) return joinLines(from, into);
    if (from.empty() || into.empty()) return false;
    if (from.back() == into.front())
        into.front() = from.front();
    else if (from.back() == into.back())
        into.back() = from.front();
    else if (from.front() == into.back())
        into.back() = from.back();
    else if (from.front() == into.front())
        into.front() = from.back();
    else
        return false;
    from.clear();
    return true;
}

// A line leaves the open list: kept as finished or dropped; small storage is reused.
void SegmentJoiner::retire(JoinedLine& line) {
    constexpr std::size_t kReusedPoints = 32;
    if (keeps(line)) finished_.push_back(line.take());
    std::vector<Point> storage = line.release();
    if (storage.capacity() != 0 && storage.capacity() <= kReusedPoints)
        spare_.push_back(std::move(storage));
}

void SegmentJoiner::EndIndex::begin(std::size_t lines) {
    std::size_t capacity = 16;
    while (capacity < 4 * lines) capacity *= 2;
    if (slots_.size() < capacity || ++stamp_ == 0) {
        slots_.assign(std::max(capacity, slots_.size()), Slot{});
        stamp_ = 1;
    }
    overflow_ = false;
}

SegmentJoiner::EndIndex::Slot& SegmentJoiner::EndIndex::slot(Point p) {
    const std::uint64_t key =
        (std::uint64_t(std::uint32_t(p.x)) << 32) | std::uint64_t(std::uint32_t(p.y));
    const std::size_t mask = slots_.size() - 1;
    std::size_t at = std::size_t((key * 0x9E3779B97F4A7C15ull) >> 20) & mask;
    while (slots_[at].stamp == stamp_ && slots_[at].key != key) at = (at + 1) & mask;
    Slot& s = slots_[at];
    if (s.stamp != stamp_) {
        s.stamp = stamp_;
        s.key = key;
        s.count = 0;
    }
    return s;
}

void SegmentJoiner::EndIndex::add(Point p, int line) {
    Slot& s = slot(p);
    if (s.count == kLinesPerPoint)
        overflow_ = true;
    else
        s.lines[std::size_t(s.count++)] = line;
}

void SegmentJoiner::EndIndex::remove(Point p, int line) {
    Slot& s = slot(p);
    for (int k = 0; k < s.count; ++k)
        if (s.lines[std::size_t(k)] == line) {
            s.lines[std::size_t(k)] = s.lines[std::size_t(--s.count)];
            return;
        }
}

int SegmentJoiner::EndIndex::firstAfter(Point p, int after) {
    const Slot& s = slot(p);
    int best = -1;
    for (int k = 0; k < s.count; ++k) {
        const int line = s.lines[std::size_t(k)];
        if (line > after && (best < 0 || line < best)) best = line;
    }
    return best;
}

// The plain search, for few lines or for the rare point where more lines meet than the index
// holds.
void SegmentJoiner::joinPairwise(std::size_t from) {
    for (std::size_t i = from; i < open_.size(); ++i)
        for (std::size_t j = i + 1; j < open_.size() && !open_[i].empty(); ++j)
            if (join(open_[i], open_[j])) break;
}

void SegmentJoiner::joinOpenLines() {
    // A contour crosses a row a few times: comparing a handful of lines costs less than
    // indexing them.
    constexpr std::size_t kFewLines = 16;
    if (open_.size() <= kFewLines) return joinPairwise(0);
    const int n = static_cast<int>(open_.size());
    ends_.begin(open_.size());
    for (int i = 0; i < n; ++i) {
        const JoinedLine& line = open_[std::size_t(i)];
        if (line.empty()) continue;
        ends_.add(line.front(), i);
        ends_.add(line.back(), i);
    }
    for (int i = 0; i < n; ++i) {
        if (ends_.overflowed()) return joinPairwise(std::size_t(i));
        JoinedLine& from = open_[std::size_t(i)];
        if (from.empty()) continue;
        const int a = ends_.firstAfter(from.front(), i), b = ends_.firstAfter(from.back(), i);
        const int j = a < 0 ? b : b < 0 ? a : std::min(a, b);
        if (j < 0) continue;
        JoinedLine& into = open_[std::size_t(j)];
        ends_.remove(from.front(), i);
        ends_.remove(from.back(), i);
        ends_.remove(into.front(), j);
        ends_.remove(into.back(), j);
        join(from, into);
        ends_.add(into.front(), j);
        ends_.add(into.back(), j);
    }
}

void SegmentJoiner::flushAbove(int row) {
    joinOpenLines();

    std::size_t kept = 0;
    for (JoinedLine& line : open_) {
        if (line.empty() || (line.front().y < row && line.back().y < row)) {
            retire(line);
        } else {
            if (&open_[kept] != &line) std::swap(open_[kept], line);
            ++kept;
        }
    }
    open_.resize(kept);
}

void SegmentJoiner::finish() {
    for (JoinedLine& line : open_) retire(line);
    for (const Tpolyline& line : finished_) {
        if (!skipMain_ && main_) drawStyledPolyline(*main_, line, options_);
        if (drawSecond_ && second_) drawStyledPolyline(*second_, line, options_);
    }
    open_.clear();
    finished_.clear();
    drawnCount_ = 0;
}

std::vector<Tpolyline> SegmentJoiner::open() const {
    std::vector<Tpolyline> lines;
    lines.reserve(open_.size());
    for (const JoinedLine& line : open_) {
        Tpolyline& points = lines.emplace_back();
        points.reserve(line.size());
        for (std::size_t k = 0; k < line.size(); ++k) points.push_back(line.at(k));
    }
    return lines;
}

void SegmentJoiner::paintProgress(Canvas& canvas) {
    for (std::size_t i = std::size_t(drawnCount_); i < finished_.size(); ++i)
        drawStyledPolyline(canvas, finished_[i], options_);
    for (const Tpolyline& line : open()) drawStyledPolyline(canvas, line, options_);
    drawnCount_ = static_cast<int>(finished_.size());
}

} // namespace tarlix
