#include "ProjectFixture.h"

#include <sstream>

using namespace tarlix;
using tarlix::testing::ProjectTest;

namespace {

struct Expected {
    const char* what;
    std::string actual;
    std::string expected;
};

template <typename T> std::string text(const T& v) {
    std::ostringstream s;
    s << v;
    return s.str();
}
std::string text(std::uint8_t v) {
    return std::to_string(v);
}

// Every store and setting that a new project starts from.
std::vector<Expected> initialValues(const Project& p) {
    const EquationEntry& y20 = p.explicitFunctions[20];
    const EquationEntry& c9 = p.relations[9];
    const ProjectSettings& s = p.settings;
    const EngineSettings& e = p.engine;
    return {
        {"a value, step, additive, unfixed, sync",
         text(p.parameters[1].value) + " " + text(p.parameters[1].step) + " " +
             text(p.parameters[1].additive) + text(p.parameters[1].unfixed) +
             text(p.parameters[1].sync),
         "1 0.1 110"},
        {"theta starts at 0, k at 1",
         text(p.parameters[kThetaParameter].value) + text(p.parameters[14].value), "01"},
        {"x and y working slots", text(p.parameters[-1].value) + text(p.parameters[0].value), "00"},
        {"explicit function blank", y20.expr.source + text(y20.afterimage), "0"},
        {"explicit function pen", text(y20.penColor) + " " + text(y20.penWidth), "16711680 2"},
        {"explicit function fast, visible, fill, border, line",
         text(y20.fastPolynomial) + text(y20.visible) + text(y20.fillPattern) +
             text(y20.borderStyle) + text(y20.lineStyle),
         "11401"},
        {"relation blank", c9.expr.source + text(c9.penColor) + text(c9.fillPattern), "167116804"},
        {"figure letters as labels", p.figures[1].label + p.figures[8].label + p.figures[22].label,
         "PAO"},
        {"figures empty", text(p.figures[1].kind) + text(p.figures[22].kind), "00"},
        {"user functions empty", p.userFunctions[1].source + p.userFunctions[8].source, ""},
        {"no connected figures", text(p.segments.count), "0"},
        {"memo empty", text(p.memoText.size()), "0"},
        {"memo style",
         text(p.memo.frameStyle) + " " + text(p.memo.textColor) + " " +
             text(p.memo.backgroundColorIndex) + " " + text(p.memo.textSize),
         "3 16711680 0 12"},
        {"value functions",
         p.valueWindow.valueFunctions[1].source + p.valueWindow.valueFunctions[9].source +
             text(!p.valueWindow.valueFunctions[9].code.empty()),
         "y1y91"},
        {"value window x and marker", p.valueWindow.x.source + text(p.valueWindow.x.marked), "11"},
        {"integral bounds and markers",
         p.integralWindow.bounds.low.source + " " + p.integralWindow.bounds.high.source + " " +
             text(p.integralWindow.bounds.low.marked) + text(p.integralWindow.bounds.high.marked),
         "-1 1 11"},
        {"integral partitions, functions, area",
         text(e.integralPartitions) + " " + text(p.integralWindow.integratedFunction) +
             text(p.integralWindow.secondFunction) + text(p.integralWindow.areaMode),
         "40 100"},
        {"AngleMode ScanWidth LogMode ThetaMode AngleArea CapStyle",
         text(e.angleMode) + text(s.scanWidth) + text(e.logMode) + text(e.thetaMode) +
             text(e.angleArea) + text(s.CapStyle),
         "142110"},
        {"DrawOnDrag DrawOnCalc ComplexMode AllowSqrtN AimgOfArea",
         text(s.drawWhileDragging) + text(s.drawWhileComputing) + text(e.complexMode) +
             text(e.allowSqrtN) + text(s.afterimageFills),
         "01000"},
        {"ShowSync AfterImageColorNo CanAImg CircleMode AreaFixed",
         text(s.showSync) + text(s.afterimageColorIndex) + text(s.afterimagesOn) +
             text(e.circleMode) + text(s.areaFixed),
         "02110"},
        {"background and animation period",
         text(s.backgroundStretch) + "[" + s.backgroundFile + "] " + text(s.animationPeriod),
         "1[] 80"},
        {"rows shown and unplaced",
         text(p.explicitFunctionRows[1].shown) + text(p.explicitFunctionRows[1].position) +
             text(p.figureRows[22].shown) + text(p.figureRows[22].position) +
             text(p.userFunctionRows[8].shown) + text(p.relationRows[9].position) +
             text(p.parameterRows[14].shown),
         "1010101"},
        {"category panels visible, connected figures hidden",
         text(p.categories[cpExplicit].visible) + text(p.categories[cpMemo].visible) +
             text(p.categories[cpConnectedFigures].visible),
         "110"},
        {"category panels in file order",
         text(p.categories[cpExplicit].order) + text(p.categories[cpParameters].order) +
             text(p.categories[cpConnectedFigures].order),
         "158"},
        {"unsaved and unmodified", "[" + p.projectPath + "]" + text(p.modified), "[]0"},
    };
}

void expectInitial(const Project& p) {
    for (const Expected& e : initialValues(p)) EXPECT_EQ(e.actual, e.expected) << e.what;
}

} // namespace

TEST_F(ProjectTest, StartsWithEveryStoreAtItsInitialValue) {
    expectInitial(project);
}

TEST_F(ProjectTest, NewProjectRestoresEverythingAndTheView) {
    project.engine.decimalChar = ',';
    project.engine.listSeparatorChar = ';';
    storeY(3, "x^2");
    storeFigure(ctx, 2, point(2, "1", "2"));
    project.figures[2].label = "Z";
    project.segments.add({});
    project.parameters[1].value = 7;
    project.parameters[kThetaParameter].value = 3;
    project.memoText = {"hola"};
    project.memo.textSize = 20;
    project.settings.scanWidth = 8;
    project.settings.backgroundFile = "fondo.bmp";
    project.engine.thetaMode = 2;
    project.engine.integralPartitions = 100;
    project.valueWindow.valueFunctions[2].source = "y7";
    project.integralWindow.integratedFunction = 4;
    project.explicitFunctionRows[5].shown = false;
    project.categories[cpMemo] = {false, 2, 300};
    project.projectPath = "/home/u/clase";
    view.xAxis.setRange(30, 10);
    view.xAxis.letter = '@';

    newProject(ctx, defaults, 0);

    expectInitial(project);
    EXPECT_EQ(project.engine.decimalChar, ',') << "the locale stays";
    EXPECT_EQ(project.engine.listSeparatorChar, ';');
    EXPECT_EQ(view.xAxis.low, -5);
    EXPECT_EQ(view.xAxis.letter, 'x');
    EXPECT_EQ(hooks.undoHistoriesCleared, 1);
}
