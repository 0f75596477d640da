#pragma once
// The label of a connected figure, placed around its anchor as a point's label is.

#include "platform/Canvas.h"
#include "render/markup/MarkupEnv.h"
#include "view/View.h"

#include <string>

namespace tarlix {

// Draws text at one of the nine positions around anchor (0 or an empty text: nothing):
// 1 upper left, 2 lower left, 3 upper right, 4 lower right, 5 centred, 6 above, 7 below,
// 8 left, 9 right, as memo markup when an environment is given. Returns the top-left corner
// used.
Point drawSegmentLabel(Canvas& canvas, const View& view, int position, const std::string& text,
                       Point anchor, const MarkupEnv* markup = nullptr);

} // namespace tarlix
