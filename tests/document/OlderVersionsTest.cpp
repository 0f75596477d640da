// Files written by older versions, typed from their layout, read with today's meaning.

#include "ProjectDump.h"
#include "ProjectFileFixture.h"

#include <algorithm>

using namespace tarlix;
using namespace tarlix::testing;

namespace {

void expectFields(const Session& s, const std::vector<std::string>& expected) {
    const std::vector<std::string> dump = dumpProject(s.project, s.view);
    for (const std::string& field : expected)
        EXPECT_NE(std::find(dump.begin(), dump.end(), field), dump.end()) << field;
}

std::string withHeader(const std::string& text, const std::string& header) {
    return header + text.substr(text.find('\n'));
}

} // namespace

TEST(OlderVersions, Version16) {
    Session s;
    ASSERT_TRUE(openProject(s.ctx, fixture("v16.tlx")))
        << ::testing::PrintToString(s.messageTexts());
    expectFields(
        s,
        {// theta was "Q"; "Min" and "pas" were renamed; colours were palette numbers
         "UserFunctions[1].Source = x^2+@", "UserFunctions[1].Compiled = 1",
         "UserFunctionRows[1].Position = 1", "Y[1].Source = min(x,1)", "Y[1].PenColor = 255",
         "Y[1].PenWidth = 3", "Y[2].Source = path(x,(0,0),(1,1))", "Y[2].Compiled = 1",
         "Y[2].Afterimage = 1", "Y[2].PenColor = 48896", "Y[2].Visible = 0",
         "YFunctionRows[2].Position = 2", "C[1].Source = r=2@", "C[1].Compiled = 1",
         "C[1].PenColor = 16711680",
         // records 6.. are today's 8..; every record had all its lines
         "Figures[1].Kind = 1", "Figures[1].LabelPosition = 4", "Figures[1].Radius = 0",
         "Figures[1].PointColor = 0", "Figures[1].LineColor = 16777215", "Figures[1].Drag = 1",
         "Figures[1].PointSize = 2", "Figures[1].LocusWidth = 3", "Figures[1].CurveStyle = 1",
         "FigureRows[1].Position = 1", "Figures[2].Kind = 0", "Figures[3].Kind = 5",
         "Figures[3].X = 1+cos @", "Figures[3].ParamLow = 0", "Figures[3].ParamHigh = 2Pi",
         "Figures[3].ParamLetter = @", "Figures[3].LineWidth = 3", "Figures[3].LocusWidth = 0",
         "Figures[3].LineColor = 255", "FigureRows[3].Position = 2", "Figures[6].Kind = 0",
         "FigureRows[6].Position = 0", "Figures[8].Kind = 2", "Figures[8].Label = centro",
         "Figures[8].Radius = a", "Figures[8].PointColor = 16711680", "Figures[8].LineColor = 255",
         "Figures[8].FillColor = 16769248", "Figures[8].FillPattern = 2",
         "Figures[8].LocusWidth = 0", "Figures[8].LineWidth = 2", "FigureRows[8].Position = 3",
         "FigureRows[8].Shown = 0",
         // connected figures without vertex line or visibility
         "Segments.count = 1", "L[1].LineStyle = 1", "L[1].FillPattern = 1", "L[1].PenColor = 255",
         "L[1].FillColor = 16777215", "L[1].Visible = 1", "L[1].LabelPosition = 5",
         "L[1].Label = lado", "L[1].Vertices = 0 0 0 0 0 0 0 0 0 0 0 0 ",
         // one step for every parameter
         "Parameters[1].Value = 2", "Parameters[1].Sync = 1", "Parameters[1].Step = 0.5",
         "Parameters[9].Additive = 0", "Parameters[13].Value = 0", "AnimationPeriod = 100",
         // settings the short lines lack take their old defaults
         "AngleMode = 2", "ScanWidth = 8", "LogMode = 2", "ThetaMode = 2", "ShowSync = 1",
         "AfterImageColorNo = 3", "CanAImg = 1", "CircleMode = 2", "DegreeFont = 1",
         "XAxis.Caption = x", "XAxis.PixelLength = 500", "XAxis.Number = 10", "XAxis.High = 10",
         "YAxis.Caption = y", "YAxis.ScaleVisible = 0", "YAxis.Low = -8", "SquareQ = 1",
         "ShowCoordinates = 1", "ThetaNum = 12", "AreaFixed = 0",
         // numeric integral bounds; the value window kept its x
         "ValueWindow.X = 1", "Bounds.Low = -2 1", "Bounds.High = 3 1", "IntegralPartitions = 50",
         "Dfuncno = 2", "AreaQ = 1", "ValueFunctions[1].Source = y2",
         "ValueFunctions[3].Source = y3",
         // six panels in the old order; the smallest top comes first
         "Categories[2].Order = 1", "Categories[3].Order = 2", "Categories[4].Order = 3",
         "Categories[1].Order = 4", "Categories[8].Order = 8", "Categories[3].Visible = 1",
         "Categories[6].Visible = 0", "Categories[8].Visible = 0",
         // the memo's free text keeps its "Q"; the eleventh box line is read past
         "Memo.FrameStyle = 1", "Memo.TextColor = 255", "Memo.BackgroundColorNo = 5",
         "Memo.TextSize = 10", "MemoText[0] = Nota Q", "MemoText[1] = #a:=1",
         "MemoBoxes[1].Place = 5 6 1", "MemoBoxes[2].Place = 7 8 0",
         "MemoBoxes[11].Place = 0 0 1"});
}

