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
            joined.assign(from.begin(), from.end());
            joined.insert(joined.end(), into.begin() + 1, into.end());
        }
    } else if (from.back() == into.back()) {
        if (segmentMode_)
            into.back() = from.front();
        else {
            joined = into;
            joined.insert(joined.end(), from.rbegin() + 1, from.rend());
        }
    } else if (from.front() == into.back()) {
        if (segmentMode_)
            into.back() = from.back();
        else {
            joined = into;
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

void TconnectLines::FlushAbove(int row) {
    for (std::size_t i = 0; i < open_.size(); ++i)
        for (std::size_t j = i + 1; j < open_.size() && !open_[i].empty(); ++j)
            if (join(open_[i], open_[j])) break;

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
