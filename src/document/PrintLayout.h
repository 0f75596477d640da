#pragma once
// Where a picture lands on the printed page: its width a share of the page width, its height
// following, limited by the page height, optionally a whole multiple of the picture, centred
// across the page and a thirtieth of the page down from the top when it leaves room for that.

#include "platform/Canvas.h"

namespace tarlix {

// What copying and printing take (the settings' "CopyMode" and "PrintMode").
enum class CaptureMode : int {
    Graph = 0,         // the graph's drawing as a bitmap
    GraphWindow = 1,   // the graph window as the screen shows it
    DataPanel = 2,     // the data panel as the screen shows it
    WholeProgram = 3,  // both windows side by side
    VectorColour = 10, // the graph recorded at high resolution, in colour
    VectorBlackAndWhite = 11,
};
inline bool isVectorMode(CaptureMode m) {
    return m == CaptureMode::VectorColour || m == CaptureMode::VectorBlackAndWhite;
}

// The printed size, in printer pixels, of a picture on a page at percent of the page width;
// wholeMultiple scales the picture by a whole number instead.
Size printedSize(Size picture, Size page, int percent, bool wholeMultiple);

// The printed size placed on the page.
Rect printedPlace(Size picture, Size page, int percent, bool wholeMultiple);

} // namespace tarlix
