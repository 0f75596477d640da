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
    const EquationEntry& y20 = p.YFunctions[20];
    const EquationEntry& c9 = p.Relations[9];
    const ProjectSettings& s = p.Settings;
    const EngineSettings& e = p.Engine;
    return {
        {"a value, step, additive, unfixed, sync",
         text(p.Parameters[1].Value) + " " + text(p.Parameters[1].Step) + " " +
             text(p.Parameters[1].Additive) + text(p.Parameters[1].Unfixed) +
             text(p.Parameters[1].Sync),
         "1 0.1 110"},
        {"theta starts at 0, k at 1",
         text(p.Parameters[kThetaParameter].Value) + text(p.Parameters[14].Value), "01"},
        {"x and y working slots", text(p.Parameters[-1].Value) + text(p.Parameters[0].Value), "00"},
        {"explicit function blank", y20.Expr.Source + text(y20.Afterimage), "0"},
        {"explicit function pen", text(y20.PenColor) + " " + text(y20.PenWidth), "16711680 2"},
        {"explicit function fast, visible, fill, border, line",
         text(y20.FastPolynomial) + text(y20.Visible) + text(y20.FillPattern) +
             text(y20.BorderStyle) + text(y20.LineStyle),
         "11401"},
        {"relation blank", c9.Expr.Source + text(c9.PenColor) + text(c9.FillPattern), "167116804"},
        {"figure letters as labels", p.Figures[1].Label + p.Figures[8].Label + p.Figures[22].Label,
         "PAO"},
        {"figures empty", text(p.Figures[1].Kind) + text(p.Figures[22].Kind), "00"},
        {"user functions empty", p.UserFunctions[1].Source + p.UserFunctions[8].Source, ""},
        {"no connected figures", text(p.Segments.count), "0"},
        {"memo empty", text(p.MemoText.size()), "0"},
        {"memo style",
         text(p.Memo.FrameStyle) + " " + text(p.Memo.TextColor) + " " +
             text(p.Memo.BackgroundColorNo) + " " + text(p.Memo.TextSize),
         "3 16711680 0 12"},
        {"value functions",
         p.ValueWindow.ValueFunctions[1].Source + p.ValueWindow.ValueFunctions[9].Source +
             text(!p.ValueWindow.ValueFunctions[9].Code.empty()),
         "y1y91"},
        {"value window x and marker", p.ValueWindow.X.Source + text(p.ValueWindow.X.Marked), "11"},
        {"integral bounds and markers",
         p.IntegralWindow.Bounds.Low.Source + " " + p.IntegralWindow.Bounds.High.Source + " " +
             text(p.IntegralWindow.Bounds.Low.Marked) + text(p.IntegralWindow.Bounds.High.Marked),
         "-1 1 11"},
        {"integral partitions, functions, area",
         text(e.IntegralPartitions) + " " + text(p.IntegralWindow.Dfuncno) +
             text(p.IntegralWindow.Efuncno) + text(p.IntegralWindow.AreaQ),
         "40 100"},
        {"AngleMode ScanWidth LogMode ThetaMode AngleArea CapStyle",
         text(e.AngleMode) + text(s.ScanWidth) + text(e.LogMode) + text(e.ThetaMode) +
             text(e.AngleArea) + text(s.CapStyle),
         "142110"},
        {"DrawOnDrag DrawOnCalc ComplexMode AllowSqrtN AimgOfArea",
         text(s.DrawOnDrag) + text(s.DrawOnCalc) + text(e.ComplexMode) + text(e.AllowSqrtN) +
             text(s.AimgOfArea),
         "01000"},
        {"ShowSync AfterImageColorNo CanAImg CircleMode AreaFixed",
         text(s.ShowSync) + text(s.AfterImageColorNo) + text(s.CanAImg) + text(e.CircleMode) +
             text(s.AreaFixed),
         "02110"},
        {"background and animation period",
         text(s.BGstretchOn) + "[" + s.BGfile + "] " + text(s.AnimationPeriod), "1[] 80"},
        {"rows shown and unplaced",
         text(p.YFunctionRows[1].Shown) + text(p.YFunctionRows[1].Position) +
             text(p.FigureRows[22].Shown) + text(p.FigureRows[22].Position) +
             text(p.UserFunctionRows[8].Shown) + text(p.RelationRows[9].Position) +
             text(p.ParameterRows[14].Shown),
         "1010101"},
        {"category panels visible, connected figures hidden",
         text(p.Categories[cpExplicit].Visible) + text(p.Categories[cpMemo].Visible) +
             text(p.Categories[cpConnectedFigures].Visible),
         "110"},
        {"category panels in file order",
         text(p.Categories[cpExplicit].Order) + text(p.Categories[cpParameters].Order) +
             text(p.Categories[cpConnectedFigures].Order),
         "158"},
        {"unsaved and unmodified", "[" + p.ProjectPath + "]" + text(p.Modified), "[]0"},
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
    project.Engine.DecimalChar = ',';
    project.Engine.ListSeparatorChar = ';';
    storeY(3, "x^2");
    storeFigure(ctx, 2, point(2, "1", "2"));
    project.Figures[2].Label = "Z";
    project.Segments.add({});
    project.Parameters[1].Value = 7;
    project.Parameters[kThetaParameter].Value = 3;
    project.MemoText = {"hola"};
    project.Memo.TextSize = 20;
    project.Settings.ScanWidth = 8;
    project.Settings.BGfile = "fondo.bmp";
    project.Engine.ThetaMode = 2;
    project.Engine.IntegralPartitions = 100;
    project.ValueWindow.ValueFunctions[2].Source = "y7";
    project.IntegralWindow.Dfuncno = 4;
    project.YFunctionRows[5].Shown = false;
    project.Categories[cpMemo] = {false, 2, 300};
    project.ProjectPath = "/home/u/clase";
    view.XAxis.SetRange(30, 10);
    view.XAxis.Letter = '@';

    newProject(ctx, defaults, 0);

    expectInitial(project);
    EXPECT_EQ(project.Engine.DecimalChar, ',') << "the locale stays";
    EXPECT_EQ(project.Engine.ListSeparatorChar, ';');
    EXPECT_EQ(view.XAxis.Low, -5);
    EXPECT_EQ(view.XAxis.Letter, 'x');
    EXPECT_EQ(hooks.undoHistoriesCleared, 1);
}
