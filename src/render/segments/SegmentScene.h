#pragma once
// What drawing and hit-testing the connected figures read: the view, the figure positions the
// vertices stand on, the figures' visibility and the settings that shape the drawing. The
// redraw builds one from the project and the positions it evaluated; the afterimage replay
// builds one from a snapshot's positions.

#include "document/Project.h"
#include "expression/eval/RowCaches.h"
#include "render/LineStyle.h"
#include "render/markup/MarkupEnv.h"
#include "view/View.h"

namespace tarlix {

using FigurePositions = Store<FigurePosition, figureCount>;

struct SegmentScene {
    const View& view;
    const FigurePositions& positions;
    const Project& project;
    // Black-and-white output: colours become black, grey or white.
    bool blackAndWhite = false;
    // Labels as memo markup; none: as plain text.
    const MarkupEnv* markup = nullptr;

    const SegmentStore& segments() const { return project.segments; }
    const SegmentRecord& segment(int index) const { return project.segments[index]; }
    int outputScale() const { return view.xAxis.outputScale; }
    LineDrawOptions lineOptions() const {
        return {project.settings.capStyle != LineEnds::Round, project.settings.afterimageFills};
    }
};

} // namespace tarlix
