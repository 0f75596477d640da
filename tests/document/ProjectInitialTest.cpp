#include "ProjectFixture.h"

#include <sstream>
#include <type_traits>

using namespace tarlix;
using tarlix::testing::ProjectTest;

namespace {

// One field of a new project, its value as text and the value it must start with.
struct Field {
    const char* name;
    std::string actual;
    std::string expected;
};

template <typename T> std::string text(const T& v) {
    if constexpr (std::is_enum_v<T>) {
        return std::to_string(static_cast<long>(v));
    } else {
        std::ostringstream s;
        s << v;
        return s.str();
    }
}
std::string text(std::uint8_t v) {
    return std::to_string(v);
}

// Every store and setting that a new project starts from.
std::vector<Field> initialValues(const Project& p) {
    const auto& a = p.parameters[1];
    const EquationEntry& y20 = p.explicitFunctions[20];
    const EquationEntry& c9 = p.relations[9];
    const auto& values = p.valueWindow.valueFunctions;
    const auto& bounds = p.integralWindow.bounds;
    const ProjectSettings& s = p.settings;
    const EngineSettings& e = p.engine;
    return {
        {"a value", text(a.value), "1"},
        {"a step", text(a.step), "0.1"},
        {"a additive", text(a.additive), "1"},
        {"a unfixed", text(a.unfixed), "1"},
        {"a sync", text(a.sync), "0"},
        {"theta value", text(p.parameters[kThetaParameter].value), "0"},
        {"k value", text(p.parameters[14].value), "1"},
        {"x working slot", text(p.parameters[-1].value), "0"},
        {"y working slot", text(p.parameters[0].value), "0"},
        {"y20 source", y20.expr.source, ""},
        {"y20 afterimage", text(y20.afterimage), "0"},
        {"y20 pen colour", text(y20.penColor), "16711680"},
        {"y20 pen width", text(y20.penWidth), "2"},
        {"y20 fast polynomial", text(y20.fastPolynomial), "1"},
        {"y20 visible", text(y20.visible), "1"},
        {"y20 fill pattern", text(y20.fillPattern), "4"},
        {"y20 border style", text(y20.borderStyle), "0"},
        {"y20 line style", text(y20.lineStyle), "1"},
        {"c9 source", c9.expr.source, ""},
        {"c9 pen colour", text(c9.penColor), "16711680"},
        {"c9 fill pattern", text(c9.fillPattern), "4"},
        {"figure 1 label", p.figures[1].label, "P"},
        {"figure 8 label", p.figures[8].label, "A"},
        {"figure 22 label", p.figures[22].label, "O"},
        {"figure 1 kind", text(p.figures[1].kind), "0"},
        {"figure 22 kind", text(p.figures[22].kind), "0"},
        {"user function 1", p.userFunctions[1].source, ""},
        {"user function 8", p.userFunctions[8].source, ""},
        {"connected figures", text(p.segments.count), "0"},
        {"memo lines", text(p.memoText.size()), "0"},
        {"memo frame style", text(p.memo.frameStyle), "3"},
        {"memo text colour", text(p.memo.textColor), "16711680"},
        {"memo background colour", text(p.memo.backgroundColorIndex), "0"},
        {"memo text size", text(p.memo.textSize), "12"},
        {"value function 1", values[1].source, "y1"},
        {"value function 9", values[9].source, "y9"},
        {"value function 9 compiled", text(!values[9].code.empty()), "1"},
        {"value window x", p.valueWindow.x.source, "1"},
        {"value window x marked", text(p.valueWindow.x.marked), "1"},
        {"integral low bound", bounds.low.source, "-1"},
        {"integral high bound", bounds.high.source, "1"},
        {"integral low bound marked", text(bounds.low.marked), "1"},
        {"integral high bound marked", text(bounds.high.marked), "1"},
        {"integral partitions", text(e.integralPartitions), "40"},
        {"integral first function", text(p.integralWindow.integratedFunction), "1"},
        {"integral second function", text(p.integralWindow.secondFunction), "0"},
        {"integral area", text(p.integralWindow.areaMode), "0"},
        {"AngleMode", text(e.angleMode), "1"},
        {"ScanWidth", text(s.scanWidth), "4"},
        {"LogMode", text(e.logMode), "2"},
        {"ThetaMode", text(e.thetaMode), "1"},
        {"AngleArea", text(e.angleArea), "1"},
        {"CapStyle", text(s.capStyle), "0"},
        {"DrawOnDrag", text(s.drawWhileDragging), "0"},
        {"DrawOnCalc", text(s.drawWhileComputing), "1"},
        {"ComplexMode", text(e.complexMode), "0"},
        {"AllowSqrtN", text(e.allowSqrtN), "0"},
        {"AimgOfArea", text(s.afterimageFills), "0"},
        {"ShowSync", text(s.showSync), "0"},
        {"AfterImageColorNo", text(s.afterimageColorIndex), "2"},
        {"CanAImg", text(s.afterimagesOn), "1"},
        {"CircleMode", text(e.circleMode), "1"},
        {"AreaFixed", text(s.areaFixed), "0"},
        {"BGstretchOn", text(s.backgroundStretch), "1"},
        {"BGfile", s.backgroundFile, ""},
        {"AnimationPeriod", text(s.animationPeriod), "80"},
        {"y1 row shown", text(p.explicitFunctionRows[1].shown), "1"},
        {"y1 row position", text(p.explicitFunctionRows[1].position), "0"},
        {"figure 22 row shown", text(p.figureRows[22].shown), "1"},
        {"figure 22 row position", text(p.figureRows[22].position), "0"},
        {"user function 8 row shown", text(p.userFunctionRows[8].shown), "1"},
        {"c9 row position", text(p.relationRows[9].position), "0"},
        {"k row shown", text(p.parameterRows[14].shown), "1"},
        {"explicit panel visible", text(p.categories[CategoryPanel::Explicit].visible), "1"},
        {"memo panel visible", text(p.categories[CategoryPanel::Memo].visible), "1"},
        {"connected figures panel visible",
         text(p.categories[CategoryPanel::ConnectedFigures].visible), "0"},
        {"explicit panel order", text(p.categories[CategoryPanel::Explicit].order), "1"},
        {"parameter panel order", text(p.categories[CategoryPanel::Parameters].order), "5"},
        {"connected figures panel order", text(p.categories[CategoryPanel::ConnectedFigures].order),
         "8"},
        {"project path", p.projectPath, ""},
        {"modified", text(p.modified), "0"},
    };
}

void expectInitial(const Project& p) {
    for (const Field& f : initialValues(p)) EXPECT_EQ(f.actual, f.expected) << f.name;
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
    project.engine.thetaMode = ThetaMode::Parameter;
    project.engine.integralPartitions = 100;
    project.valueWindow.valueFunctions[2].source = "y7";
    project.integralWindow.integratedFunction = 4;
    project.explicitFunctionRows[5].shown = false;
    project.categories[CategoryPanel::Memo] = {false, 2, 300};
    project.projectPath = "/home/u/clase";
    view.xAxis.setRange(30, 10);
    view.xAxis.letter = '@';
    doc.recordUndo();

    newProject(ctx, defaults, 0);

    expectInitial(project);
    EXPECT_EQ(project.engine.decimalChar, ',') << "the locale stays";
    EXPECT_EQ(project.engine.listSeparatorChar, ';');
    EXPECT_EQ(view.xAxis.low, -5);
    EXPECT_EQ(view.xAxis.letter, 'x');
    EXPECT_FALSE(doc.dataHistory.canUndo()) << "the undo history starts again";
    EXPECT_EQ(hooks.replaced, 1) << "the windows are told once";
}
