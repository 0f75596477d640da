#include "ProjectDump.h"
#include "ProjectFileFixture.h"

using namespace tarlix;
using namespace tarlix::testing;

namespace {

struct FullSession : Session {
    FullSession(char decimalChar = '.') {
        project.engine.decimalChar = decimalChar;
        project.engine.listSeparatorChar = decimalChar == '.' ? ',' : ';';
        project.projectPath = "/tmp/clase/parabola";
        fillEveryField(project, view);
        if (decimalChar != '.') project.memoText[1] = "#a:=max(1;2,5)";
        compileAll(ctx, false);
    }
};

} // namespace

TEST(ProjectRoundTrip, WrittenProjectReadsBackFieldByFieldAndWritesTheSameText) {
    FullSession original;
    TokenLines first;
    writeProject(original.project, original.view, first);

    Session other;
    other.project.projectPath = original.project.projectPath;
    ASSERT_TRUE(readProject(first, other.ctx));
    expectSameLines(dumpProject(other.project, other.view),
                    dumpProject(original.project, original.view));
    EXPECT_TRUE(other.messages.entries.empty());

    TokenLines second;
    writeProject(other.project, other.view, second);
    expectSameLines(linesOf(second), linesOf(first));
    EXPECT_EQ(linesOf(first), linesOf(TokenLines(first))) << "the given list stays intact";
}

TEST(ProjectRoundTrip, DecimalCommaFileKeepsFreeTextAndConvertsNumbersAndScripts) {
    TempFolder dir;
    FullSession original(',');
    original.project.projectPath = dir.file("clase");
    original.project.settings.backgroundFile = dir.file("fondo claro.bmp");
    original.project.parameters[3].value = 0.5L;
    original.project.explicitFunctions[3].expr.source = "max(x;0,5)";
    compileAll(original.ctx, false);
    original.project.modified = true;
    ASSERT_TRUE(saveProject(original.ctx));
    EXPECT_FALSE(original.project.modified);

    const std::string text = readText(dir.file("clase.tlx"));
    for (const char* expected :
         {"[Don't Edit] 3.14\r\n", "\r\nmax(x,0.5)\r\n", "\r\n0.5 0\r\n",
          "\r\nHola, mundo: 1.5 y 2,5\r\n", "\r\n#a:=max(1,2.5)\r\n", "\r\npunto, A 1.5\r\n",
          "\r\n6 L, uno\r\n", "\r\n0 640 tiempo, s\r\n", "\r\n2 fondo claro.bmp\r\n"})
        EXPECT_NE(text.find(expected), std::string::npos) << expected;

    Session comma;
    comma.project.engine.decimalChar = ',';
    comma.project.engine.listSeparatorChar = ';';
    ASSERT_TRUE(openProject(comma.ctx, dir.file("clase.tlx")));
    EXPECT_EQ(comma.project.explicitFunctions[3].expr.source, "max(x;0,5)");
    EXPECT_EQ(comma.project.memoText[1], "#a:=max(1;2,5)");
    expectSameLines(dumpProject(comma.project, comma.view),
                    dumpProject(original.project, original.view));

    // The same file on a machine with a decimal point reads the same numbers.
    Session point;
    ASSERT_TRUE(openProject(point.ctx, dir.file("clase")));
    EXPECT_EQ(point.project.explicitFunctions[3].expr.source, "max(x,0.5)");
    EXPECT_EQ(point.project.parameters[3].value, 0.5L);
    EXPECT_EQ(point.project.memoText[0], "Hola, mundo: 1.5 y 2,5");
}

TEST(ProjectRoundTrip, UndoSnapshotInTheLocaleNotationReadsWithoutConversion) {
    FullSession original(',');
    original.project.parameters[3].value = 0.5L;
    TokenLines snapshot;
    writeProject(original.project, original.view, snapshot);
    ASSERT_NE(std::find(linesOf(snapshot).begin(), linesOf(snapshot).end(), "0,5 0"),
              linesOf(snapshot).end());
    Session other;
    other.project.engine.decimalChar = ',';
    other.project.engine.listSeparatorChar = ';';
    other.project.projectPath = original.project.projectPath;
    ASSERT_TRUE(readProject(snapshot, other.ctx));
    expectSameLines(dumpProject(other.project, other.view),
                    dumpProject(original.project, original.view));
}
