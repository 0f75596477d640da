#include "ProjectFixture.h"

using namespace tarlix;
using tarlix::testing::ProjectTest;

TEST_F(ProjectTest, ParameterLettersInUse) {
    const int a = 1, b = 2, c = 3, m = 5, t = 10, theta = kThetaParameter;
    struct Case {
        const char* what;
        std::function<void()> setUp;
        int parameter;
        bool inUse;
    };
    const std::vector<Case> cases{
        {"nothing uses a", [] {}, a, false},
        {"explicit function", [&] { storeY(1, "a x"); }, a, true},
        {"another letter", [&] { storeY(1, "a x"); }, b, false},
        {"theta in a relation while it is the polar angle",
         [&] { storeRelation(ctx, 1, equation("y<@")); }, theta, false},
        {"theta in a relation otherwise",
         [&] {
             project.engine.thetaMode = ThetaMode::Parameter;
             storeRelation(ctx, 1, equation("y<@"));
         },
         theta, true},
        {"other parameters in relations", [&] { storeRelation(ctx, 1, equation("y<b")); }, b, true},
        {"theta in an explicit function", [&] { storeY(1, "@ x"); }, theta, true},
        {"the horizontal axis letter",
         [&] {
             storeY(1, "@");
             view.xAxis.letter = '@';
         },
         theta, false},
        {"a user function alone", [&] { storeUserFunction(ctx, 1, expression("c x")); }, c, false},
        {"a user function that a graph uses",
         [&] {
             storeUserFunction(ctx, 1, expression("c x"));
             storeY(1, "f(x)");
         },
         c, true},
        {"a figure", [&] { storeFigure(ctx, 4, point(4, "1", "m")); }, m, true},
        {"a curve's range",
         [&] {
             FigureEntry f = point(5, "cos t", "sin t");
             f.kind = FigureKind::Parametric;
             f.paramHigh.source = "m";
             storeFigure(ctx, 5, f);
         },
         m, true},
        {"stale texts of an empty figure",
         [&] {
             FigureEntry f = point(4, "1", "m");
             f.kind = FigureKind::Empty;
             storeFigure(ctx, 4, f);
         },
         m, false},
        {"a value-window function",
         [&] {
             project.valueWindow.valueFunctions[3].source = "t^2";
             compileAll(ctx, false);
         },
         t, true},
        {"an integral bound",
         [&] {
             project.integralWindow.bounds.high.source = "m";
             compileAll(ctx, false);
         },
         m, true},
        {"a memo script",
         [&] {
             project.memoText = {"texto a b", "#For a := 1 to 3"};
         },
         a, true},
        {"a word of a script", [&] { project.memoText = {"#Wait 100"}; }, a, false},
    };
    for (const Case& k : cases) {
        newProject(ctx, defaults, 0);
        k.setUp();
        EXPECT_EQ(parameterInUse(project, k.parameter, view.xAxis.letter), k.inUse) << k.what;
    }
}
