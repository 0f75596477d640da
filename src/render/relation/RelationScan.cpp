#include "render/relation/RelationScan.h"

#include "render/relation/MarchingSquares.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <cstdlib>
#include <cstring>
#include <utility>

namespace tarlix {

namespace {

// A report falls due half a second after the start, then a second after each report; a scan
// more than half done at its first due time is left to finish quietly.
class ProgressSchedule {
public:
    explicit ProgressSchedule(std::uint64_t start) : due_(start + 500) {}
    bool due(std::uint64_t now, int percent) {
        if (now < due_ || (percent >= 50 && !reported_)) return false;
        reported_ = true;
        due_ = now + 1000;
        return true;
    }

private:
    std::uint64_t due_;
    bool reported_ = false;
};

// The cells of columns first .. last between the rows r - 1 and r.
void traceCells(const ScanJob& job, const ScanContext& ctx, const ScanRow& above,
                const ScanRow& row, int r, CellSpan cells) {
    const std::int8_t* s0 = above.sign.data();
    const std::int8_t* s1 = row.sign.data();
    const int last = cells.last;
    for (int c = cells.first; c <= last; ++c) {
        const std::size_t i = static_cast<std::size_t>(c + 1);
        if (c + 7 <= last && eightCellsOfOneSign(s0, s1, i)) {
            c += 7;
            continue;
        }
        if (s1[i] == undefinedSign) continue;
        const int sum = s1[i - 1] + s1[i] + s0[i - 1] + s0[i];
        if (std::abs(sum) > 3) continue;
        ScanCell cell;
        cell.c = c;
        cell.r = r;
        cell.scale = ctx.grid.scale;
        cell.sign = {s1[i - 1], s1[i], s0[i - 1], s0[i]};
        cell.value = {row.value[i - 1], row.value[i], above.value[i - 1], above.value[i]};
        const CellSegments found = traceCell(cell);
        for (int k = 0; k < found.count; ++k)
            job.lines->addSegment(found.segment[std::size_t(k)].first,
                                  found.segment[std::size_t(k)].second);
    }
}

void traceRow(const ScanJob& job, const ScanContext& ctx, const ScanRow& above, const ScanRow& row,
              int r) {
    if (!row.crossing) return traceCells(job, ctx, above, row, r, {0, ctx.grid.xLength + 1});
    for (const CellSpan& cells : *row.crossing) traceCells(job, ctx, above, row, r, cells);
}

// The bit each sign byte adds to the region, looked up so that the row is marked without a
// branch per pixel.
using SignMarks = std::array<std::uint8_t, 256>;

SignMarks signMarks(const ScanJob& job) {
    SignMarks marks{};
    for (const int s : {-1, 0, 1, static_cast<int>(undefinedSign)})
        if (signFits(job.op, s)) marks[static_cast<std::uint8_t>(s)] = job.bit;
    return marks;
}

void markRow(const SignMarks& marks, const ScanJob& job, const ScanContext& ctx, const ScanRow& row,
             int r) {
    std::uint8_t* bits = job.region->row(r);
    const std::int8_t* s = row.sign.data();
    const std::size_t last = static_cast<std::size_t>(ctx.grid.xLength + 2);
    for (std::size_t i = 1; i <= last; ++i) bits[i] |= marks[static_cast<std::uint8_t>(s[i])];
}

int percentDone(int r, int yLength) {
    const long p = std::lround(100.0 * (r + 1) / std::max(yLength, 1));
    return static_cast<int>(std::clamp(p, 0L, 100L));
}

} // namespace

ScanOutcome runRelationScan(const ScanJob& job, ScanContext& ctx, ScanBuffers& rows) {
    const ScanGeometry& grid = ctx.grid;
    rows.resize(grid.columns());
    const bool marks = isInequality(job.op) && job.region;
    const SignMarks signBits = signMarks(job);
    ProgressSchedule progress(ctx.hooks.tickCount());
    const ScanRow* above = nullptr;
    for (int r = -1; r <= grid.yLength + 1; ++r) {
        if (ctx.interrupted || ctx.hooks.dragLeftStep()) {
            ctx.interrupted = true;
            return ScanOutcome::Abandoned;
        }
        const ScanRow& row = job.source->row(r, rows);
        if (job.lines && r > -1) traceRow(job, ctx, *above, row, r);
        if (marks) markRow(signBits, job, ctx, row, r);
        above = &row;
        if (job.lines) job.lines->flushAbove((r - 1) * grid.scale);

        const int percent = percentDone(r, grid.yLength);
        if (!progress.due(ctx.hooks.tickCount(), percent)) continue;
        ctx.hooks.setCaption(scanProgressCaption(ctx.savedCaption, percent));
        if (job.progressCanvas && job.lines) {
            job.lines->paintProgress(*job.progressCanvas);
            ctx.hooks.repaint();
        }
        if (ctx.hooks.breakKeyHeld()) return ScanOutcome::Broken;
    }
    return ScanOutcome::Completed;
}

} // namespace tarlix
