#include "FormulaTestCanvas.h"

#include "expression/NestingLimits.h"

#include <gtest/gtest.h>

using namespace tarlix;
using formulatest::FormulaCanvas;

namespace {
bool isNameFace(const Font& f) {
    return f.name == "Times New Roman" && f.style == (FontStyle::Bold | FontStyle::Italic);
}
bool isUpright(const Font& f) {
    return f.name == "Times New Roman" && f.style == FontStyle::Plain;
}
} // namespace

TEST(FormulaDisplay, QuotientTakesTheImplicitProductUnderItsBar) {
    FormulaCanvas f;
    f.draw("1/2x");
    const auto one = f.text("1"), two = f.text("2"), x = f.text("x");
    ASSERT_EQ(f.bars().size(), 1u);
    const auto bar = f.bars().front();
    EXPECT_LE(one.bottom, bar.y);
    EXPECT_GE(two.top, bar.y + bar.thickness);
    EXPECT_GE(x.top, bar.y + bar.thickness);
    EXPECT_EQ(two.top, x.top) << "2 and x share the denominator's line";
    EXPECT_LE(bar.left, two.left);
    EXPECT_GE(bar.right, x.right);
    // The narrower numerator is centred over the denominator.
    EXPECT_NEAR((one.left + one.right) / 2.0, (two.left + x.right) / 2.0, 2);
    EXPECT_EQ(one.font.size, two.font.size);
}

TEST(FormulaDisplay, QuotientWithASpaceLeavesTheFactorOnTheLine) {
    FormulaCanvas f;
    f.draw("1/2 x");
    const auto bar = f.bars().at(0);
    EXPECT_LT(f.text("x").top, bar.y);
    EXPECT_GT(f.text("x").bottom, bar.y) << "x stands beside the fraction, across its bar";
    EXPECT_GT(f.text("x").left, bar.right);
}

TEST(FormulaDisplay, ExponentRunIsRaisedAndSmaller) {
    const struct {
        const char* typed;
        bool yRaised;
    } cases[] = {{"x^2y", true}, {"x^2 y", false}};
    for (const auto& c : cases) {
        FormulaCanvas f;
        f.draw(c.typed);
        const auto x = f.text("x"), two = f.text("2"), y = f.text("y");
        EXPECT_LT(two.font.size, x.font.size) << c.typed;
        EXPECT_EQ(two.font.size, 16) << "0.65 of 24 points";
        EXPECT_LT(two.bottom, x.bottom) << c.typed;
        EXPECT_LT(two.top, x.top) << c.typed;
        EXPECT_EQ(y.top == two.top, c.yRaised) << c.typed;
        EXPECT_EQ(y.font.size == x.font.size, !c.yRaised) << c.typed;
        EXPECT_GE(y.left, two.right) << c.typed;
    }
}

TEST(FormulaDisplay, SquareRootDrawsTheRadicalSignAndABarOverItsArgument) {
    FormulaCanvas f;
    f.draw("Sqrt(x+1)");
    const auto sign = f.text("\xD6");
    const auto x = f.text("x"), one = f.text("1");
    EXPECT_EQ(sign.font.name, "Symbol");
    EXPECT_LE(sign.right, x.left);
    EXPECT_GT(sign.bottom - sign.top, x.bottom - x.top) << "the sign grows with its argument";
    ASSERT_EQ(f.bars().size(), 1u);
    const auto bar = f.bars().front();
    EXPECT_LT(bar.y, x.top);
    EXPECT_LE(bar.left, x.left);
    EXPECT_GE(bar.right, one.right);
    EXPECT_FALSE(f.drew("(")) << "the radical replaces the brackets";
    EXPECT_FALSE(f.drew("Sqrt"));
}

TEST(FormulaDisplay, CubeRootAddsASmallThreeAndConjugateOnlyTheBar) {
    FormulaCanvas f;
    f.draw("Cbrt(x)");
    EXPECT_EQ(f.text("3").font.size, 14) << "0.6 of 24 points";
    EXPECT_TRUE(f.drew("\xD6"));
    f.draw("conj(z)");
    EXPECT_FALSE(f.drew("\xD6"));
    EXPECT_FALSE(f.drew("conj"));
    ASSERT_EQ(f.bars().size(), 1u);
    EXPECT_LT(f.bars().front().y, f.text("z").top);
}

