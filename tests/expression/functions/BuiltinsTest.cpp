#include "expression/functions/Builtins.h"
#include "expression/functions/ValueChecks.h"

#include <gtest/gtest.h>

#include <set>
#include <string>
#include <utility>

using namespace tarlix;
using namespace tarlix::testing;

namespace {

class FakeView : public ViewArea {
public:
    Extended areaBound(int k) const override { return 10 * (k + 1); }
};

class FakeSteps : public ParameterSteps {
public:
    Extended parameterStep(int k) const override { return k / 100.0L; }
};

} // namespace

TEST(Builtins, TableNamesEveryOperatorAndFunctionOnce) {
    std::set<std::pair<std::string, BuiltinArity>> seen;
    std::set<Builtin> ids;
    int counts[3] = {0, 0, 0};
    for (const BuiltinInfo& info : builtinTable()) {
        EXPECT_TRUE(seen.insert({std::string(info.name), info.arity}).second) << info.name;
        EXPECT_TRUE(ids.insert(info.id).second) << info.name;
        EXPECT_EQ(arityOf(info.id), info.arity) << info.name;
        ++counts[static_cast<int>(info.arity)];
    }
    EXPECT_EQ(counts[0], 5 + 4 + 23); // postfix, inverse group, one-argument functions
    EXPECT_EQ(counts[1], 16 + 7 + 1); // operators, two-argument functions, log(base, x)
    EXPECT_EQ(counts[2], 24);
    EXPECT_EQ(findBuiltin("log", BuiltinArity::Unary), Builtin::Log);
    EXPECT_EQ(findBuiltin("log", BuiltinArity::Binary), Builtin::LogBase);
    EXPECT_EQ(findBuiltin("\xB7", BuiltinArity::Binary), Builtin::Multiply);
    EXPECT_EQ(findBuiltin("\xB0", BuiltinArity::Unary), Builtin::Degree);
    EXPECT_FALSE(findBuiltin("sin", BuiltinArity::Binary).has_value());
}

TEST(Builtins, DispatchReachesTheFunctionsAndTheirSources) {
    const EngineSettings s;
    const FunctionContext bare{s};
    RandomState random(1);
    const FakeView view;
    const FakeSteps steps;
    const FunctionContext full{s, &random, &view, &steps};

    EXPECT_TRUE(isReal(applyBinary(Builtin::Power, R(2), R(10), bare), 1024));
    EXPECT_TRUE(isReal(applyBinary(Builtin::LogBase, R(2), R(8), bare), 3));
    EXPECT_TRUE(isReal(applyBinary(Builtin::NORM, P(1, 1), P(4, 5), bare), 5));
    EXPECT_TRUE(isReal(applyUnary(Builtin::Negate, R(2), bare), -2));
    EXPECT_TRUE(isPair(applyUnary(Builtin::PartR, P(1, 2), bare), 1, 2));
    EXPECT_TRUE(isReal(applyMulti(Builtin::Max, {R(1), R(4)}, bare), 4));

    EXPECT_TRUE(isUndefined(applyUnary(Builtin::Rnd, R(1), bare)));
    EXPECT_TRUE(applyUnary(Builtin::Rnd, R(1), full).valid);
    EXPECT_TRUE(isUndefined(applyUnary(Builtin::Area, R(0), bare)));
    EXPECT_TRUE(isReal(applyUnary(Builtin::Area, R(2.4L), full), 30));
    EXPECT_TRUE(isReal(applyUnary(Builtin::Area, R(-0.4L), full), 10)); // Int(k + 0.5)
    EXPECT_TRUE(isUndefined(applyUnary(Builtin::Area, R(3.5L), full)));
    EXPECT_TRUE(isTypeError(applyUnary(Builtin::Area, P(1, 1), full)));
    EXPECT_TRUE(isReal(applyUnary(Builtin::Step, R(3), full), 0.03L));
    EXPECT_TRUE(isUndefined(applyUnary(Builtin::Step, R(15), full)));
}

TEST(Builtins, ArgumentsTakenForEachCount) {
    EXPECT_EQ(argumentsTaken(Builtin::Det, 3), 2);
    EXPECT_EQ(argumentsTaken(Builtin::Det, 4), 4);
    EXPECT_EQ(argumentsTaken(Builtin::Len, 1), 1);
    EXPECT_EQ(argumentsTaken(Builtin::Rot, 2), 2);
    EXPECT_EQ(argumentsTaken(Builtin::Rot, 5), 3);
    EXPECT_EQ(argumentsTaken(Builtin::Solut4, 6), 6);
    EXPECT_EQ(argumentsTaken(Builtin::Proj, 3), 4);
    EXPECT_EQ(argumentsTaken(Builtin::Proj, 5), 5);
    EXPECT_EQ(argumentsTaken(Builtin::Bezier, 7), 5);
    EXPECT_EQ(argumentsTaken(Builtin::Max, 20), 14);
}

TEST(Builtins, UndefinedOperandsGiveUndefinedResults) {
    EngineSettings s;
    RandomState random(1);
    const FakeView view;
    const FakeSteps steps;
    const Value undefinedReal = makeUndefined(ValueKind::Real),
                undefinedPair = makeUndefined(ValueKind::Pair);
    for (bool complexMode : {false, true}) {
        s.complexMode = complexMode;
        const FunctionContext c{s, &random, &view, &steps};
        for (const BuiltinInfo& info : builtinTable()) {
            const Builtin id = info.id;
            if (info.arity == BuiltinArity::Unary && id != Builtin::Not) {
                EXPECT_FALSE(applyUnary(id, undefinedReal, c).valid) << info.name;
                EXPECT_FALSE(applyUnary(id, undefinedPair, c).valid) << info.name;
            } else if (info.arity == BuiltinArity::Binary && id != Builtin::Or) {
                for (const Value& defined : {R(2), P(1, 2)}) {
                    EXPECT_FALSE(applyBinary(id, undefinedReal, defined, c).valid) << info.name;
                    EXPECT_FALSE(applyBinary(id, defined, undefinedPair, c).valid) << info.name;
                }
            } else if (info.arity == BuiltinArity::Multi && id != Builtin::Max &&
                       id != Builtin::Min) {
                const ValueArray reals{R(1), R(2), undefinedReal, R(0.5L), R(0.25L)};
                const ValueArray points{P(1, 2), undefinedPair, P(3, 1), R(1)};
                EXPECT_FALSE(applyMulti(id, reals, c).valid) << info.name;
                EXPECT_FALSE(applyMulti(id, points, c).valid) << info.name;
            }
        }
    }
}