TEST(OlderVersions, Version165SortsBetween16And17AndReadsAs16) {
    TempFolder dir;
    writeText(dir.file("a.tlx"), withHeader(readText(fixture("v16.tlx")), "Tarlix/win 1.65"));
    Session s;
    ASSERT_TRUE(openProject(s.ctx, dir.file("a.tlx")));
    expectFields(s, {"UserFunctions[1].Source = x^2+@", "Figures[8].Kind = 2"});
}

TEST(OlderVersions, Version25) {
    Session s;
    ASSERT_TRUE(openProject(s.ctx, fixture("v25.tlx")))
        << ::testing::PrintToString(s.messageTexts());
    expectFields(s,
                 {"BGfile = ", "Y[1].Source = x^3", "Y[1].PenColor = 48896",
                  // records chosen by their letters; the old A and B are today's A and B
                  "Figures[1].Kind = 1", "Figures[1].X = a", "Figures[1].ParamStep = 0.1",
                  "Figures[1].Drag = 1", "FigureRows[1].Position = 1", "Figures[8].Kind = 2",
                  "Figures[8].Y = b", "Figures[8].Radius = 1", "Figures[8].LineAfterimage = 1",
                  "Figures[8].LineColor = 255", "Figures[8].FillColor = 14745568",
                  "Figures[8].Drag = 0", "Figures[8].FillPattern = 3", "Figures[8].LineWidth = 2",
                  "FigureRows[8].Position = 2", "FigureRows[8].Shown = 0", "Figures[9].Kind = 1",
                  // a figure that cannot be placed cannot be dragged
                  "Figures[9].Drag = 0", "FigureRows[9].Position = 3", "Figures[6].Kind = 0",
                  // a vertex line, no visibility; old figure 6 is A
                  "L[1].Vertices = 1 8 0 0 0 0 0 0 0 0 0 0 ", "L[1].LineStyle = 2",
                  "L[1].FillPattern = 1", "L[1].PenColor = 16711680", "L[1].FillColor = 255",
                  "L[1].Width = 3", "L[1].Visible = 1", "L[1].Label = lado PA",
                  "Parameters[1].Step = 0.5", "Parameters[2].Unfixed = 0",
                  "Parameters[2].Additive = 0", "Parameters[2].Step = 2", "Parameters[2].Shown = 0",
                  "XAxis.PixelLength = 600", "YAxis.High = 4.5", "ValueWindow.X = 2",
                  "Bounds.High = 2 0", "Memo.TextColor = 16711680"});
}

TEST(OlderVersions, Version27AndTheNeighboursThatDifferFromIt) {
    const std::string text = readText(fixture("v27.tlx"));
    struct Case {
        const char* header;
        std::vector<std::string> fields;
    };
    const Case cases[] = {
        {"Tarlix/win 2.7",
         {"Y[1].PenColor = 16711680", "L[1].Vertices = 1 8 0 0 0 0 0 0 0 0 0 0 ",
          "Figures[8].Kind = 1", "FigureRows[8].Position = 2", "MemoText[0] = hola"}},
        // before U and V, figure 8 was today's 10
        {"Tarlix/win 2.6", {"L[1].Vertices = 1 10 0 0 0 0 0 0 0 0 0 0 "}},
        // colours are colours from 2.8 on
        {"Tarlix/win 2.8", {"Y[1].PenColor = 1", "L[1].PenColor = 1"}},
    };
    TempFolder dir;
    for (const Case& c : cases) {
        writeText(dir.file("a.tlx"), withHeader(text, c.header));
        Session s;
        ASSERT_TRUE(openProject(s.ctx, dir.file("a.tlx"))) << c.header;
        SCOPED_TRACE(c.header);
        expectFields(s, c.fields);
    }
}
