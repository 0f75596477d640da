#include "EvalFixture.h"
#include "expression/eval/LagrangePolynomial.h"

#include <cmath>

namespace tarlix {
namespace {

using StackMachine = EvalFixture;

struct RealCase {
    const char* text;
    Extended expected;
};

TEST_F(StackMachine, PlainExpressionsLoopsAndAggregates) {
    parameters.value(6) = 3; // n
    const RealCase cases[] = {
        {"1+2*3", 7},
        {"-2^2", -4},
        {"Sum(k,1,10,k)", 55},
        {"Product(k,1,5,k)", 120},
        {"Sum(k,3,1,k)", 0},
        {"Product(k,3,1,k)", 1},
        {"Sum(k,1,n,Sum(m,1,k,m))", 10},
        {"cof(1,(x+3)^2)", 6},
        {"cof(0,(x+3)^2)", 9},
        {"cof(6,x^6-x)", 1},
        {"sol(x^2=4,1)", -2},
        {"sol(x^2=4,2)", 2},
        {"sol(2x+1=0)", -0.5L},
        {"P(1,1)", 2},
        {"P.y", 3},
    };
    definePoint(1, "(2,3)");
    for (const RealCase& c : cases) {
        const Value v = calc(c.text);
        ASSERT_TRUE(v.valid) << c.text;
        EXPECT_EQ(v.kind, ValueKind::Real) << c.text;
        EXPECT_NEAR(static_cast<double>(v.x), static_cast<double>(c.expected), 1e-12) << c.text;
    }
    EXPECT_EQ(parameters.value(4), 0) << "the bound variable m gets its value back";
}

TEST_F(StackMachine, UndefinedResults) {
    const char* cases[] = {"cof(7,x^7)", "sol(x^5=1,1)", "sol(x^2=-4,1)", "P(30,1)",
                           "x+1",        "1/0",          "Sum(k,1,1/0,k)"};
    for (const char* text : cases) EXPECT_FALSE(calc(text).valid) << text;
    const Value p = calc("P(30,0)");
    EXPECT_FALSE(p.valid);
    EXPECT_EQ(p.kind, ValueKind::Pair);
    CompiledExpression empty;
    const Value e = evaluator.evaluate(empty, makeReal(1));
    EXPECT_FALSE(e.valid);
    EXPECT_EQ(e.kind, ValueKind::Real);
}

TEST_F(StackMachine, SimpsonSkipsUndefinedSamples) {
    EXPECT_NEAR(static_cast<double>(calc("Igr(x,0,1,x^2)").x), 1.0 / 3, 1e-15);
    // 1/x is undefined at 0 only; the other samples still add up.
    const Value v = calc("Igr(x,0,1,1/x)");
    ASSERT_TRUE(v.valid);
    EXPECT_GT(v.x, 2);
    parameters.value(1) = 7;
    EXPECT_NEAR(static_cast<double>(calc("Igr(a,0,2,a)").x), 2, 1e-15);
    EXPECT_EQ(parameters.value(1), 7) << "a parameter bound by the integral is restored";
}

TEST_F(StackMachine, DerivativesAndAntiderivativeOfUserFunctions) {
    defineUser(1, "x^3");   // f
    defineUser(2, "sin x"); // g
    EXPECT_NEAR(static_cast<double>(calc("f'(2)").x), 12, 1e-12);
    EXPECT_NEAR(static_cast<double>(calc("f''(2)").x), 12, 1e-12);
    EXPECT_NEAR(static_cast<double>(calc("F(2)").x), 4, 1e-12);
    EXPECT_NEAR(static_cast<double>(calc("F(0.5)").x), 0.015625, 1e-12);
    EXPECT_NEAR(static_cast<double>(calc("g'(0)").x), 1, 1e-10);
    EXPECT_FALSE(calc("G(1)").valid);
    EXPECT_FALSE(calc("f'(x)").valid) << "x is undefined";
}

TEST_F(StackMachine, ReferencesToFunctionsFiguresAndUserFunctions) {
    defineExplicit(1, "x^2");
    defineExplicit(2, "y1+1");
    defineUser(1, "x+y");
    EXPECT_EQ(at("y2", 3).x, 10);
    EXPECT_EQ(calc("f(2,5)").x, 7);
    EXPECT_EQ(calc("f((2,5))").x, 7) << "a pair argument spreads over x and y";
    definePoint(2, "(1,2)");
    const Value q = calc("Q");
    EXPECT_EQ(q.kind, ValueKind::Pair);
    EXPECT_EQ(q.y, 2);
}

TEST_F(StackMachine, CyclesThroughReferencesAreCutAndUndefined) {
    definePoint(1, "(Px+1,2)");
    EXPECT_FALSE(calc("P.x").valid);
    EXPECT_FALSE(calc("P").valid);
    defineExplicit(1, "y2+y2");
    defineExplicit(2, "y1*y1");
    EXPECT_FALSE(at("y1", 1).valid);
    defineUser(1, "f(x)+f(x)");
    EXPECT_FALSE(calc("f(1)").valid);
    EXPECT_EQ(calc("Py").x, 2) << "the other coordinate stays defined";
}

TEST_F(StackMachine, LagrangePolynomialThroughPointsAndOverARow) {
    const Extended nodes[] = {0, 1, 2};
    const Value values[] = {makeReal(1), makeReal(2), makeReal(5)}; // 1 + t^2
    LagrangePolynomial p;
    p.buildFromPoints(nodes, values);
    ASSERT_TRUE(p.valid());
    EXPECT_NEAR(static_cast<double>(p.evaluate(3).x), 10, 1e-15);
    EXPECT_NEAR(static_cast<double>(p.integral(3).x), 12, 1e-15);
    const Value ts[] = {makeReal(-1), makeUndefined(ValueKind::Real)};
    Value row[2];
    p.evaluateRow(ts, row);
    EXPECT_NEAR(static_cast<double>(row[0].x), 2, 1e-15);
    EXPECT_FALSE(row[1].valid);
    const Extended repeated[] = {0, 1, 1};
    p.buildFromPoints(repeated, values);
    EXPECT_FALSE(p.valid());
    EXPECT_FALSE(p.evaluate(0).valid);
    // Built from an expression: a polynomial passes the check, anything else fails it.
    p.build(evaluator, compiled("x^3-x", kModeRelation), 4, -1, 2, makeReal(0), makeReal(0),
            makeReal(0));
    EXPECT_TRUE(p.valid());
    p.build(evaluator, compiled("exp x", kModeRelation), 4, -1, 2, makeReal(0), makeReal(0),
            makeReal(0));
    EXPECT_FALSE(p.valid());
}

} // namespace
} // namespace tarlix
