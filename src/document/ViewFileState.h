#pragma once
// The part of the view that a project file carries. A project is read into this plain copy
// first and reaches the view only when the whole file was read.

#include "view/AxisSettings.h"
#include "view/ViewSettings.h"

namespace tarlix {

class View;

struct ViewFileState : ViewSettings {
    AxisState x;
    AxisState y;
};

ViewFileState captureView(const View& view);
// Puts the state into the view and rebuilds both mappings and the plain captions.
void applyView(const ViewFileState& state, View& view);

} // namespace tarlix
