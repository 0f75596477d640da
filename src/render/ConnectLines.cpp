#include "render/ConnectLines.h"

#include <algorithm>

namespace tarlix {

void TconnectLines::Reset(Canvas* mainCanvas, Canvas* secondCanvas, bool segmentMode, bool skipMain,
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

void TconnectLines::AddSegment(Point p1, Point p2) {
    open_.push_back({p1, p2});
}

// Joins `from` into `into` when they share an end point; `from` is emptied. The shared point
// is kept once.
bool TconnectLines::join(Tpolyline& from, Tpolyline& into) const {
    if (from.empty() || into.empty()) return false;
    Tpolyline joined;
    if (from.back() == into.front()) {
        if (segmentMode_)
            into.front() = from.front();
        else {
            from.insert(from.end(), into.begin() + 1, into.end());
            joined = std::move(from);
        }
    } else if (from.back() == into.back()) {
        if (segmentMode_)
            into.back() = from.front();
        else {
            joined = std::move(into);
            joined.insert(joined.end(), from.rbegin() + 1, from.rend());
        }
    } else if (from.front() == into.back()) {
        if (segmentMode_)
            into.back() = from.back();
        else {
            joined = std::move(into);
            joined.insert(joined.end(), from.begin() + 1, from.end());
        }
    } else if (from.front() == into.front()) {
        if (segmentMode_)
            into.front() = from.back();
        else {
            joined.assign(from.rbegin(), from.rend());
            joined.insert(joined.end(), into.begin() + 1, into.end());
        }
    } else {
        return false;
    }
    if (!segmentMode_) into = std::move(joined);
    from.clear();
    return true;
}

void TconnectLines::EndIndex::begin(std::size_t lines) {
    std::size_t capacity = 16;
    while (capacity < 4 * lines) capacity *= 2;
    if (slots_.size() < capacity || ++stamp_ == 0) {
        slots_.assign(std::max(capacity, slots_.size()), Slot{});
        stamp_ = 1;
    }
    overflow_ = false;
}

TconnectLines::EndIndex::Slot& TconnectLines::EndIndex::slot(Point p) {
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

void TconnectLines::EndIndex::add(Point p, int line) {
    Slot& s = slot(p);
    if (s.count == kLinesPerPoint)
        overflow_ = true;
    else
        s.lines[std::size_t(s.count++)] = line;
}

void TconnectLines::EndIndex::remove(Point p, int line) {
    Slot& s = slot(p);
    for (int k = 0; k < s.count; ++k)
        if (s.lines[std::size_t(k)] == line) {
            s.lines[std::size_t(k)] = s.lines[std::size_t(--s.count)];
            return;
        }
}

int TconnectLines::EndIndex::firstAfter(Point p, int after) {
    const Slot& s = slot(p);
    int best = -1;
    for (int k = 0; k < s.count; ++k) {
        const int line = s.lines[std::size_t(k)];
        if (line > after && (best < 0 || line < best)) best = line;
    }
    return best;
}

// The plain search, for the rare point where more lines meet than the index holds.
void TconnectLines::joinPairwise(std::size_t from) {
    for (std::size_t i = from; i < open_.size(); ++i)
        for (std::size_t j = i + 1; j < open_.size() && !open_[i].empty(); ++j)
            if (join(open_[i], open_[j])) break;
}

void TconnectLines::joinOpenLines() {
    const int n = static_cast<int>(open_.size());
    ends_.begin(open_.size());
    for (int i = 0; i < n; ++i) {
        const Tpolyline& line = open_[std::size_t(i)];
        if (line.empty()) continue;
        ends_.add(line.front(), i);
        ends_.add(line.back(), i);
    }
    for (int i = 0; i < n; ++i) {
        if (ends_.overflowed()) return joinPairwise(std::size_t(i));
        Tpolyline& from = open_[std::size_t(i)];
        if (from.empty()) continue;
        const int a = ends_.firstAfter(from.front(), i), b = ends_.firstAfter(from.back(), i);
        const int j = a < 0 ? b : b < 0 ? a : std::min(a, b);
        if (j < 0) continue;
        Tpolyline& into = open_[std::size_t(j)];
        ends_.remove(from.front(), i);
        ends_.remove(from.back(), i);
        ends_.remove(into.front(), j);
        ends_.remove(into.back(), j);
        join(from, into);
        ends_.add(into.front(), j);
        ends_.add(into.back(), j);
    }
}

void TconnectLines::FlushAbove(int row) {
    joinOpenLines();

    std::vector<Tpolyline> stillOpen;
    for (Tpolyline& line : open_) {
        if (line.empty()) continue;
        if (line.front().y < row && line.back().y < row) {
            if (keeps(line)) finished_.push_back(std::move(line));
        } else {
            stillOpen.push_back(std::move(line));
        }
    }
    open_ = std::move(stillOpen);
}

void TconnectLines::Finish() {
    for (Tpolyline& line : open_)
        if (keeps(line)) finished_.push_back(std::move(line));
    for (const Tpolyline& line : finished_) {
        if (!skipMain_ && main_) DrawStyledPolyline(*main_, line, options_);
        if (drawSecond_ && second_) DrawStyledPolyline(*second_, line, options_);
    }
    open_.clear();
    finished_.clear();
    drawnCount_ = 0;
}

void TconnectLines::PaintProgress(Canvas& canvas) {
    for (std::size_t i = std::size_t(drawnCount_); i < finished_.size(); ++i)
        DrawStyledPolyline(canvas, finished_[i], options_);
    for (const Tpolyline& line : open_) DrawStyledPolyline(canvas, line, options_);
    drawnCount_ = static_cast<int>(finished_.size());
}

} // namespace tarlix
