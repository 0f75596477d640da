#include "expression/functions/Operators.h"
#include "expression/functions/Builtins.h"
#include "expression/functions/ValueChecks.h"

#include <gtest/gtest.h>

using namespace tarlix;
using namespace tarlix::testing;

namespace {

struct BinaryCase {
    const char* what;
    Builtin op;
    Value a, b;
    bool complexMode;
    Value expected; // compared field by field
};

Value applyWith(Builtin op, const Value& a, const Value& b, bool complexMode) {
    EngineSettings s;
    s.complexMode = complexMode;
    return applyBinary(op, a, b, FunctionContext{s});
}

const Value kTypeError = makeUndefined(ValueKind::TypeError);
const Value kSignedZero{ValueKind::SignedZero, 0, 0, 1};

} // namespace

TEST(Operators, ArithmeticFollowsTheKindsOfItsOperands) {
    const BinaryCase cases[] = {
        {"a real scales a point", Builtin::Multiply, R(2), P(1, 2), false, P(2, 4)},
        {"a point times a real is a type error", Builtin::Multiply, P(1, 2), R(2), false,
         kTypeError},
        {"a point times a real with ComplexMode", Builtin::Multiply, P(1, 2), R(2), true, P(2, 4)},
        {"two points give the inner product", Builtin::Multiply, P(1, 2), P(3, 4), false, R(11)},
        {"two pairs give the complex product", Builtin::Multiply, P(1, 2), P(3, 4), true,
         P(-5, 10)},
        {"cross sign refuses two points", Builtin::Cross, P(1, 2), P(3, 4), false, kTypeError},
        {"cross sign multiplies complex numbers", Builtin::Cross, P(1, 2), P(3, 4), true,
         P(-5, 10)},
        {"cross sign scales by a real", Builtin::Cross, R(3), P(1, 2), false, P(3, 6)},
        {"a point divided by a real", Builtin::Divide, P(2, 4), R(2), false, P(1, 2)},
        {"no division by a point", Builtin::Divide, R(2), P(1, 1), false, kTypeError},
        {"complex quotient", Builtin::Divide, R(2), P(1, 1), true, P(1, -1)},
        {"division by zero", Builtin::Divide, R(1), R(0), false, makeUndefined(ValueKind::Real)},
        {"real plus pair without ComplexMode", Builtin::Add, R(1), P(1, 2), false, kTypeError},
        {"real plus pair with ComplexMode", Builtin::Add, R(1), P(1, 2), true, P(2, 2)},
        {"leading minus negates a point", Builtin::Subtract, kSignedZero, P(1, 2), false,
         P(-1, -2)},
        {"leading minus negates a real", Builtin::Subtract, kSignedZero, R(5), false, R(-5)},
        {"undefined operand keeps the left kind", Builtin::Add, makeUndefined(ValueKind::Pair),
         P(1, 1), false, makeUndefined(ValueKind::Pair)},
        {"overflow is undefined", Builtin::Multiply, R(1e2400L), R(1e2400L), false,
         makeUndefined(ValueKind::Real)},
        {"VEC is the vector from P to Q", Builtin::VEC, P(1, 1), P(4, 5), false, P(3, 4)},
        {"CPS pairs two reals", Builtin::CPS, R(1), R(2), false, P(1, 2)},
        {"CPS refuses a point", Builtin::CPS, P(1, 2), R(2), false, kTypeError},
    };
    for (const BinaryCase& c : cases) {
        const Value r = applyWith(c.op, c.a, c.b, c.complexMode);
        EXPECT_EQ(r.kind, c.expected.kind) << c.what;
        EXPECT_EQ(r.valid, c.expected.valid) << c.what;
        if (c.expected.valid) {
            EXPECT_EQ(r.x, c.expected.x) << c.what;
            EXPECT_EQ(r.y, c.expected.y) << c.what;
        }
    }
}

