#pragma once
// The two ruler strips beside the drawing area: where they stand, how large they are, and their
// pictures. A strip is shown when its axis is drawn as a ruler, either because the axes are put
// outside the area or because the axis line would fall outside the view.

#include "platform/Canvas.h"
#include "render/axes/AxesStyle.h"

#include <memory>

namespace tarlix {

struct RulerStripLayout {
    bool yShown = false;
    bool xShown = false;
    bool yRight = false; // the y strip stands right of the area: x = 0 lies right of the view
    bool xAbove = false; // the x strip stands above the area: y = 0 lies above the view
    int yStripWidth = 20;
    int xStripHeight = 20;
};

// Whether the y axis is drawn in its ruler strip.
bool showsYRuler(const View& view);
// Whether the x axis is drawn in its ruler strip.
bool showsXRuler(const View& view);

// The strips' visibility, sides and sizes; the canvas measures the y values.
RulerStripLayout rulerStripLayout(const AxesTarget& target);

struct RulerStripPictures {
    std::unique_ptr<Picture> x; // none when the strip is hidden
    std::unique_ptr<Picture> y;
};

// Records each shown strip into a picture one scaled pixel smaller than the strip each way.
RulerStripPictures recordRulerStrips(const View& view, const AxesStyle& style, Surfaces& surfaces,
                                     const RulerStripLayout& layout);

// A strip as the screen shows it: light grey, with the strip's picture stretched over it.
std::unique_ptr<Canvas> rulerStripImage(Surfaces& surfaces, const Picture& picture, int width,
                                        int height);

// A picture for output with the shown rulers beside it, 5 pixels away, on the sides of the
// origin; null when no ruler is shown.
std::unique_ptr<Canvas> composeWithRulers(Surfaces& surfaces, const Canvas& drawn,
                                          const RulerStripLayout& layout,
                                          const RulerStripPictures& rulers);

constexpr Color kRulerStripColor = rgbColor(224, 224, 224);

} // namespace tarlix
