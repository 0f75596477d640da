#pragma once
// What a view reset reads from outside: the stored default view (ranges, axis settings and
// aspect) and the sizes of the graph window's drawing area.

#include "expression/Value.h"

#include <optional>
#include <string>

namespace tarlix {

// The axis settings a user may have stored as defaults.
struct AxisStoredSettings {
    bool AxesVisible = true;
    bool ScaleVisible = true;
    bool ValueVisible = true;
    bool GuideVisible = true;
    int Number = 7;
    Extended base = 1;
    int LInterval = 1;
    std::string Caption;
    std::string SCaption;
    char Letter = 0; // 0 keeps the axis's own letter
};

struct AxisDefaults {
    Extended High = 5;
    Extended Low = -5;
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
    Extended StoredAspect = 1; // y/x scale ratio of the stored view; 1 when none is stored
    DrawingSizes sizes;
};

} // namespace tarlix
