#include "MarkupFixture.h"

#include "document/Project.h"

using namespace tarlix;
using markuptest::MarkupTest;

// Runs are set in Times New Roman at 1.07 times the current size: 21 points for the starting
// 20, 13 points for the 0.6 of sub- and superscripts.
TEST_F(MarkupTest, SuperscriptIsRaisedAndSubscriptSetSmallOnTheLine) {
    draw("a<SUP>2</SUP>+b<SUB>1</SUB>");
    const auto a = run("a"), two = run("2"), plusB = run("+b"), one = run("1");
    EXPECT_EQ(a.font.name, "Times New Roman");
    EXPECT_EQ(a.font.size, 21);
    EXPECT_EQ(two.font.size, 13);
    EXPECT_EQ(one.font.size, 13);
    EXPECT_EQ(plusB.font.size, 21) << "the closing tag restores the size";
    EXPECT_LT(two.top, a.top) << "raised by 0.4 of the height of A";
    EXPECT_GT(one.top, a.top);
    EXPECT_EQ(plusB.top, a.top);
    EXPECT_GT(two.left, a.left);
    EXPECT_GT(one.left, plusB.left);
}

TEST_F(MarkupTest, StyleTagsSetTheRunFont) {
    draw("<b>x</b><I>y</i><u>z</u><L>w</L><s>v</s><symbol>p</symbol>q");
    EXPECT_EQ(run("x").font.style, FontStyle::Bold);
    EXPECT_EQ(run("y").font.style, FontStyle::Italic);
    EXPECT_EQ(run("z").font.style, FontStyle::Underline);
    EXPECT_EQ(run("w").font.size, 28); // 1.3 x 20 = 26, set at 1.07 times
    EXPECT_EQ(run("v").font.size, 15); // 0.7 x 20 = 14
    EXPECT_EQ(run("p").font.name, "Symbol");
    EXPECT_EQ(run("p").font.size, 22); // 1.1 times in symbol mode
    EXPECT_EQ(run("q").font.name, "Times New Roman");
    EXPECT_EQ(run("q").font.style, FontStyle::Plain);
}

TEST_F(MarkupTest, ColourTagsColourTheTextAndABadColourIsText) {
    MarkupOptions options;
    options.defaultColour = 0x123456;
    draw("<Color=#FF8000>a</color>b<Color=#GGHHII>c<RED>d<normal>e", options);
    EXPECT_EQ(run("a").font.color, rgbColor(0xFF, 0x80, 0x00));
    EXPECT_EQ(run("b").font.color, 0x123456u);
    EXPECT_EQ(run("GGHHIIc").font.color, 0x123456u) << "colour unchanged, its characters shown";
    EXPECT_EQ(run("d").font.color, rgbColor(0xFF, 0, 0));
    EXPECT_EQ(run("e").font.color, 0x123456u);
}

TEST_F(MarkupTest, ColoursPassThroughTheOutputsColourRule) {
    env.colour = [](Color) { return kBlack; };
    draw("<RED>a</RED>");
    EXPECT_EQ(run("a").font.color, kBlack);
}

TEST_F(MarkupTest, CommentIsNotShown) {
    draw("ab//cd <b>ef");
    EXPECT_EQ(allText(), "ab");
}

TEST_F(MarkupTest, BothFractionNotationsStackTheSameHalf) {
    std::vector<std::vector<RecordedCall>> drawings;
    for (const char* text : {"~f{1|2}", "<frac>1/2</frac>", "<FRAC>1|2"}) {
        draw(text);
        const auto one = run("1"), two = run("2");
        const auto lines = canvas.lines();
        ASSERT_EQ(lines.size(), 1u) << text;
        const int barY = lines.front().first.y;
        EXPECT_EQ(lines.front().second.y, barY);
        EXPECT_LT(one.top + fontPixelHeight(one.font.size) / 2, barY) << text;
        EXPECT_GT(two.top, barY - 3) << text;
        EXPECT_LT(barY, 100) << "the bar stands above the baseline";
        EXPECT_LE(lines.front().first.x, one.left);
        EXPECT_GE(lines.front().second.x, one.right);
        EXPECT_EQ(one.left, two.left) << "equal widths, equally centred";
        drawings.push_back(canvas.calls());
    }
    ASSERT_EQ(drawings[0].size(), drawings[1].size());
    for (std::size_t i = 0; i < drawings[0].size(); ++i)
        EXPECT_EQ(drawings[0][i].points, drawings[1][i].points);
}

TEST_F(MarkupTest, VectorDrawsAnArrowAlongTheTopOfTheLine) {
    for (const char* text : {"v{AB}", "<V>AB</V>"}) {
        draw(text);
        const auto lines = canvas.lines();
        ASSERT_EQ(lines.size(), 2u) << text;
        const auto [from, to] = lines[0];
        const int top = 100 - fontPixelHeight(20);
        EXPECT_EQ(from, (Point{10, top})) << text;
        EXPECT_EQ(to.y, top);
        EXPECT_GE(to.x, run("AB").right);
        EXPECT_EQ(lines[1].first, to);
        EXPECT_EQ(lines[1].second, (Point{to.x - 10, top - 5})) << "the barb, back and up";
        EXPECT_EQ(canvas.callsOf(CanvasCall::LineTo).front()->pen.width, 1);
    }
}

TEST_F(MarkupTest, FormulaGroupIsTypesetLargerAndAnErrorIsText) {
    draw("y={x^2}");
    const auto x = run("x"), two = run("2");
    EXPECT_EQ(x.font.size, 22) << "1.1 times the size";
    EXPECT_EQ(x.font.style, FontStyle::Bold | FontStyle::Italic);
    EXPECT_LT(two.font.size, x.font.size);
    EXPECT_LT(two.top, x.top);
    draw("a={ error }");
    EXPECT_EQ(allText(), "a= error ");
}