TEST(FormulaDisplay, TwoPointNamesShowAsNormBarsOrUnderAnArrow) {
    FormulaCanvas f;
    f.draw("[PQ]");
    auto names = f.text("PQ"); // side by side, so drawn as one text
    EXPECT_TRUE(isNameFace(names.font));
    int bars = 0;
    for (const auto& t : f.texts())
        if (t.text == "|") {
            ++bars;
            EXPECT_TRUE(t.right <= names.left || t.left >= names.right);
        }
    EXPECT_EQ(bars, 2);
    EXPECT_TRUE(f.bars().empty());

    f.draw("PQ");
    names = f.text("PQ");
    EXPECT_FALSE(f.drew("|"));
    ASSERT_EQ(f.bars().size(), 1u);
    const auto arrow = f.bars().front();
    EXPECT_LT(arrow.y + arrow.thickness, names.top);
    EXPECT_LE(arrow.left, names.left);
    EXPECT_GE(arrow.right, names.right);
    // The head: strokes from the right end back to the left, one up and one down.
    bool up = false, down = false;
    for (const auto& [a, b] : f.canvas.lines())
        if (a.x == arrow.right && b.x < a.x) {
            up = up || b.y < a.y;
            down = down || b.y > a.y;
        }
    EXPECT_TRUE(up && down);
}

TEST(FormulaDisplay, PointNamesApartAreNotAVector) {
    FormulaCanvas f;
    f.draw("P+Q");
    EXPECT_TRUE(f.bars().empty());
    EXPECT_TRUE(f.drew("P"));
    EXPECT_TRUE(f.drew("Q"));
}

TEST(FormulaDisplay, UnrecognisedRestFollowsAsPlainText) {
    FormulaCanvas f;
    const FormulaExtent e = f.draw("x+$");
    const auto x = f.text("x"), plus = f.text("+"), dollar = f.text("$");
    EXPECT_TRUE(isNameFace(x.font));
    EXPECT_TRUE(isUpright(dollar.font));
    EXPECT_GT(dollar.left, plus.right);
    EXPECT_GE(10 + e.width, dollar.right);
}

TEST(FormulaDisplay, SignsComeFromTheSymbolFont) {
    const struct {
        const char* typed;
        const char* sign;
        FontStyle style;
    } cases[] = {
        {"x<=1", "\xA3", FontStyle::Plain},  {"x>=1", "\xB3", FontStyle::Plain},
        {"x<>1", "\xB9", FontStyle::Plain},  {"x-1", "-", FontStyle::Plain},
        {"2Pi", "p", FontStyle::Plain},      {"@+1", "q", FontStyle::Italic},
        {"Gamma(x)", "G", FontStyle::Plain},
    };
    for (const auto& c : cases) {
        FormulaCanvas f;
        f.draw(c.typed);
        const auto s = f.text(c.sign);
        EXPECT_EQ(s.font.name, "Symbol") << c.typed;
        EXPECT_EQ(s.font.style, c.style) << c.typed;
        EXPECT_EQ(s.font.size, 24) << c.typed;
    }
}

TEST(FormulaDisplay, LargeOperatorsStandTallerThanTheText) {
    const struct {
        const char* typed;
        const char* sign;
    } cases[] = {{"Sum(k,1,n,k)", "\xE5"}, {"Product(k,1,n,k)", "P"}, {"Igr(x,0,1,x)", "\xF2"}};
    for (const auto& c : cases) {
        FormulaCanvas f;
        f.draw(c.typed);
        const auto s = f.text(c.sign);
        EXPECT_EQ(s.font.name, "Symbol") << c.typed;
        EXPECT_GT(s.font.size, 24) << c.typed;
    }
}

TEST(FormulaDisplay, BinaryOperatorsGetThreeSpacingUnitsEachSide) {
    FormulaCanvas f;
    f.draw("x+y");
    const int unit = fontPixelHeight(24) / 10; // 32 pixels: 3
    EXPECT_EQ(f.text("+").left - f.text("x").right, 3 * unit);
    EXPECT_EQ(f.text("y").left - f.text("+").right, 3 * unit);
}

// A sign that opens a coordinate or an argument is unary: it sits against its number, while
// a minus between two terms keeps its gaps.
TEST(FormulaDisplay, ASignAfterACommaIsUnary) {
    FormulaCanvas f;
    f.draw("(1,-2)-3");
    std::vector<formulatest::DrawnText> signs;
    for (const auto& t : f.texts())
        if (FormulaCanvas::trimmed(t.text) == "-") signs.push_back(t);
    ASSERT_EQ(signs.size(), 2u);
    const int unit = fontPixelHeight(24) / 10;
    EXPECT_EQ(f.text("2").left, signs[0].right) << "no gap after the coordinate's sign";
    EXPECT_EQ(f.text("3").left - signs[1].right, 3 * unit);
}

