#pragma once
// The scan of one relation part over the grid, row by row from -1 to the last row: signs of f,
// cells crossing the zero set traced into the joiner, region pixels marked for inequalities,
// progress in the caption and the breaks of the user.

#include "platform/Canvas.h"
#include "render/SegmentJoiner.h"
#include "render/relation/RegionBitmap.h"
#include "render/relation/RelationTypes.h"
#include "render/relation/ScanGeometry.h"
#include "render/relation/ScanHooks.h"
#include "render/relation/ScanRows.h"

#include <cstdint>
#include <string>

namespace tarlix {

enum class ScanOutcome {
    Completed,
    Broken,    // F1 or Escape: the lines found so far are kept
    Abandoned, // interrupted by a drag: the relation is dropped
};

struct ScanJob {
    ScanRowSource* source = nullptr;
    RelationOp op = RelationOp::Equal;
    std::uint8_t bit = 1;
    RegionBitmap* region = nullptr; // marked for inequalities
    SegmentJoiner* lines = nullptr; // null: the region only
    // The layer image that shows the lines found so far at each report; null for none.
    Canvas* progressCanvas = nullptr;
};

struct ScanContext {
    const ScanGeometry& grid;
    bool& interrupted; // the view's flag, shared by the relations of one redraw
    RelationScanHooks& hooks;
    std::string savedCaption;
};

ScanOutcome runRelationScan(const ScanJob& job, ScanContext& context, ScanBuffers& rows);

} // namespace tarlix
