#include "render/relation/RelationScan.h"

#include "render/relation/MarchingSquares.h"

#include <algorithm>
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

std::uint64_t eightSigns(const std::int8_t* s) {
    std::uint64_t word;
    std::memcpy(&word, s, sizeof word);
    return word;
}

// The eight cells of columns i - 1 .. i + 6 (at indices i .. i + 7) have their corners at
// indices i - 1 .. i + 7 of both rows; they cannot cross zero when those are all 1 or all -1.
bool eightCellsOfOneSign(const std::int8_t* s0, const std::int8_t* s1, std::size_t i) {
    constexpr std::uint64_t allPlus = 0x0101010101010101ULL, allMinus = ~std::uint64_t(0);
    const std::uint64_t w = eightSigns(s1 + i - 1);
    return (w == allPlus || w == allMinus) && eightSigns(s1 + i) == w &&
           eightSigns(s0 + i - 1) == w && eightSigns(s0 + i) == w;
}

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

void markRow(const ScanJob& job, const ScanContext& ctx, const ScanRow& row, int r) {
    std::uint8_t* bits = job.region->row(r);
    const std::int8_t* s = row.sign.data();
    const int last = ctx.grid.xLength + 1;
    for (int c = 0; c <= last; ++c) {
        const std::size_t i = static_cast<std::size_t>(c + 1);
        if (signFits(job.op, s[i])) bits[i] |= job.bit;
    }
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
    ProgressSchedule progress(ctx.hooks.tickCount());
    const ScanRow* above = nullptr;
    for (int r = -1; r <= grid.yLength + 1; ++r) {
        if (ctx.interrupted || ctx.hooks.dragLeftStep()) {
            ctx.interrupted = true;
            return ScanOutcome::Abandoned;
        }
        const ScanRow& row = job.source->row(r, rows);
        if (job.lines && r > -1) traceRow(job, ctx, *above, row, r);
        if (marks) markRow(job, ctx, row, r);
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
