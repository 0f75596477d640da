#pragma once
// Joins the unordered two-point segments of a relation scan (or of a hatching) into
// polylines, so contours are stroked as continuous lines with proper joins and dashes.
// Lines are finished row by row as the scan moves down, which keeps the open list short.

#include "platform/Canvas.h"
#include "render/JoinedLine.h"
#include "render/LineStyle.h"
#include "render/StyledPolyline.h"

#include <array>
#include <cstdint>
#include <vector>

namespace tarlix {

class SegmentJoiner {
public:
    // Starts a new set of lines. In segment mode (hatching) joined segments stay segments: the
    // shared end is replaced, since hatch segments that meet lie on one line. Either canvas may
    // be null when it is not drawn on.
    void reset(Canvas* mainCanvas, Canvas* secondCanvas, bool segmentMode, bool skipMain,
               bool drawSecond, const LineDrawOptions& options);
    void addSegment(Point p1, Point p2);
    // Joins what can be joined, then retires the lines lying wholly above the row: lines of
    // more than two points (any line in segment mode) become finished, the rest are dropped
    // as specks of a single cell.
    void flushAbove(int row);
    // Keeps the open lines worth keeping, strokes every finished line and empties the lists.
    void finish();
    // Shows the lines found so far while a long scan runs; finished lines are painted once.
    void paintProgress(Canvas& canvas);

    // The lines still open, in order.
    std::vector<Tpolyline> open() const;
    const std::vector<Tpolyline>& finished() const { return finished_; }
    int drawnCount() const { return drawnCount_; }

private:
    bool keeps(const JoinedLine& line) const {
        return !line.empty() && (segmentMode_ || line.size() > 2);
    }
    bool join(JoinedLine& from, JoinedLine& into);
    void retire(JoinedLine& line);
    // Joins every open line into the first later line that shares an end point with it.
    void joinOpenLines();
    void joinPairwise(std::size_t from);

    // The open lines by their end points, so that joining costs a look-up per line instead of a
    // search through all of them. Rebuilt at every flush; slots of an older flush are stale.
    class EndIndex {
    public:
        static constexpr int kLinesPerPoint = 4;
        void begin(std::size_t lines);
        void add(Point p, int line);
        void remove(Point p, int line);
        // The smallest line number above `after` with an end at p, or -1.
        int firstAfter(Point p, int after);
        bool overflowed() const { return overflow_; }

    private:
        struct Slot {
            std::uint64_t key = 0;
            std::uint32_t stamp = 0;
            int count = 0;
            std::array<int, kLinesPerPoint> lines{};
        };
        Slot& slot(Point p);
        std::vector<Slot> slots_;
        std::uint32_t stamp_ = 0;
        bool overflow_ = false;
    };

    int drawnCount_ = 0;
    std::vector<JoinedLine> open_;
    std::vector<Tpolyline> finished_;
    std::vector<std::vector<Point>> spare_; // storage of emptied lines, for new segments
    Canvas* main_ = nullptr;
    Canvas* second_ = nullptr;
    bool drawSecond_ = false;
    bool skipMain_ = false;
    bool segmentMode_ = false;
    LineDrawOptions options_;
    EndIndex ends_;
};

} // namespace tarlix
