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
    int pixelStart = 0;
    int pixelLength = 400;
    std::string caption;
    char letter = 'x';
    bool axesVisible = true;
    bool scaleVisible = true;
    bool valueVisible = true;
    bool guideVisible = true;
    int divisions = 7;
    Extended base = 1;
    int labelInterval = 1;
    Extended high = 5;
    Extended low = -5;
};

struct ViewFileState {
    AxisFileState x;
    AxisFileState y;
    bool equalScales = false;
    bool areaRectify = true;
    std::uint8_t gridStyle = 0;
    std::uint8_t axisWidth = 1;
    std::uint8_t fontSize = 12;
    bool axisOn = false;
    std::uint8_t tickLabelPlacement = 0;
    std::uint8_t axisType = 0;
    int thetaNum = 12;
};

ViewFileState captureView(const View& view);
// Puts the state into the view and rebuilds both mappings and the plain captions.
void applyView(const ViewFileState& state, View& view);

} // namespace tarlix
