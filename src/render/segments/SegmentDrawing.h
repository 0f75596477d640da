#pragma once
// Drawing the connected figures on the picture and on the afterimage layer. On the picture a
// figure has its own colours, fill and label; on the afterimage layer it takes the afterimage
// colour of its pen (its fill too when fills leave afterimages) and no label.

#include "platform/Canvas.h"
#include "render/segments/SegmentScene.h"

namespace tarlix {

// The colours a connected figure left in the afterimage layer at the last drawing, so that the
// layered redraw can fade or wipe it; white when it left nothing.
struct SegmentAfterimageColours {
    Color pen = kWhite;
    Color fill = kWhite;
    friend bool operator==(const SegmentAfterimageColours&,
                           const SegmentAfterimageColours&) = default;
};

class SegmentAfterimageBook {
public:
    const SegmentAfterimageColours& operator[](int index) const { return colours_[index]; }
    void record(int index, SegmentAfterimageColours c) { colours_[index] = c; }
    void clear();
    // Connected figure index was deleted: the later ones move down one place with their
    // colours and the freed last slot (count, before the deletion) leaves nothing.
    void removed(int index, int count);

private:
    Store<SegmentAfterimageColours, kSegments> colours_;
};

// Draws connected figure index when it is visible and can be built. full: on the picture, in
// its colours and with its label; otherwise in afterimage colours. True when it was drawn.
bool drawSegment(Canvas& canvas, const SegmentScene& scene, int index, bool full);

// Where one pass over every connected figure goes: the picture (skipped in a pass that only
// feeds the afterimage layer) and the afterimage layer (none: not drawn), which receives the
// figures whose afterimage flag is set, or all of them when forced.
struct SegmentsPass {
    Canvas* canvas = nullptr;
    Canvas* afterimageCanvas = nullptr;
    bool skipMain = false;
    bool forceAfterimage = false;
};

// Draws every connected figure as the pass says; the book starts empty and receives the colours
// of every figure drawn into the afterimage layer.
void drawSegments(const SegmentsPass& pass, const SegmentScene& scene, SegmentAfterimageBook& book);

// Draws into the afterimage layer only the connected figures whose afterimage flag is set.
void drawSegmentsAfterimage(Canvas& canvas, const SegmentScene& scene);

} // namespace tarlix
