#include "ProjectDump.h"
#include "ProjectFileFixture.h"

using namespace tarlix;
using namespace tarlix::testing;

namespace {

struct FullSession : Session {
    FullSession(char decimalChar = '.') {
        project.Engine.DecimalChar = decimalChar;
        project.Engine.ListSeparatorChar = decimalChar == '.' ? ',' : ';';
        project.ProjectPath = "/tmp/clase/parabola";
        fillEveryField(project, view);
        if (decimalChar != '.') project.MemoText[1] = "#a:=max(1;2,5)";
        compileAll(ctx, false);
    }
};

} // namespace

TEST(ProjectRoundTrip, WrittenProjectReadsBackFieldByFieldAndWritesTheSameText) {
    FullSession original;
    TokenLines first;
    WriteProject(original.project, original.view, first);

    Session other;
    other.project.ProjectPath = original.project.ProjectPath;
    ASSERT_TRUE(ReadProject(first, other.ctx));
    expectSameLines(dumpProject(other.project, other.view),
                    dumpProject(original.project, original.view));
    EXPECT_TRUE(other.messages.entries.empty());

    TokenLines second;
    WriteProject(other.project, other.view, second);
    expectSameLines(linesOf(second), linesOf(first));
    EXPECT_EQ(linesOf(first), linesOf(TokenLines(first))) << "the given list stays intact";
}

TEST(ProjectRoundTrip, DecimalCommaFileKeepsFreeTextAndConvertsNumbersAndScripts) {
    TempFolder dir;
    FullSession original(',');
    original.project.ProjectPath = dir.file("clase");
    original.project.Settings.BGfile = dir.file("fondo claro.bmp");
    original.project.Parameters[3].Value = 0.5L;
    original.project.YFunctions[3].Expr.Source = "max(x;0,5)";
    compileAll(original.ctx, false);
    original.project.Modified = true;
    ASSERT_TRUE(SaveProject(original.ctx));
    EXPECT_FALSE(original.project.Modified);

    const std::string text = readText(dir.file("clase.tlx"));
    for (const char* expected :
         {"[Don't Edit] 3.14\r\n", "\r\nmax(x,0.5)\r\n", "\r\n0.5 0\r\n",
          "\r\nHola, mundo: 1.5 y 2,5\r\n", "\r\n#a:=max(1,2.5)\r\n", "\r\npunto, A 1.5\r\n",
          "\r\n6 L, uno\r\n", "\r\n0 640 tiempo, s\r\n", "\r\n2 fondo claro.bmp\r\n"})
        EXPECT_NE(text.find(expected), std::string::npos) << expected;

    Session comma;
    comma.project.Engine.DecimalChar = ',';
    comma.project.Engine.ListSeparatorChar = ';';
    ASSERT_TRUE(OpenProject(comma.ctx, dir.file("clase.tlx")));
    EXPECT_EQ(comma.project.YFunctions[3].Expr.Source, "max(x;0,5)");
    EXPECT_EQ(comma.project.MemoText[1], "#a:=max(1;2,5)");
    expectSameLines(dumpProject(comma.project, comma.view),
                    dumpProject(original.project, original.view));

    // The same file on a machine with a decimal point reads the same numbers.
    Session point;
    ASSERT_TRUE(OpenProject(point.ctx, dir.file("clase")));
    EXPECT_EQ(point.project.YFunctions[3].Expr.Source, "max(x,0.5)");
    EXPECT_EQ(point.project.Parameters[3].Value, 0.5L);
    EXPECT_EQ(point.project.MemoText[0], "Hola, mundo: 1.5 y 2,5");
}

TEST(ProjectRoundTrip, UndoSnapshotInTheLocaleNotationReadsWithoutConversion) {
    FullSession original(',');
    original.project.Parameters[3].Value = 0.5L;
    TokenLines snapshot;
    WriteProject(original.project, original.view, snapshot);
    ASSERT_NE(std::find(linesOf(snapshot).begin(), linesOf(snapshot).end(), "0,5 0"),
              linesOf(snapshot).end());
    Session other;
    other.project.Engine.DecimalChar = ',';
    other.project.Engine.ListSeparatorChar = ';';
    other.project.ProjectPath = original.project.ProjectPath;
    ASSERT_TRUE(ReadProject(snapshot, other.ctx));
    expectSameLines(dumpProject(other.project, other.view),
                    dumpProject(original.project, original.view));
}
