#pragma once
// Draws one relation: each part by its fastest sound path (explicit, closed-form conic,
// interpolation tables or the generic scan), its boundary through the joiner and its region
// hatched. Holds the buffers of the drawing, sized from the view and reused between relations.

#include "platform/Canvas.h"
#include "render/PolylineBuffer.h"
#include "render/SegmentJoiner.h"
#include "render/relation/ConicSolver.h"
#include "render/relation/InterpolationTables.h"
#include "render/relation/RegionBitmap.h"
#include "render/relation/RelationScan.h"
#include "render/relation/RelationTypes.h"
#include "render/relation/ScanGeometry.h"
#include "render/relation/ScanHooks.h"

#include <cstdint>
#include <memory>

namespace tarlix {

class View;

// Where and how an explicit part is drawn: the canvases (null when not drawn on) with the
// boundary colours and pen of the part, and the region bits it marks.
struct ExplicitPartDrawing {
    View& view;
    const ScanGeometry& grid;
    PolylineBuffer& buffer;
    RegionBitmap& region;
    std::uint8_t bit = 1;
    Canvas* main = nullptr;
    Canvas* second = nullptr;
    Color mainColour = kBlack;
    Color secondColour = kBlack;
    int width = 1; // unscaled
    int lineStyle = 1;
    bool drawsLines = true;
    LineDrawOptions options{};
};

// Draws a part y op g(x) as an explicit function (batch evaluation over the columns, domain
// edges refined) and marks the region above or below it in the bitmap for inequalities. Until
// one is given, such parts go through the generic scan, which draws the same curve.
class ExplicitRelationPlotter {
public:
    virtual ~ExplicitRelationPlotter() = default;
    // Returns false to fall back to the scan.
    virtual bool drawExplicitPart(const RelationPart& part, const ExplicitPartDrawing& d) = 0;
};

struct RelationCanvases {
    Canvas* main = nullptr;       // the layer image, or the picture in vector output
    Canvas* afterimage = nullptr; // the afterimage canvas, if any
    bool skipMain = false;
    bool forceAfterimage = false;
    bool vector = false; // vector output: hatching as segments, no partial repaint
};

enum class RelationMode { Explicit, Generic, Polynomial, Quadratic };

class RelationPlotter {
public:
    RelationPlotter(const RelationSettings& settings, RelationScanHooks& hooks,
                    ExplicitRelationPlotter* explicitPlotter = nullptr);

    // Clears the region, draws every part (up to eight) and hatches the region. A break by
    // the user keeps what was found; an interruption by a drag drops the relation.
    ScanOutcome drawRelation(View& view, const RelationCanvases& canvases,
                             const RelationStyle& style, const RelationParts& relation);

    const RegionBitmap& region() const { return region_; }
    RelationMode lastMode() const { return lastMode_; }
    RelationSettings& settings() { return settings_; }

private:
    // Draws one part with the given bit on the grid and region of the current relation.
    ScanOutcome drawRelationPart(View& view, const RelationCanvases& canvases,
                                 const RelationStyle& style, const RelationPart& part,
                                 std::uint8_t bit);

    struct Pens {
        bool drawSecond = false;
        bool drawsLines = false;
        LineDrawOptions options;
    };
    Pens setBoundaryPens(const RelationCanvases& canvases, const RelationStyle& style,
                         RelationOp op, int outputScale) const;
    bool drawExplicit(View& view, const RelationCanvases& canvases, const RelationStyle& style,
                      const RelationPart& part, std::uint8_t bit, const Pens& pens);
    RelationMode chooseMode(const RelationPart& part, const RelationStyle& style, const View& view);
    ScanOutcome scan(View& view, const RelationCanvases& canvases, const RelationPart& part,
                     std::uint8_t bit, const Pens& pens, RelationMode mode,
                     const std::string& caption);
    void fill(const RelationCanvases& canvases, const RelationStyle& style,
              const RelationParts& relation, int outputScale);

    RelationSettings settings_;
    RelationScanHooks& hooks_;
    ExplicitRelationPlotter* explicit_;
    RelationMode lastMode_ = RelationMode::Generic;

    ScanGeometry grid_;
    RegionBitmap region_;
    ScanBuffers rows_;
    SegmentJoiner lines_;
    std::unique_ptr<PolylineBuffer> buffer_;
    InterpolationTables tables_;
    ConicCoefficients conic_;
};

} // namespace tarlix
