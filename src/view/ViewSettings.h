#pragma once
// The view-wide settings that a project file carries, held once for the view and the file's
// copy of it.

#include <cstdint>

namespace tarlix {

struct ViewSettings {
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

} // namespace tarlix
