#include "render/DirtyPropagation.h"

#include "document/ObjectTokens.h"
#include "document/ParamTable.h"
#include "figures/FigureFixture.h"

using namespace tarlix;

namespace {

struct DirtyPropagationTest : tarlix::testing::FigureTest {
    TokenSet tokens(std::initializer_list<int> list) {
        TokenSet s;
        for (const int t : list) s.set(static_cast<std::size_t>(t));
        return s;
    }
};

} // namespace

// Who follows a change: functions, user functions, relations and figures that read the changed
// value, through references too; a curve never follows its own parameter, and theta as the
// polar angle leaves relations alone.
TEST_F(DirtyPropagationTest, ObjectsReadingAChangedValueBecomeDirty) {
    storeY(1, "a x");
    storeY(2, "y1+1");
    storeY(3, "x/2");
    EquationEntry c1 = equation("x^2+y^2<@+1");
    storeRelation(ctx, 1, c1);
    storeRelation(ctx, 2, equation("y<b x"));
    store(1, figure(1, FigureKind::Point, "a", "1")); // P reads a
    store(2, curve(2, "t", "a t", 0.1));              // Q: a curve in t that reads a
    store(3, curve(3, "t", "t", 0.1, "0", "b"));      // R: its range ends at b
    const int a = parameterToken(1), b = parameterToken(2), t = parameterToken(10),
              theta = parameterToken(13);
    const struct {
        const char* name;
        ThetaMode thetaMode;
        TokenSet input;
        TokenSet dirty;
        std::bitset<10> relations;
    } cases[] = {
        {"a",
         ThetaMode::PolarAngle,
         tokens({a}),
         tokens({a, explicitFunctionToken(1), explicitFunctionToken(2), figureToken(1),
                 figureToken(2)}),
         {}},
        {"b: the relation and the range", ThetaMode::PolarAngle, tokens({b}),
         tokens({b, relationToken(2), figureToken(3)}), std::bitset<10>().set(2)},
        {"the curves' own parameter", ThetaMode::PolarAngle, tokens({t}), tokens({t}), {}},
        {"theta as the polar angle", ThetaMode::PolarAngle, tokens({theta}), tokens({theta}), {}},
        {"theta as a parameter", ThetaMode::Parameter, tokens({theta}),
         tokens({theta, relationToken(1)}), std::bitset<10>().set(1)},
        {"a moved point",
         ThetaMode::PolarAngle,
         tokens({figureToken(1)}),
         tokens({figureToken(1)}),
         {}},
    };
    for (const auto& k : cases) {
        SCOPED_TRACE(k.name);
        project.engine.thetaMode = k.thetaMode;
        DirtyPropagation propagation;
        EXPECT_EQ(propagation.propagate(project, k.input), k.dirty);
        EXPECT_EQ(propagation.relationsMarked(), k.relations);
    }
}

// The same changes again are answered from the last result, until it is forgotten.
TEST_F(DirtyPropagationTest, TheSameInputReusesTheLastResult) {
    storeY(1, "a x");
    DirtyPropagation propagation;
    const TokenSet input = tokens({parameterToken(1)});
    const TokenSet first = propagation.propagate(project, input);
    EXPECT_TRUE(first.test(static_cast<std::size_t>(explicitFunctionToken(1))));
    storeY(2, "a+1");
    EXPECT_EQ(propagation.propagate(project, input), first);
    propagation.reset();
    EXPECT_TRUE(propagation.propagate(project, input)
                    .test(static_cast<std::size_t>(explicitFunctionToken(2))));
}
