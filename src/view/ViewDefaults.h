#pragma once
// What a view reset reads from outside: the stored default view (ranges, axis settings and
// aspect) and the sizes of the graph window's drawing area.

#include "expression/Value.h"
#include "view/AxisSettings.h"

#include <optional>

namespace tarlix {

// The axis settings a user may have stored as defaults; a Letter of 0 keeps the axis's own.
struct AxisStoredSettings : AxisSettings {
    AxisStoredSettings() { letter = 0; }
};

struct AxisDefaults {
    Extended high = 5;
    Extended low = -5;
    std::optional<AxisStoredSettings> stored;
};

// The graph window's sizes from which the axes take their pixel lengths.
struct DrawingSizes {
    int width = 400;
    int height = 400;
    bool controlPaletteInside = true; // otherwise the reserve is taken off the height
    int screenWidth = 1920;
    int dataPanelWidth = 0;
};

struct ViewDefaults {
    AxisDefaults x;
    AxisDefaults y;
    Extended storedAspect = 1; // y/x scale ratio of the stored view; 1 when none is stored
    DrawingSizes sizes;
};

} // namespace tarlix
