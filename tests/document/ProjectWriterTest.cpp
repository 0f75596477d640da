#include "ProjectFixture.h"

#include "document/ProjectWriter.h"

using namespace tarlix;
using tarlix::testing::ProjectTest;

namespace {
std::vector<std::string> linesOf(const TokenLines& list) {
    std::vector<std::string> lines;
    for (int i = 0; i < list.count(); ++i) lines.push_back(list.line(i));
    return lines;
}
} // namespace

TEST_F(ProjectTest, WritesEveryLineOfTheProjectFile) {
    storeUserFunction(ctx, 1, expression("x+1"));
    EquationEntry y2 = equation("x^2");
    y2.penColor = 255;
    y2.penWidth = 3;
    y2.lineStyle = 2;
    storeExplicitFunction(ctx, 2, y2);
    FigureEntry p = point(1, "1", "2");
    p.labelPosition = 4;
    p.paramStep = 0.05L;
    p.pointColor = 255;
    p.lineColor = 0x00BF00;
    p.pointSize = 3;
    p.locusWidth = 2;
    storeFigure(ctx, 1, p);
    SegmentRecord s;
    s.kind = SegmentKind::Segment;
    s.vertices[0] = 1;
    s.vertices[1] = kXAxisVertex;
    project.segments.add(s);
    s.vertices[1] = kFigures; // O is written as 252
    s.label = "a O";
    project.segments.add(s);
    project.parameters[1] = {2.5L, true, 2, false, true};
    project.settings.backgroundFile = "/home/u/fondo.bmp";
    project.settings.scanWidth = 8;
    project.engine.thetaMode = ThetaMode::Parameter;
    project.memoText = {"hola", "#a:=1"};

    TokenLines list;
    std::vector<int> freeText;
    writeProject(project, view, list, &freeText);

    std::vector<std::string> expected{
        "Tarlix/win 2.8", "[Don't Edit] 3.14", "----------",
        // background
        "BGstretchOn BGfile", "1 fondo.bmp", "----------",
        // user functions
        "UserFunction", "1", "1 1", "x+1", "----------",
        // explicit functions: slot 1 is empty but written
        "y = f(x)", "2", "0 1 1 1", "", "0 16711680 2 1 1", "x^2", "0 255 3 1 2", "----------",
        // relations
        "0 = f(x,y)", "0", "", "----------",
        // figures
        "Point", "1", "1 1", "P", "1 4 1", "P", "1", "2", "", "0", "2Pi", "t 0.05", "0 0",
        "255 48896 16777215 1 0 1 1 1 0", "3 2 1", "----------",
        // connected figures
        "Segments", "2", "1 1 1 16711680 16777215 2 0 1", "0 ", "1 250 0 0 0 0 0 0 0 0 0",
        "1 1 1 16711680 16777215 2 0 1", "0 a O", "1 252 0 0 0 0 0 0 0 0 0", "----------",
        // parameters
        "paramater", "14", "2.5 1", "1 0 2 1"};
    for (int i = 2; i <= 14; ++i) {
        expected.push_back(i == kThetaParameter ? "0 0" : "1 0");
        expected.push_back("1 1 0.1 1");
    }
    const std::vector<std::string> rest{
        "1 1 80", "----------",
        // settings
        "KakuMode ScanWidth LogMode ThetaMode AreaMode capStyle", "1 8 2 2 1 0 0 1 0 0 0",
        "DrawMode SegmentShowSync", "1 0", "AfterImageColorNo, CanAImg", "2 1", "circleMode", "1",
        "----------",
        // axes
        "ScaleX", "Vlow,VHigh,label", "0 400 x", "x",
        "AxesVisible,ScaleVisible,Svaluevisible,AddDegreeLetter,ScaleGuidevisible", "1 1 1 0 1",
        "NUmber,Base,Linterval", "7 1 1", "High,Low", "5 -5", "----------", "ScaleY",
        "Vlow,VHigh,label", "0 400 y", "AxesVisible,ScaleVisible,Svaluevisible,ScaleGuidevisible",
        "1 1 1 1", "NUmber,Base,Linterval", "7 1 1", "High,Low", "5 -5", "----------", "ScaleS",
        "SquareQ AreaRectify PsMesh AxisWidth FontSize AxisOn letterCenterShowPOsition "
        "ShowEquation AxisType PolorNum Areafixed",
        "0 1 0 1 12 0 0 0 0 0 12 0", "----------",
        // function-value and integral windows
        "Yvalue", "1 1", "----------", "Iinterval", "Svalue Evalue sliceNo", "1 -1", "1 1", "40",
        "Dfuncno Efuncno AreaQ", "1 0 0", "----------", "Yvalue Function List", "9", "y1", "y2",
        "y3", "y4", "y5", "y6", "y7", "y8", "y9", "----------",
        // category panels
        "Panel Position", "0 0 0 0 0 0 0 0 1 1 1 1 1 1 1 0", "1", "----------",
        // memo and its text boxes
        "MEMO SECTION", "Style, Color, BGcolor , Size, PositionX, positionY",
        "3 16711680 0 12 0 0 0", "", "2", "hola", "#a:=1", "----------", "11"};
    expected.insert(expected.end(), rest.begin(), rest.end());
    for (int i = 0; i < kMemoBoxes; ++i) expected.push_back("0 0 1");
    expected.push_back("----------");

    EXPECT_EQ(linesOf(list), expected);

    std::vector<std::string> freeLines;
    for (int i : freeText) freeLines.push_back(list.line(i));
    EXPECT_EQ(freeLines, (std::vector<std::string>{"1 fondo.bmp", "P", "0 ", "0 a O", "0 400 x",
                                                   "0 400 y", "hola"}));
}

TEST_F(ProjectTest, WritesNumbersInTheProjectDecimalCharacter) {
    project.engine.decimalChar = ',';
    project.engine.listSeparatorChar = ';';
    project.parameters[2].value = 0.5L;
    TokenLines list;
    writeProject(project, view, list);
    EXPECT_EQ(list.line(1), "[Don't Edit] 3,14");
    int b = 0;
    while (b < list.count() && list.line(b) != "paramater") ++b;
    ASSERT_LT(b + 5, list.count());
    EXPECT_EQ(list.line(b + 4), "0,5 0");
    EXPECT_EQ(list.line(b + 5), "1 1 0,1 1");
}
