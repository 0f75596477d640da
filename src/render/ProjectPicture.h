#pragma once
// The picture of the project as the graph window and the headless tool show it: the objects
// marked dirty are recomputed (the rest keep their samples), then the axes and the objects are
// drawn on a canvas. Computation fills the view's caches; drawing only reads them.

#include "document/Project.h"
#include "expression/eval/ParameterValues.h"
#include "expression/functions/Random.h"
#include "render/PolylineBuffer.h"
#include "render/RedrawState.h"
#include "render/Scale.h"
#include "render/explicit/DrawFunction.h"

#include <memory>

namespace tarlix {

class ProjectPicture {
public:
    ProjectPicture(Project& project, ScaleT& view, RedrawState& redraw);

    // Recomputes every object whose token is dirty (all of them after the view's mapping
    // changed) and clears the redraw state.
    void recompute();
    // Draws the picture from the current samples.
    void draw(Canvas& canvas);

    FunctionDrawSettings& drawSettings() { return drawSettings_; }
    // Every object is computed afresh at the next recompute (a new or loaded project).
    void markEverythingDirty();

private:
    Project& project_;
    ScaleT& view_;
    RedrawState& redraw_;
    ParameterValues parameters_;
    RandomState random_;
    FunctionDrawSettings drawSettings_;
    std::unique_ptr<TVPolyLine> buffer_;
};

} // namespace tarlix
