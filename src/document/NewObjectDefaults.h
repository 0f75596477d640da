#pragma once
// The attributes new objects start with, and the marker pen of the graph window. Built-in
// values first; the settings store overwrites them at start-up and for every new project.

#include "document/DocumentRecords.h"

#include <cstdint>

namespace tarlix {

struct PenDefaults {
    std::uint32_t color = 0xFF0000;
    int width = 2;
    int lineStyle = 1;
};

struct FigureDefaults {
    std::uint32_t pointColor = 0xFF0000;
    int pointWidth = 3;
    std::uint32_t lineColor = 0xFF0000;
    int lineWidth = 1;
    int lineStyle = 1;
    FigureNotation dimension = FigureNotation::Coordinates;
};

struct NewObjectDefaults {
    PenDefaults graph;   // functions and relations
    PenDefaults segment; // connected figures
    FigureDefaults figure;
    int markerColorIndex = 0; // the marking pen of the graph window
    int markerSize = 3;
    bool showProperty = true; // open the property dialog after drawing an object with the mouse
};

} // namespace tarlix