TEST(FormulaDisplay, BracketsAndBarsGrowWithTheirContentAndAPoweredFractionKeepsThem) {
    FormulaCanvas f;
    f.draw("(x/2)^2+abs(1/y)");
    int grown = 0;
    for (const auto& t : f.texts())
        if (t.text == "(" || t.text == ")" || t.text == "|") {
            EXPECT_GT(t.font.size, 24) << t.text;
            ++grown;
        }
    EXPECT_EQ(grown, 4);
}

TEST(FormulaDisplay, VariablesAreBoldItalicAndNumbersAndFunctionNamesUpright) {
    FormulaCanvas f;
    f.draw("2.5a+sin(b)+f(x)+y3");
    EXPECT_TRUE(isUpright(f.text("2.5").font)) << "a number is one text, from its slot";
    EXPECT_TRUE(isUpright(f.text("sin").font));
    EXPECT_TRUE(isNameFace(f.text("a").font));
    EXPECT_TRUE(isNameFace(f.text("b").font));
    EXPECT_TRUE(isNameFace(f.text("f").font));
    EXPECT_TRUE(isNameFace(f.text("y3").font));
}

TEST(FormulaDisplay, MaskFlagDrawsLinesInTheMaskMode) {
    for (bool mask : {false, true}) {
        FormulaCanvas f;
        f.draw("1/x", {24, 0x0000FF, mask});
        const auto lines = f.canvas.callsOf(CanvasCall::LineTo);
        ASSERT_FALSE(lines.empty());
        for (const RecordedCall* line : lines) {
            EXPECT_EQ(line->pen.mode, mask ? PenMode::Mask : PenMode::Copy);
            EXPECT_EQ(line->pen.color, 0x0000FFu);
        }
        ASSERT_EQ(f.bars().size(), 1u);
        EXPECT_EQ(f.bars().front().thickness, 2) << "size / 15 pixels";
        EXPECT_EQ(f.text("x").font.color, 0x0000FFu);
    }
}

TEST(FormulaDisplay, MeasuringDrawsNothingAndAgreesWithDrawing) {
    FormulaCanvas f;
    const auto prepared = prepareFormula(f.tokensOf("Sqrt(1/x)+y^2"), f.settings);
    const FormulaExtent measured = drawFormulaAt(f.canvas, prepared, {}, 10, 100, false);
    EXPECT_TRUE(f.canvas.callsOf(CanvasCall::TextOut).empty());
    EXPECT_TRUE(f.canvas.callsOf(CanvasCall::LineTo).empty());
    const FormulaExtent drawn = drawFormulaAt(f.canvas, prepared, {}, 10, 100, true);
    EXPECT_EQ(measured.width, drawn.width);
    EXPECT_EQ(measured.top, drawn.top);
    EXPECT_EQ(measured.bottom, drawn.bottom);
    for (const auto& t : f.texts()) {
        EXPECT_GE(t.top, drawn.top) << t.text;
        EXPECT_LE(t.right, 10 + drawn.width) << t.text;
    }
}

TEST(FormulaDisplay, TextNestedPastTheLimitIsShownPlainly) {
    FormulaCanvas f;
    const std::string deep = std::string(300, '(') + "x" + std::string(300, ')');
    f.draw(deep);
    ASSERT_EQ(f.texts().size(), 1u);
    EXPECT_EQ(f.texts().front().text.size(), 601u);
}

TEST(FormulaImage, FormulaTallerThanTheImageIsDrawnSmallerToFit) {
    FormulaCanvas f;
    RecordingCanvas image(600, 40);
    const std::string tokens = f.tokensOf("1/(1+1/(1+1/x))");
    const Rect drawn = drawFormula(image, tokens, f.settings, {24, kBlack, false});
    EXPECT_GE(drawn.top, 0);
    EXPECT_LE(drawn.bottom, 40);
    int largest = 0;
    for (const RecordedCall* c : image.callsOf(CanvasCall::TextOut)) {
        largest = std::max(largest, c->font.size);
        EXPECT_GE(c->points.front().y, 0) << c->text;
        EXPECT_LE(c->points.front().y + fontPixelHeight(c->font.size), 40) << c->text;
    }
    EXPECT_LT(largest, 24);
    // The image was cleared first.
    const auto fills = image.callsOf(CanvasCall::FillRect);
    ASSERT_FALSE(fills.empty());
    EXPECT_EQ(fills.front()->rect, (Rect{0, 0, 600, 40}));
    EXPECT_EQ(fills.front()->brush.color, kWhite);
}

