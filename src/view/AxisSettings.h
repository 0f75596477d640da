#pragma once
// The settings of one axis that a project file carries and a user may store as defaults, held
// once: the axis, the file's copy of the view and the stored defaults all build on them.

#include "expression/Value.h"

#include <string>

namespace tarlix {

// Ticks, labels and captions of one axis.
struct AxisSettings {
    bool axesVisible = true;
    bool scaleVisible = true;
    bool valueVisible = true;
    bool guideVisible = true;
    int divisions = 7;     // wanted divisions, 1..40; 0 means no ticks
    int labelInterval = 1; // a value label at every labelInterval-th tick
    Extended base = 1;
    std::string caption;
    std::string captionText;
    char letter = 'x';
};

// The settings with the axis's place on the screen and its range: what a project file holds
// of one axis.
struct AxisState : AxisSettings {
    int pixelStart = 0;
    int pixelLength = 400;
    Extended low = -5;
    Extended high = 5;
};

} // namespace tarlix
