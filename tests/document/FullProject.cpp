#include "ProjectFileFixture.h"

namespace tarlix::testing {

namespace {

void fillFunctions(Project& p) {
    p.userFunctions[2].source = "x^2+a";
    p.userFunctionRows[2] = {false, 1};
    EquationEntry& y = p.explicitFunctions[3];
    y.expr.source = "2sin x";
    y = {y.expr, true, 0x00BF00, 3, true, false, 4, 0, 2};
    p.explicitFunctionRows[3] = {true, 2};
    p.explicitFunctions[7].expr.source = "f(x)-1";
    p.explicitFunctionRows[7] = {false, 1};
    EquationEntry& c = p.relations[2];
    c.expr.source = "x^2+y^2<4";
    c = {c.expr, true, 255, 1, false, true, 6, 1, 3};
    p.relationRows[2] = {true, 1};
}

void fillFigures(Project& p) {
    FigureEntry& a = p.figures[8]; // A
    a.kind = FigureKind::Point;
    a.x.source = "a";
    a.y.source = "b/2";
    a.radius.source = "0";
    a.label = "punto, A 1.5";
    a.labelPosition = 3;
    a.notation = FigureNotation::Vector;
    a.pointColor = 0x0000FF;
    a.hollow = true;
    a.pointSize = 3;
    a.locusWidth = 2;
    a.pointAfterimage = true;
    a.drag = true;
    p.figureRows[8] = {true, 2};
    FigureEntry& o = p.figures[22]; // O, written as vertex 252
    o.kind = FigureKind::Parametric;
    o.x.source = "cos t";
    o.y.source = "sin(2t)";
    o.radius.source = "0";
    o.paramLow.source = "-Pi";
    o.paramHigh.source = "Pi";
    o.paramLetter = '@';
    o.paramStep = 0.025L;
    o.lineColor = 0x808080;
    o.fillColor = 0xE0FFE0;
    o.fillPattern = 3;
    o.curveStyle = 2;
    o.curveFill = CurveFill::ThroughPoint;
    o.lineAfterimage = true;
    o.lineWidth = 4;
    o.visible = false;
    o.drag = false;
    p.figureRows[22] = {false, 1};
}

void fillSegments(Project& p) {
    SegmentRecord s;
    s.kind = SegmentKind::Polygon;
    s.vertices = {8, 22, kXAxisVertex, kYAxisVertex, 0};
    s.width = 3;
    s.lineStyle = 2;
    s.afterimage = true;
    s.penColor = 0x0000FF;
    s.fillColor = 0xE0E0FF;
    s.fillPattern = 5;
    s.labelPosition = 6;
    s.visible = false;
    s.label = "L, uno";
    p.segments.add(s);
    s = SegmentRecord{};
    s.kind = SegmentKind::Vector;
    s.vertices = {22, 8};
    p.segments.add(s);
}

void fillParameters(Project& p) {
    p.parameters[1] = {2.5L, true, 0.25L, true, true};
    p.parameters[2] = {-3, true, 2, false, false};
    p.parameters[kThetaParameter] = {0.75L, false, 0.1L, true, true};
    p.parameterRows[5].shown = false;
    p.settings.animationPeriod = 120;
}

void fillSettings(Project& p) {
    EngineSettings& e = p.engine;
    e.angleMode = AngleMode::Degrees;
    e.logMode = LogMode::Common;
    e.angleArea = AngleArea::MinusPiToPi;
    e.circleMode = CircleMode::NegativeRadiusUndefined;
    e.thetaMode = ThetaMode::Parameter;
    e.complexMode = true;
    e.allowSqrtN = true;
    e.integralPartitions = 60;
    ProjectSettings& s = p.settings;
    s.scanWidth = 2;
    s.capStyle = LineEnds::Flat;
    s.drawWhileDragging = true;
    s.drawWhileComputing = false;
    s.afterimageFills = true;
    s.drawMode = FunctionDrawMode::Dots;
    s.showSync = true;
    s.afterimageColorIndex = 9;
    s.afterimagesOn = false;
    s.areaFixed = true;
    s.degreeFont = true;
    s.backgroundStretch = 2;
    s.backgroundFile =
        p.projectPath.substr(0, p.projectPath.find_last_of('/') + 1) + "fondo claro.bmp";
    s.showCoordinates = true;
    s.showEquation = true;
}

void fillWindowsAndMemo(Project& p) {
    p.valueWindow.valueFunctions[4].source = "f(x)";
    p.valueWindow.x.source = "a+1";
    p.valueWindow.x.marked = 0;
    p.integralWindow.bounds.low.source = "-Pi";
    p.integralWindow.bounds.high.source = "a";
    p.integralWindow.bounds.high.marked = 0;
    p.integralWindow.integratedFunction = 3;
    p.integralWindow.secondFunction = 7;
    p.integralWindow.areaMode = true;
    // Tops in the order of the column, so that reading puts the panels back in that order.
    const int order[] = {3, 1, 2, 5, 4, 8, 6, 7};
    for (int i = 1; i <= kCategoryPanels; ++i)
        p.categories[i] = {i != panelNumber(CategoryPanel::Memo), order[i - 1], 40 * order[i - 1]};
    p.memo = {2, 0x0000FF, 7, 14};
    p.memoText = {"Hola, mundo: 1.5 y 2,5", "#a:=max(1,2.5)", "",
                  "  sangr\xED"
                  "a"};
    for (int i = 1; i <= 10; ++i) p.memoBoxes[i] = {10 * i, 300 - i, i % 2 == 0};
}

void fillView(View& view) {
    Axis& x = view.xAxis;
    x.pixelLength = 640;
    x.caption = "tiempo, s";
    x.letter = '@';
    x.axesVisible = false;
    x.guideVisible = false;
    x.divisions = 12;
    x.base = 0.5L;
    x.labelInterval = 2;
    x.setRange(7.25L, -1.5L);
    Axis& y = view.yAxis;
    y.pixelLength = 480;
    y.caption = "altura";
    y.scaleVisible = false;
    y.valueVisible = false;
    y.divisions = 0;
    y.base = 3.14159265358979L;
    y.labelInterval = 3;
    y.setRange(1e20L, -2.5e-6L);
    for (Axis* a : {&x, &y}) {
        a->recompute();
        a->recomputeCaptionText();
    }
    view.equalScales = true;
    view.areaRectify = false;
    view.gridStyle = GridStyle::Dotted;
    view.axisWidth = 3;
    view.fontSize = 16;
    view.axisOn = true;
    view.tickLabelPlacement = TickLabelPlacement::BesideTicks;
    view.axisType = AxisType::Polar;
    view.thetaNum = 24;
}

} // namespace

void fillEveryField(Project& p, View& view) {
    fillFunctions(p);
    fillFigures(p);
    fillSegments(p);
    fillParameters(p);
    fillSettings(p);
    fillWindowsAndMemo(p);
    fillView(view);
}

} // namespace tarlix::testing