TEST(FormulaImage, FormulaThatOnlySticksOutIsMovedInsideAtItsSize) {
    FormulaCanvas f;
    // A line of 24 points is 32 pixels; the exponent makes it taller but below 50.
    RecordingCanvas image(600, 50);
    const Rect drawn = drawFormula(image, f.tokensOf("x^2"), f.settings, {24, kBlack, false});
    EXPECT_GE(drawn.top, 0);
    EXPECT_LE(drawn.bottom, 50);
    EXPECT_EQ(drawn.left, 3);
    for (const RecordedCall* c : image.callsOf(CanvasCall::TextOut))
        EXPECT_EQ(c->font.size, c->text == "x" ? 24 : 16);
}

TEST(FormulaDisplay, UnfinishedAndOddTextsAreDrawnWithinTheirExtent) {
    const char* texts[] = {"",        "x+(",
                           ")(",      "^2",
                           "1/",      "/x",
                           "x^",      "Sqrt",
                           "Sqrt(",   "sin^",
                           "sin^2",   "f'",
                           "x^-",     "((((",
                           "))))",    ",,,",
                           "VEC(P)",  "NORM()",
                           "Sum(",    "P Q",
                           "[P",      "abs()",
                           "1/2/3/4", "x^2^3^4",
                           "conj",    "e^(-x^2/2)/Sqrt(2Pi)"};
    for (const char* t : texts) {
        FormulaCanvas f;
        const FormulaExtent e = f.draw(t);
        EXPECT_LE(e.top, 200) << t;
        EXPECT_GE(e.bottom, e.top) << t;
        for (const auto& d : f.texts()) {
            EXPECT_GE(d.left, 10) << t << ": " << d.text;
            EXPECT_LE(d.right, 10 + e.width) << t << ": " << d.text;
        }
    }
}

// Brackets, bars and radicals grow with what they enclose, a fifth at every level: a formula
// whose signs would grow past any picture is shown plainly, and one just within keeps its
// grown signs, at any size the tools allow.
TEST(FormulaDisplay, SignsGrownPastAnyPictureShowTheFormulaPlainly) {
    const auto nested = [](const std::string& open, int levels) {
        std::string text;
        for (int i = 0; i < levels; ++i) text += open;
        return text + "x" + std::string(static_cast<std::size_t>(levels), ')');
    };
    // Brackets around a single part only group it and are not drawn; fractions do not grow.
    const struct {
        std::string text;
        bool plain;
    } cases[] = {
        {nested("(1+", 16), false},   {nested("(1+", 17), true},
        {nested("Sqrt(", 16), false}, {nested("Sqrt(", 80), true},
        {nested("abs(", 17), true},   {nested("(1/(", 40) + std::string(40, ')'), false},
    };
    for (const auto& c : cases)
        for (int size : {4, 24, 200}) {
            FormulaCanvas f;
            f.draw(c.text, {size, kBlack, false});
            const bool plain = f.texts().size() == 1 && f.texts().front().text.size() > 40;
            EXPECT_EQ(plain, c.plain) << c.text << " at " << size;
            for (const auto& t : f.texts())
                EXPECT_LT(fontPixelHeight(t.font.size), 1 << 16) << c.text << " at " << size;
        }
}

// The display shows no longer a text as a formula than the compiler takes, and shows only the
// beginning of a text too long to read.
TEST(FormulaDisplay, TextsLongerThanTheCompilerTakesAreShownPlainlyAndCut) {
    std::string sum = "x";
    while (sum.size() <= kMaxExpressionTokens) sum += "+x";
    FormulaCanvas f;
    f.draw(sum);
    ASSERT_EQ(f.texts().size(), 1u);
    EXPECT_LT(f.texts().front().text.size(), sum.size());
    EXPECT_EQ(f.texts().front().text.substr(0, 6), "x+x+x+");

    FormulaCanvas within;
    within.draw(sum.substr(0, 201));
    EXPECT_GT(within.texts().size(), 1u) << "a long sum within the limit is a formula";
}
