// The project's picture drawn straight onto a vector canvas (picture output): no layer images
// and no raster combinations, so that lines, hatching and text stay vector.

#include "render/ProjectPicture.h"
#include "render/axes/Axes.h"

namespace tarlix {

ProjectPicture::Rulers ProjectPicture::recordRulers(Canvas& measure, Surfaces& surfaces) const {
    const AxesStyle style = axesStyle();
    Rulers rulers;
    rulers.layout = rulerStripLayout(AxesTarget{view_, measure, style});
    rulers.pictures = recordRulerStrips(view_, style, surfaces, rulers.layout);
    return rulers;
}

void ProjectPicture::drawVector(Canvas& canvas) {
    updateDrawSettings();
    if (!afterimageStore_.empty()) replayAfterimages(canvas, nullptr);
    // A vector picture cannot invert what lies under it: the shading goes under the grid and
    // the objects.
    drawIntegralShading(canvas, OverlayInk::OnWhite);
    drawAxes(AxesTarget{view_, canvas, axesStyle()});
    drawFunctions(FunctionDrawing{view_, *buffer_, drawSettings_, &canvas},
                  project_.explicitFunctions);
    drawFiguresOf(canvas, ~FigureSet());
    SegmentScene scene{view_, view_.positions, project_, blackAndWhite_};
    scene.markup = &markup_;
    SegmentAfterimageBook book;
    drawSegments(SegmentsPass{&canvas}, scene, book);
    plotter_->settings() = relationSettingsOf(project_.settings, blackAndWhite_);
    drawRelationsVector(*plotter_, view_, &canvas, nullptr, relations_.entries(), false, false);
    drawHollowRings(view_, canvas, project_.figures, view_.positions, drawSettings_.blackAndWhite);
    drawOverlayMarkers(canvas, OverlayInk::OnWhite);
}

} // namespace tarlix
