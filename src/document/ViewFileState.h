#pragma once
// The part of the view that a project file carries. A project is read into this plain copy
// first and reaches the view only when the whole file was read.

#include "expression/Value.h"

#include <cstdint>
#include <string>

namespace tarlix {

class View;
class Axis;

struct AxisFileState {
    int PixelStart = 0;
    int PixelLength = 400;
    std::string Caption;
    char Letter = 'x';
    bool AxesVisible = true;
    bool ScaleVisible = true;
    bool ValueVisible = true;
    bool GuideVisible = true;
    int Number = 7;
    Extended base = 1;
    int LInterval = 1;
    Extended High = 5;
    Extended Low = -5;
};

struct ViewFileState {
    AxisFileState X;
    AxisFileState Y;
    bool SquareQ = false;
    bool AreaRectify = true;
    std::uint8_t PsMesh = 0;
    std::uint8_t AxisWidth = 1;
    std::uint8_t FontSize = 12;
    bool AxisOn = false;
    std::uint8_t Letterposition = 0;
    std::uint8_t AxisType = 0;
    int ThetaNum = 12;
};

ViewFileState captureView(const View& view);
// Puts the state into the view and rebuilds both mappings and the plain captions.
void applyView(const ViewFileState& state, View& view);

} // namespace tarlix
