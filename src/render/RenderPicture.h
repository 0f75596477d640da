#pragma once
// The whole picture of a project as one recorded vector picture, for output beside the screen
// (vector files, and printing, which enlarges it): the drawing at the output scale with the
// ruler strips placed beside it, and the size it stands for on paper.

#include "platform/Canvas.h"
#include "render/ProjectPicture.h"

#include <memory>

namespace tarlix {

// The screen resolution output is measured against: a picture at scale 1 has the size it has
// on screen.
inline constexpr int screenDotsPerInch = 96;

struct RenderedPicture {
    std::unique_ptr<Picture> picture; // the drawing and its rulers, recorded
    Size size;                        // in output pixels
    int dotsPerInch = screenDotsPerInch;

    // The physical size in millimetres.
    double widthMillimetres() const { return size.width * 25.4 / dotsPerInch; }
    double heightMillimetres() const { return size.height * 25.4 / dotsPerInch; }
    // The physical size follows another resolution (0: the screen's) while the picture keeps
    // its pixels, as when a picture is made for a printer of that resolution.
    void setResolution(int dpi) { dotsPerInch = dpi > 0 ? dpi : screenDotsPerInch; }
};

// Records the project's picture (recomputed beforehand) enlarged by scale: lines, points and
// text grow with it, and the rulers shown beside the drawing with them. Its resolution is
// scale times the screen's, so that the physical size is the one on screen. The view's
// output scale is 1 again afterwards.
RenderedPicture renderPicture(ProjectPicture& picture, View& view, Surfaces& surfaces, int scale);

} // namespace tarlix
