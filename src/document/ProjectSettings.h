#pragma once
// The project-wide settings that are neither engine settings (EngineSettings) nor part of the
// view (View), the memo style and text box places, and the state of the function-value and
// definite-integral windows.

#include "base/Store.h"
#include "expression/ExpressionRecords.h"

#include <cstdint>
#include <string>

namespace tarlix {

struct ProjectSettings {
    std::uint8_t ScanWidth = 4; // cell size of the relation scan: 1, 2, 4 or 8
    std::uint8_t CapStyle = 0;
    bool DrawOnDrag = false;
    bool DrawOnCalc = true;
    bool AimgOfArea = false;
    std::uint8_t DrawMode = 1; // the settings store's value replaces it at start and on New
    bool ShowSync = false;
    std::uint8_t AfterImageColorNo = 2;
    bool CanAImg = true;
    bool AreaFixed = false;
    bool DegreeFont = false; // the x axis labels carry a degree sign
    int BGstretchOn = 1;
    std::string BGfile; // without folder; empty: no background picture
    int AnimationPeriod = 80;
    // The graph window's buttons that show the pointer coordinates and the equation under it.
    bool ShowCoordinates = false;
    bool ShowEquation = false;
};

struct MemoStyle {
    std::uint8_t FrameStyle = 3; // 0 not shown .. 4
    std::uint32_t TextColor = 0xFF0000;
    std::uint8_t BackgroundColorNo = 0;
    std::uint8_t TextSize = 12;
};

// Where a memo text box control sits: docked in the data panel's memo area or on the graph.
struct MemoBoxPlace {
    int Left = 0;
    int Top = 0;
    bool Docked = true;
};
inline constexpr int kMemoBoxes = 11;

inline constexpr int kValueFunctions = 9;

struct ValueWindowState {
    Store<CompiledExpression, kValueFunctions> ValueFunctions; // initially "y1" .. "y9"
    CompiledExpression X; // initially "1"; Marked: marker drawn
};

struct IntegralWindowState {
    IntegralBounds Bounds; // initially "-1" and "1"; Marked: the bound's marker is drawn
    int Dfuncno = 1;       // the integrated function
    int Efuncno = 0;       // the second function, 0 none
    bool AreaQ = false;
};

} // namespace tarlix
