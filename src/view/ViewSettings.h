#pragma once
// The view-wide settings that a project file carries, held once for the view and the file's
// copy of it.

#include <cstdint>

namespace tarlix {

// The view's choices, numbered as project files and the settings store keep them.

// How the grid is drawn.
enum class GridStyle : std::uint8_t {
    Lines = 0,     // lines in the grid colour
    Crosses = 1,   // a mesh of crosses, in the darkened grid colour
    Dotted = 2,    // dotted lines
    DarkLines = 3, // lines in the darkened grid colour
};
// Where the tick values stand.
enum class TickLabelPlacement : std::uint8_t {
    Automatic = 0,
    BesideTicks = 1,
    AtCrossings = 2, // at the lower left of the grid crossings
};
// Cartesian axes, or a polar grid.
enum class AxisType : std::uint8_t { Cartesian = 0, Polar = 1 };

struct ViewSettings {
    bool equalScales = false;
    bool areaRectify = true;
    GridStyle gridStyle = GridStyle::Lines;
    std::uint8_t axisWidth = 1;
    std::uint8_t fontSize = 12;
    bool axisOn = false;
    TickLabelPlacement tickLabelPlacement = TickLabelPlacement::Automatic;
    AxisType axisType = AxisType::Cartesian;
    int thetaNum = 12;
};

} // namespace tarlix