TEST_F(MarkupTest, MeasuringDrawsNothingAndMatchesTheDrawing) {
    const std::string text = "<b>a</b><SUP>2</SUP> + ~f{1|x} {Sqrt(x)} v{PQ}";
    MarkupOptions measuring;
    measuring.draw = false;
    const MarkupExtent measured = draw(text, measuring);
    const int measuredEnd = endX;
    EXPECT_TRUE(canvas.callsOf(CanvasCall::TextOut).empty());
    EXPECT_TRUE(canvas.callsOf(CanvasCall::LineTo).empty());
    const MarkupExtent drawn = draw(text);
    EXPECT_EQ(endX, measuredEnd);
    EXPECT_EQ(measured.top, drawn.top);
    EXPECT_EQ(measured.bottom, drawn.bottom);
    EXPECT_LT(drawn.top, 100);
    EXPECT_GT(drawn.bottom, 100) << "the denominator hangs below the baseline";
    for (const auto& r : runs()) EXPECT_LE(r.right, endX) << r.text;
}

TEST_F(MarkupTest, ExtentsOfNothingAndOfOneRun) {
    const MarkupExtent none = draw("");
    EXPECT_EQ(none.top, 100);
    EXPECT_EQ(none.bottom, 0);
    EXPECT_EQ(endX, 10);
    // hA = 27 pixels (20 points); a 21-point run is h = 28 high: top 100 - 28 + 7 - 5 = 74.
    const MarkupExtent e = draw("ace");
    EXPECT_EQ(run("ace").top, 74);
    EXPECT_EQ(e.top, 74 + 3);
    EXPECT_EQ(e.bottom, 74 + 24) << "0.85 h without descenders";
    EXPECT_EQ(draw("gap").bottom, 74 + 28);
    EXPECT_EQ(endX, 10 + 3 * 14 + 1) << "width plus h / 20";
}

TEST_F(MarkupTest, CanvasFontIsRestoredUnlessKept) {
    draw("<b>x</b>");
    EXPECT_EQ(canvas.font().name, "Arial");
    EXPECT_EQ(canvas.font().size, 20);
    MarkupOptions keep;
    keep.keepFont = true;
    draw("<b>x", keep);
    EXPECT_EQ(canvas.font().name, "Times New Roman");
}

TEST_F(MarkupTest, LinePutsTheBaselineOneFontHeightBelowItsTop) {
    int x = 10;
    drawMarkupLine(canvas, env, x, 40, "ace");
    EXPECT_EQ(run("ace").top, 74 - 100 + 40 + fontPixelHeight(20));
}

TEST(MarkupOfProject, LiveFieldsReadTheProjectsParametersAndFunctions) {
    Project project;
    project.parameters[1].value = 0.5L; // a
    RecordingMessageBox box;
    const CompileEnv compileEnv{project.engine, box};
    setSource(project.userFunctions[1], "2x", kModeRelation, compileEnv); // f
    ParameterValues values;
    const MarkupEnv env = markupEnvOf(project, values);
    EXPECT_EQ(convertMarkup("!{a}, !{f(3)}", kModePlain, env), "{0.5}, {6}");
}

TEST_F(MarkupTest, FractionsNestedPastTheLimitAreShownAsText) {
    std::string text;
    for (int i = 0; i < 40; ++i) text += "~f{1|";
    text += "x";
    draw(text);
    EXPECT_EQ(canvas.lines().size(), 8u) << "one bar for each level drawn stacked";
    EXPECT_TRUE(allText().find("1|1|") != std::string::npos) << allText();
}

namespace {
// Counts the text the drawing hands the platform, which lays out every character it is given.
struct CountingCanvas : RecordingCanvas {
    long calls = 0;
    long characters = 0;
    void textOut(int, int, const std::string& text) override {
        ++calls;
        characters += static_cast<long>(text.size());
    }
    Size textExtent(const std::string& text) override {
        ++calls;
        characters += static_cast<long>(text.size());
        return RecordingCanvas::textExtent(text);
    }
};
} // namespace

// A label of a million tags, or of fractions nested a hundred thousand deep, is drawn with work
// in proportion to its length: a few measurements of each run, and the deep fractions shown as
// text below the nesting drawn.
TEST_F(MarkupTest, HugeLabelsAreDrawnWithWorkInProportionToTheirLength) {
    const auto drawWith = [&](CountingCanvas& c, const std::string& text) {
        c.setFont(Font{"Arial", 20, FontStyle::Plain, kBlack});
        int x = 10;
        drawMarkup(c, env, x, 100, text);
        return x;
    };
    const std::string unit = "<SUP>2</SUP>x<b>";
    std::string million;
    for (int i = 0; i < 250000; ++i) million += unit + "</b>";
    CountingCanvas one, all;
    const int oneEnd = drawWith(one, unit + "</b>");
    const int allEnd = drawWith(all, million);
    EXPECT_EQ(allEnd - 10, 250000 * (oneEnd - 10)) << "every repetition drawn alike";
    EXPECT_LE(all.calls, 250000 * one.calls);
    EXPECT_LE(all.characters, 250000 * one.characters);

    std::string deep;
    for (int i = 0; i < 100000; ++i) deep += "~f{1|";
    CountingCanvas fractions;
    drawWith(fractions, deep);
    EXPECT_LE(fractions.characters, 40 * static_cast<long>(deep.size()));
    EXPECT_LE(fractions.calls, 1000);
}
