#pragma once
// The project-wide settings that are neither engine settings (EngineSettings) nor part of the
// view (View), the memo style and text box places, and the state of the function-value and
// definite-integral windows.

#include "base/Store.h"
#include "document/DocumentRecords.h"

#include <cstdint>
#include <string>

namespace tarlix {

// The DrawMode setting: how the samples of explicit functions become lines. Numbered as files
// and the settings store keep it; any other number draws as Automatic.
enum class FunctionDrawMode : std::uint8_t {
    Automatic = 1, // join samples, break at jumps ("Auto.")
    Connect = 2,   // join every defined sample ("Conectar")
    Dots = 3,      // a dot per sample ("Graficar")
};

// The CapStyle setting: how thick lines end. Numbered as files and the settings store keep it;
// any number other than 0 ends them flat.
enum class LineEnds : std::uint8_t { Round = 0, Flat = 1 };

struct ProjectSettings {
    std::uint8_t scanWidth = 4; // cell size of the relation scan: 1, 2, 4 or 8
    LineEnds capStyle = LineEnds::Round;
    bool drawWhileDragging = false;
    bool drawWhileComputing = true;
    bool afterimageFills = false;
    // The settings store's value replaces it at start and on New.
    FunctionDrawMode drawMode = FunctionDrawMode::Automatic;
    bool showSync = false;
    std::uint8_t afterimageColorIndex = 2;
    bool afterimagesOn = true;
    bool areaFixed = false;
    bool degreeFont = false; // the x axis labels carry a degree sign
    int backgroundStretch = 1;
    // The picture's path, the system's bytes; the project file keeps only its name, as
    // single-byte text. Empty: no background picture (or one from the clipboard).
    std::string backgroundFile;
    int animationPeriod = 80;
    // The graph window's buttons that show the pointer coordinates and the equation under it.
    bool showCoordinates = false;
    bool showEquation = false;
};

struct MemoStyle {
    std::uint8_t frameStyle = 3; // 0 not shown .. 4
    std::uint32_t textColor = 0xFF0000;
    std::uint8_t backgroundColorIndex = 0;
    std::uint8_t textSize = 12;
};

// Where a memo text box control sits: docked in the data panel's memo area or on the graph.
struct MemoBoxPlace {
    int left = 0;
    int top = 0;
    bool docked = true;
};
inline constexpr int kMemoBoxes = 11;

inline constexpr int kValueFunctions = 9;

struct ValueWindowState {
    Store<CompiledExpression, kValueFunctions> valueFunctions; // initially "y1" .. "y9"
    CompiledExpression x; // initially "1"; Marked: marker drawn
};

struct IntegralWindowState {
    IntegralBounds bounds;      // initially "-1" and "1"; Marked: the bound's marker is drawn
    int integratedFunction = 1; // the integrated function
    int secondFunction = 0;     // the second function, 0 none
    bool areaMode = false;
};

} // namespace tarlix
