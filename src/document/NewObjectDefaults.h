#pragma once
// The attributes new objects start with, and the marker pen of the graph window. Built-in
// values first; the settings store overwrites them at start-up and for every new project.

#include <cstdint>

namespace tarlix {

struct PenDefaults {
    std::uint32_t Color = 0xFF0000;
    int Width = 2;
    int LineStyle = 1;
};

struct FigureDefaults {
    std::uint32_t PointColor = 0xFF0000;
    int PointWidth = 3;
    std::uint32_t LineColor = 0xFF0000;
    int LineWidth = 1;
    int LineStyle = 1;
    int Dimension = 1;
};

struct NewObjectDefaults {
    PenDefaults Graph;   // functions and relations
    PenDefaults Segment; // connected figures
    FigureDefaults Figure;
    int MarkerColorNo = 0; // the marking pen of the graph window
    int MarkerSize = 3;
    bool ShowProperty = true; // open the property dialog after drawing an object with the mouse
};

} // namespace tarlix
