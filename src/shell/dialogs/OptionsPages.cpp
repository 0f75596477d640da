// The options dialog's scale, drawing and function pages.

#include "shell/ShownTexts.h"
#include "shell/dialogs/OptionsDialog.h"

#include <QButtonGroup>
#include <QCheckBox>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QSpinBox>
#include <QVBoxLayout>

namespace tarlix {

QWidget* OptionsDialog::scalePage() {
    auto* page = new QWidget(this);
    auto* layout = new QVBoxLayout(page);
    auto* axes = new QHBoxLayout;
    layout->addLayout(axes);
    axes->addWidget(axisGroup(&OptionsForm::x, true));
    axes->addWidget(axisGroup(&OptionsForm::y, false));
    layout->addWidget(scaleStyleGroups());
    layout->addStretch();
    addResetButton(layout, "btnInit2", [](OptionsForm& f) { resetScalePage(f); });
    return page;
}

QWidget* OptionsDialog::axisGroup(AxisOptions OptionsForm::*axis, bool horizontal) {
    QBoxLayout* layout = nullptr;
    QGroupBox* box =
        titledGroup(horizontal ? "Options.xAxis" : "Options.yAxis", this, layout, true);
    const auto flag = [this, axis](bool AxisOptions::*f) {
        return [this, axis, f]() -> bool& { return (form_.*axis).*f; };
    };
    const char* names[][4] = {{"cbXscale", "CheckXScale", "CheckXValue", "CheckXAxes"},
                              {"cbYScale", "CheckYScale", "CheckYValue", "CheckYAxes"}};
    const char* const* n = names[horizontal ? 0 : 1];
    addCheck(layout, n[0], "Options.ticks", flag(&AxisOptions::guideVisible));
    addCheck(layout, n[1], "Options.gridLines", flag(&AxisOptions::scaleVisible));
    addCheck(layout, n[2], "Options.tickValues", flag(&AxisOptions::valueVisible));
    addCheck(layout, n[3], "Options.axisLine", flag(&AxisOptions::axesVisible));
    layout->addWidget(new QLabel(shownText("Options.caption"), box));
    addEdit(layout, horizontal ? "EditLx" : "EditLy",
            [this, axis]() -> std::string& { return (form_.*axis).caption; });
    layout->addWidget(new QLabel(shownText("Options.base"), box));
    addBaseBox(layout, horizontal ? "EditX" : "Edity",
               [this, axis]() -> std::string& { return (form_.*axis).baseText; });
    if (!horizontal) return box;
    addCheck(layout, "cbDegree", "Options.degreeMark", [this]() -> bool& {
        return form_.degreeFont;
    })->setToolTip(shownText("Options.degreeMarkHint"));
    auto* letterRow = new QWidget(box);
    auto* letters = new QHBoxLayout(letterRow);
    letters->setContentsMargins(0, 0, 0, 0);
    addChoices<bool>(letters, {{"sbVLX", "Options.letterX"}, {"sbVLT", "Options.letterTheta"}},
                     {false, true}, [this]() -> bool& { return form_.thetaIsHorizontal; });
    letterRow->setToolTip(shownText("Options.letterHint"));
    layout->addWidget(letterRow);
    return box;
}

QWidget* OptionsDialog::scaleStyleGroups() {
    auto* holder = new QWidget(this);
    auto* layout = new QVBoxLayout(holder);
    layout->setContentsMargins(0, 0, 0, 0);
    QBoxLayout* l = nullptr;
    layout->addWidget(titledGroup("Options.typeGroup", holder, l));
    addChoices<AxisType>(l, {{"sbCartesian", "Options.cartesian"}, {"sbPolar", "Options.polar"}},
                         {AxisType::Cartesian, AxisType::Polar},
                         [this]() -> AxisType& { return form_.axisType; });
    layout->addWidget(titledGroup("Options.gridGroup", holder, l));
    addChoices<GridStyle>(
        l,
        {{"sbGrid0", "Options.gridLinesStyle"},
         {"sbGrid1", "Options.gridCrosses"},
         {"sbGrid2", "Options.gridDotted"},
         {"sbGrid3", "Options.gridDark"}},
        {GridStyle::Lines, GridStyle::Crosses, GridStyle::Dotted, GridStyle::DarkLines},
        [this]() -> GridStyle& { return form_.gridStyle; });
    layout->addWidget(titledGroup("Options.axesGroup", holder, l));
    addChoices<int>(
        l, {{"sbAxis1", "Options.one"}, {"sbAxis2", "Options.two"}, {"sbAxis3", "Options.three"}},
        {1, 2, 3}, [this]() -> int& { return form_.axisWidth; });
    layout->addWidget(titledGroup("Options.placeGroup", holder, l));
    addChoices<TickLabelPlacement>(
        l,
        {{"sbPlace0", "Options.placeAuto"},
         {"sbPlace1", "Options.placeBeside"},
         {"sbPlace2", "Options.placeCrossing"}},
        {TickLabelPlacement::Automatic, TickLabelPlacement::BesideTicks,
         TickLabelPlacement::AtCrossings},
        [this]() -> TickLabelPlacement& { return form_.tickLabelPlacement; });
    auto* sizeRow = new QHBoxLayout;
    layout->addLayout(sizeRow);
    sizeRow->addWidget(new QLabel(shownText("Options.labelSize"), holder));
    auto* size = new QSpinBox(holder);
    size->setObjectName("SpinSize");
    size->setRange(6, 72);
    connect(size, &QSpinBox::valueChanged, this, [this](int v) { form_.fontSize = v; });
    refreshers_.push_back([this, size] { size->setValue(form_.fontSize); });
    sizeRow->addWidget(size);
    sizeRow->addStretch();
    return holder;
}

QWidget* OptionsDialog::drawingPage() {
    auto* page = new QWidget(this);
    auto* layout = new QVBoxLayout(page);
    addCheck(layout, "cbShowSync", "Options.showSync",
             [this]() -> bool& { return form_.showSync; });
    addCheck(layout, "cbDrawOnDrag", "Options.drawOnDrag",
             [this]() -> bool& { return form_.drawWhileDragging; });
    addCheck(layout, "cbDrawOnCalc", "Options.drawOnCalc",
             [this]() -> bool& { return form_.drawWhileComputing; });
    addCheck(layout, "cbShowProperty", "Options.showProperty",
             [this]() -> bool& { return form_.showProperty; });
    addCheck(layout, "cbAimgOfPaint", "Options.afterimageFills",
             [this]() -> bool& { return form_.afterimageFills; });
    layout->addWidget(drawingChoiceGroups());
    layout->addStretch();
    addResetButton(layout, "btnInit3", [](OptionsForm& f) { resetDrawingPage(f); });
    return page;
}

QWidget* OptionsDialog::drawingChoiceGroups() {
    auto* holder = new QWidget(this);
    auto* layout = new QVBoxLayout(holder);
    layout->setContentsMargins(0, 0, 0, 0);
    QBoxLayout* l = nullptr;
    layout->addWidget(titledGroup("Options.scanGroup", holder, l));
    addChoices<int>(l,
                    {{"sbScan1", "Options.scan1"},
                     {"sbScan2", "Options.scan2"},
                     {"sbScan4", "Options.scan4"},
                     {"sbScan8", "Options.scan8"}},
                    {1, 2, 4, 8}, [this]() -> int& { return form_.scanWidth; });
    layout->addWidget(titledGroup("Options.drawGroup", holder, l));
    addChoices<FunctionDrawMode>(
        l,
        {{"sbDrawF0", "Options.drawAuto"},
         {"sbDrawF1", "Options.drawConnect"},
         {"sbDrawF2", "Options.drawDots"}},
        {FunctionDrawMode::Automatic, FunctionDrawMode::Connect, FunctionDrawMode::Dots},
        [this]() -> FunctionDrawMode& { return form_.drawMode; });
    layout->addWidget(titledGroup("Options.intensityGroup", holder, l));
    addChoices<int>(l,
                    {{"sbAic0", "Options.intensity0"},
                     {"sbAic1", "Options.intensity1"},
                     {"sbAic2", "Options.intensity2"},
                     {"sbAic3", "Options.intensity3"},
                     {"sbAic4", "Options.intensity4"}},
                    {0, 1, 2, 3, 4}, [this]() -> int& { return form_.afterimageColorIndex; });
    layout->addWidget(titledGroup("Options.endsGroup", holder, l));
    addChoices<LineEnds>(l, {{"sbEs0", "Options.endsRound"}, {"sbEs1", "Options.endsFlat"}},
                         {LineEnds::Round, LineEnds::Flat},
                         [this]() -> LineEnds& { return form_.capStyle; });
    return holder;
}

QWidget* OptionsDialog::functionPage() {
    auto* page = new QWidget(this);
    auto* layout = new QVBoxLayout(page);
    addSwitch(
        layout, "cbNRadius", "Options.negativeRadius",
        [this] { return form_.circleMode == CircleMode::NegativeRadiusAllowed; },
        [this](bool on) {
            form_.circleMode =
                on ? CircleMode::NegativeRadiusAllowed : CircleMode::NegativeRadiusUndefined;
        });
    addSwitch(
        layout, "cbComplex", "Options.complex", [this] { return form_.complexMode; },
        [this](bool on) {
            chooseComplexMode(form_, on, context().messages);
            showForm();
        });
    QCheckBox* unit = addCheck(layout, "cbIunit", "Options.imaginaryUnit",
                               [this]() -> bool& { return form_.allowSqrtN; });
    refreshers_.push_back([this, unit] { unit->setEnabled(form_.complexMode); });
    addSwitch(
        layout, "cbTheta", "Options.thetaArgument",
        [this] { return form_.thetaMode == ThetaMode::PolarAngle; },
        [this](bool on) { form_.thetaMode = on ? ThetaMode::PolarAngle : ThetaMode::Parameter; });
    layout->addWidget(functionChoiceGroups());
    layout->addStretch();
    addResetButton(layout, "btnInit4", [](OptionsForm& f) { resetFunctionPage(f); });
    return page;
}

QWidget* OptionsDialog::functionChoiceGroups() {
    auto* holder = new QWidget(this);
    auto* layout = new QVBoxLayout(holder);
    layout->setContentsMargins(0, 0, 0, 0);
    QBoxLayout* l = nullptr;
    layout->addWidget(titledGroup("Options.logGroup", holder, l));
    addChoices<LogMode>(
        l, {{"SBLmDecimal", "Options.logCommon"}, {"SBLmNature", "Options.logNatural"}},
        {LogMode::Common, LogMode::Natural}, [this]() -> LogMode& { return form_.logMode; });
    layout->addWidget(titledGroup("Options.angleGroup", holder, l));
    const std::vector<AngleMode> units = {AngleMode::Radians, AngleMode::Degrees};
    addChoices(
        l, {{"SBRad", "Options.radians"}, {"SBDeg", "Options.degrees"}},
        [this] { return form_.angleMode == AngleMode::Degrees ? 1 : 0; },
        [this, units](int i) {
            chooseAngleUnit(form_, units[static_cast<std::size_t>(i)], context().messages);
            showForm();
        });
    layout->addWidget(titledGroup("Options.angleRangeGroup", holder, l));
    addChoices<AngleArea>(l, {{"SBAmZero", "Options.fromZero"}, {"SBAmPi", "Options.fromMinusPi"}},
                          {AngleArea::ZeroToTwoPi, AngleArea::MinusPiToPi},
                          [this]() -> AngleArea& { return form_.angleArea; });
    return holder;
}

} // namespace tarlix
