#pragma once
// The options dialog's copy of the settings it edits: the drawing size and area, the axes and
// grid, the drawing behaviour and the expression language. The dialog fills it from the
// document, changes it as the user works, and hands it to confirmOptions on OK; the document
// is untouched until then, so Cancel only drops the copy.

#include "document/Document.h"
#include "document/NewObjectDefaults.h"
#include "document/ProjectSettings.h"
#include "expression/EngineSettings.h"
#include "view/ViewSettings.h"

#include <string>

namespace tarlix {

inline constexpr int kMinDrawingSize = 150;
inline constexpr int kMaxDrawingSize = 1400;
inline constexpr const char* kMsgDrawingSize = "Tama\xF1o de ventana  150 * 1400";
inline constexpr const char* kMsgInvalidArea = "Tama\xF1o inv\xE1lido de ventana";
inline constexpr const char* kMsgDegreesInComplexMode =
    "\"Grados\" no pueden ser usados en modo de complejos";

// One axis on the scale page; the range and base stay text until OK checks them.
struct AxisOptions {
    bool operator==(const AxisOptions&) const = default;

    bool guideVisible = true; // "Escala": the tick marks
    bool scaleVisible = true; // "Líneas": grid lines across the drawing
    bool valueVisible = true; // "Letras": tick values
    bool axesVisible = true;  // "Ejes": the axis line and its caption
    std::string caption;
    std::string baseText = "1";
    std::string lowText = "-5";
    std::string highText = "5";
};

struct OptionsForm {
    bool operator==(const OptionsForm&) const = default;

    // The area page; sizes are text as typed.
    std::string widthText = "400";
    std::string heightText = "400";
    bool areaFixed = false;  // a resized window stretches the graph
    bool areaRectify = true; // grid positions fall on whole pixels
    // The scale page.
    AxisOptions x;
    AxisOptions y;
    bool degreeFont = false;
    bool thetaIsHorizontal = false; // the horizontal variable is theta instead of x
    AxisType axisType = AxisType::Cartesian;
    GridStyle gridStyle = GridStyle::Lines;
    int axisWidth = 1;
    TickLabelPlacement tickLabelPlacement = TickLabelPlacement::Automatic;
    int fontSize = 12;
    // The drawing page.
    bool showSync = false;
    bool drawWhileDragging = false;
    bool drawWhileComputing = true;
    bool showProperty = true;
    bool afterimageFills = false;
    int scanWidth = 4;
    FunctionDrawMode drawMode = FunctionDrawMode::Automatic;
    int afterimageColorIndex = 2;
    LineEnds capStyle = LineEnds::Round;
    // The function page.
    CircleMode circleMode = CircleMode::NegativeRadiusAllowed;
    bool complexMode = false;
    bool allowSqrtN = false;
    ThetaMode thetaMode = ThetaMode::PolarAngle;
    LogMode logMode = LogMode::Natural;
    AngleMode angleMode = AngleMode::Radians;
    AngleArea angleArea = AngleArea::ZeroToTwoPi;
};

// The settings as the document and the new-object defaults hold them now.
OptionsForm readOptions(const Document& ctx, const NewObjectDefaults& objects);

// The first page's presets of range, base, angle unit and grid.
enum class OptionsPreset { Standard, HalfPi, Degrees, Polar };
// Writes the preset into the form; choosing degrees there obeys chooseAngleUnit.
void applyPreset(OptionsForm& form, OptionsPreset preset, char decimalChar, MessageBox& messages);

// Degrees and complex mode exclude each other: choosing one while the other is on warns and
// turns the other off. Each returns false when it had to warn.
bool chooseAngleUnit(OptionsForm& form, AngleMode mode, MessageBox& messages);
bool chooseComplexMode(OptionsForm& form, bool on, MessageBox& messages);

// The "Inicializar" button of each page returns that page to the program's initial settings.
void resetAreaPage(OptionsForm& form, char decimalChar);
void resetScalePage(OptionsForm& form);
void resetDrawingPage(OptionsForm& form);
void resetFunctionPage(OptionsForm& form);

// OK: checks the bases, the size and the area, showing the message of the first that fails
// and changing nothing; otherwise one undo step, every page applied, what it affects compiled
// and marked, modified set and the picture redrawn. True when applied.
bool confirmOptions(Document& ctx, NewObjectDefaults& objects, const OptionsForm& form);

} // namespace tarlix