TEST(Operators, ComparisonsGiveOneOrUndefinedAndLogicActsOnDefinedness) {
    const Value undefined = makeUndefined(ValueKind::Real);
    EXPECT_TRUE(isReal(applyWith(Builtin::Less, R(1), R(2), false), 1));
    EXPECT_TRUE(isUndefined(applyWith(Builtin::Less, R(2), R(1), false)));
    EXPECT_TRUE(isReal(notValue(applyWith(Builtin::Less, R(2), R(1), false)), 1));
    EXPECT_TRUE(isUndefined(notValue(R(7))));
    EXPECT_TRUE(isReal(applyWith(Builtin::GreaterEqual, R(2), R(2), false), 1));
    EXPECT_TRUE(isTypeError(applyWith(Builtin::Less, P(0, 0), R(1), false)));

    EXPECT_TRUE(isReal(applyWith(Builtin::Equal, R(1), R(1 + 1e-9L), false), 1));
    EXPECT_TRUE(isUndefined(applyWith(Builtin::Equal, R(1), R(1.1L), false)));
    EXPECT_TRUE(isPair(applyWith(Builtin::Equal, P(3, 2), P(3, 2), false), 1, 2));
    EXPECT_TRUE(isUndefined(applyWith(Builtin::Equal, P(3, 2), P(3, 2.5L), false)));
    EXPECT_TRUE(isTypeError(applyWith(Builtin::Equal, P(1, 2), R(1), false)));
    EXPECT_TRUE(isReal(applyWith(Builtin::NotEqual, R(1), R(2), false), 1));
    EXPECT_TRUE(isPair(applyWith(Builtin::NotEqual, P(0, 1), P(0, 2), false), 1, 1));
    EXPECT_TRUE(isUndefined(applyWith(Builtin::NotEqual, R(1), R(1), false)));

    EXPECT_TRUE(isUndefined(applyWith(Builtin::And, R(1), undefined, false)));
    EXPECT_TRUE(isReal(applyWith(Builtin::And, R(2), R(1), false), 2));
    EXPECT_TRUE(isReal(applyWith(Builtin::Or, undefined, R(3), false), 3));
    EXPECT_TRUE(isReal(applyWith(Builtin::Or, R(1), R(3), false), 3));
    EXPECT_TRUE(isUndefined(applyWith(Builtin::Or, undefined, undefined, false)));
}

TEST(Operators, ModTakesTheSignOfTheDivisor) {
    const struct {
        Extended a, b, expected;
    } cases[] = {{-7, 3, 2}, {7, -3, -2}, {7, 3, 1}, {-7, -3, -1}, {-6, 3, 0}, {2.5L, 2, 0}};
    for (const auto& c : cases)
        EXPECT_TRUE(isReal(applyWith(Builtin::Mod, R(c.a), R(c.b), false), c.expected))
            << static_cast<double>(c.a) << " mod " << static_cast<double>(c.b);
    EXPECT_TRUE(isUndefined(applyWith(Builtin::Mod, R(7), R(0), false)));
    EXPECT_TRUE(isUndefined(applyWith(Builtin::Mod, R(3e9L), R(2), false)));
    EXPECT_TRUE(isUndefined(applyWith(Builtin::Mod, R(-2147483647), R(2), false)));
}

TEST(Operators, ComponentsAndDegrees) {
    EngineSettings s;
    EXPECT_TRUE(isReal(componentY(P(1, 2), s), 2));
    EXPECT_TRUE(isUndefined(componentX(R(5), s)));
    s.complexMode = true;
    EXPECT_TRUE(isReal(componentX(R(5), s), 5));
    EXPECT_TRUE(isReal(componentY(R(5), s), 0));
    s.angleMode = AngleMode::Radians;
    EXPECT_TRUE(isReal(degreeValue(R(180), s), kPi, 1e-18L));
    s.angleMode = AngleMode::Degrees;
    EXPECT_TRUE(isReal(degreeValue(R(180), s), 180));
}
