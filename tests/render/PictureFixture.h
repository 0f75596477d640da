#pragma once
// A project with its picture, drawn on a recording canvas: the lines that show on it.

#include "document/ProjectFixture.h"
#include "platform/RecordingCanvas.h"
#include "platform/RecordingPicture.h"
#include "render/ProjectPicture.h"

#include <vector>

namespace tarlix::testing {

struct PictureTest : ProjectTest {
    ProjectPicture picture{doc};
    std::vector<std::vector<Point>> drawn() {
        picture.recompute();
        RecordingCanvas canvas(view.xAxis.pixelLength, view.yAxis.pixelLength);
        RecordingSurfaces surfaces;
        picture.draw(canvas, surfaces);
        return canvas.shownPolylines();
    }
};

} // namespace tarlix::testing
