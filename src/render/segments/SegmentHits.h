#pragma once
// Finding connected figures: the one drawn under the mouse and the one through a figure. Later
// figures are drawn over earlier ones, so both look from the last down.

#include "render/segments/SegmentScene.h"

namespace tarlix {

// The highest index whose vertices include the figure (1..22, or an axis), or 0.
int segmentWithVertex(const SegmentStore& segments, int figure);

// The highest index of a visible connected figure whose drawing passes within 4 pixels of
// (px, py) as its kind counts it, or 0.
int segmentAt(const SegmentScene& scene, int px, int py);

} // namespace tarlix
