#include "CompileFixture.h"

#include <gtest/gtest.h>

using namespace tarlix;

namespace {
class References : public ::testing::Test, protected test::CompileFixture {
protected:
    ExpressionTable doc;

    void set(CompiledExpression& r, const std::string& text, int mode) {
        setSource(r, text, mode, env());
    }
    void setFigure(int n, const std::string& x, const std::string& y) {
        ExpressionTable::Figure& f = doc.figures[static_cast<std::size_t>(n - 1)];
        f.defined = true;
        set(f.x, x, kModePlain - 1);
        set(f.y, y, kModePlain - 1);
        set(f.whole, joinWholePoint(x, y, ','), kModePlain - 1);
        compileFigureParts(f, n, env());
    }
    std::string tokens(const std::string& text) {
        std::string s = text;
        int cursor = 0;
        return tokenize(s, cursor, settings);
    }
    std::string text(const std::string& t) { return detokenize(t, settings); }
};

TEST_F(References, InliningReplacesFunctionAndRelationReferences) {
    set(doc.explicitFunctions[0], "x^2", kModeExplicit);
    set(doc.explicitFunctions[1], "y1+1", kModeExplicit);
    set(doc.relations[0], "x>0 and y>0", kModeRelation);
    set(doc.relations[1], "x<1", kModeRelation);
    EXPECT_EQ(text(inlineReferences(tokens("2y2"), doc)), "2((x^2)+1)");
    EXPECT_EQ(text(inlineReferences(tokens("C1 or C2"), doc)), "x>0 and y>0 or (x<1)");
    EXPECT_EQ(inlineReferences(tokens("y3+1"), doc), ""); // y3 is empty
}

TEST_F(References, CyclesOfDefinitionsAreCut) {
    set(doc.explicitFunctions[0], "y2+1", kModeExplicit);
    set(doc.explicitFunctions[1], "y1*a", kModeExplicit);
    set(doc.userFunctions[0], "g(x)+1", kModeRelation); // f
    set(doc.userFunctions[1], "f(x)*b", kModeRelation); // g
    EXPECT_EQ(inlineReferences(tokens("y1"), doc), "");

    CompiledExpression probe;
    set(probe, "y1+f(2)", kModePlain);
    EXPECT_TRUE(dependsOn(Token::ParamA, probe, doc, settings));
    EXPECT_TRUE(dependsOn(Token::ParamA + 1, probe, doc, settings));
    EXPECT_FALSE(dependsOn(Token::ParamA + 2, probe, doc, settings));
    EXPECT_TRUE(checkCircular(probe, doc, box));
    EXPECT_EQ(messages(), "Referir a la circulation of function");
}

TEST_F(References, DependsOnFollowsFiguresAndUserFunctions) {
    setFigure(1, "a", "b+Q.x"); // P
    setFigure(2, "c", "2");     // Q
    setFigure(3, "x+1", "d");   // R: its x uses itself
    set(doc.userFunctions[0], "x^2+m", kModeRelation);
    CompiledExpression probe;
    set(probe, "Py+f(x)", kModePlain);
    EXPECT_TRUE(dependsOn(Token::ParamA + 1, probe, doc, settings)); // b through P's y
    EXPECT_TRUE(dependsOn(Token::ParamA + 2, probe, doc, settings)); // c through Q.x in P's y
    EXPECT_TRUE(dependsOn(figureToken(2), probe, doc, settings));
    EXPECT_FALSE(dependsOn(Token::ParamA, probe, doc, settings));    // a only in P's x
    EXPECT_TRUE(dependsOn(Token::ParamA + 4, probe, doc, settings)); // m through f

    CompiledExpression inside;
    set(inside, "f(2)", kModePlain);
    EXPECT_FALSE(dependsOn(Token::X, inside, doc, settings)); // f's x is its own argument
    EXPECT_TRUE(dependsOn(Token::X, probe, doc, settings));

    CompiledExpression whole;
    set(whole, "mid(P,R)", kModePlain);
    EXPECT_TRUE(dependsOn(Token::ParamA, whole, doc, settings)); // whole point of P
    EXPECT_TRUE(checkCircular(doc.figures[2].x, doc, box));
    EXPECT_FALSE(checkCircular(probe, doc, box));
}

TEST_F(References, StripOuterBracketsKeepsSeparateGroups) {
    const struct {
        const char* in;
        const char* out;
        bool changed;
    } cases[] = {
        {"((x+1))", "x+1", true}, {"((x)+(y))", "(x)+(y)", true}, {"(x)+(y)", "(x)+(y)", false},
        {"(x)", "(x)", false},    {"(((a)))", "(a)", true},
    };
    for (const auto& c : cases) {
        std::string t = tokens(c.in);
        EXPECT_EQ(stripOuterBrackets(t), c.changed) << c.in;
        EXPECT_EQ(text(t), c.out) << c.in;
    }
}

TEST_F(References, NumberTextsHoldOnlyNumbers) {
    CompiledExpression r;
    for (const char* yes : {"1.5", "(1,2)", "3 4", "-1", "(-1,-2.5)"}) {
        set(r, yes, kModePlain);
        EXPECT_TRUE(isNumberText(r)) << yes;
    }
    for (const char* no : {"", "x", "2+3", "2-3", "-x", "Pi"}) {
        set(r, no, kModePlain);
        EXPECT_FALSE(isNumberText(r)) << no;
    }
}

TEST(WholePoint, JoiningAndSplitting) {
    EXPECT_EQ(joinWholePoint("a", "b+1", ','), "(a,b+1)");
    EXPECT_EQ(joinWholePoint("(mid(P,Q)).x", "(mid(P,Q)).y", ','), "mid(P,Q)");
    EXPECT_EQ(joinWholePoint("(P).x+(Q).x", "(P).y+(Q).y", ','), "((P).x+(Q).x,(P).y+(Q).y)");
    EXPECT_EQ(joinWholePoint("", "", ';'), "");
    std::string x, y;
    splitWholePoint(" (max(1,2),b) ", ',', x, y);
    EXPECT_EQ(x, "max(1,2)");
    EXPECT_EQ(y, "b");
    splitWholePoint("mid(P,Q)", ',', x, y);
    EXPECT_EQ(x, "(mid(P,Q)).x");
    EXPECT_EQ(y, "(mid(P,Q)).y");
    splitWholePoint("(1,2)+(3,4)", ',', x, y);
    EXPECT_EQ(x, "((1,2)+(3,4)).x");
    splitWholePoint("  ", ',', x, y);
    EXPECT_TRUE(x.empty() && y.empty());
}

} // namespace
