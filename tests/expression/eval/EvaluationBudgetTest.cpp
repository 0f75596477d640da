// One evaluation shares one budget of steps, however its loops, samples and references nest;
// the columns of a row each have their own.
#include "EvalFixture.h"

#include "expression/eval/RowEvaluator.h"

#include <span>
#include <string>
#include <vector>

namespace tarlix {
namespace {

using EvaluationBudget = EvalFixture;

// cof samples its body up to 37 times; nested, the samples multiply with every level. The
// value is 1 at any depth.
std::string nestedCof(int levels) {
    std::string text = "x+1";
    for (int i = 0; i < levels; ++i) text = "cof(0," + text + (i + 1 < levels ? ")+x" : ")");
    return text;
}

TEST_F(EvaluationBudget, LegalLoopsAreExactAndNestedWorkIsCutUndefined) {
    struct Case {
        std::string text;
        bool defined;
        Extended value;
    };
    defineUser(1, "Sum(k,1,1000,k x)"); // f
    const Case cases[] = {
        {"Sum(k,1,1000000,k)", true, 500000500000.0L},
        {"Sum(k,1,1000,f(k))", true, 500500.0L * 500500.0L},
        {nestedCof(3), true, 1},
        // 10^10 passes: far beyond the budget, though each loop alone is within bounds.
        {"Sum(m,1,100000,Sum(k,1,100000,k))", false, 0},
        // About 37^8 samples.
        {nestedCof(8), false, 0},
        // The user function's loop runs once for every pass of the outer loop.
        {"Sum(m,1,100000,f(m))", false, 0},
        // Bounds that ask for more passes than a loop may make: undefined without running them.
        {"Sum(k,1,20!,k-1)", false, 0},
        {"Sum(c,1,sinh 30,c^2)", false, 0},
        {"Product(k,1,10^9,1)", false, 0},
    };
    for (const Case& c : cases) {
        const Value v = calc(c.text);
        EXPECT_EQ(v.valid != 0, c.defined) << c.text;
        EXPECT_EQ(v.kind, ValueKind::Real) << c.text;
        if (c.defined) {
            EXPECT_EQ(v.x, c.value) << c.text;
        }
    }
    EXPECT_EQ(parameters.value(3), 0) << "a loop cut short gives its variable back (c)";
    EXPECT_EQ(parameters.value(11), 0) << "(k)";
    EXPECT_TRUE(calc("1+1").valid) << "the next evaluation starts with a full budget";
    calc(nestedCof(8));
    EXPECT_TRUE(evaluator.enter(&document)) << "entering an expression is no part of the last one";
    evaluator.leave();
}

TEST_F(EvaluationBudget, DerivativesAndReferencesSpendTheSameBudget) {
    defineUser(1, "Sum(k,1,100000,k x)");   // f
    defineExplicit(1, "Sum(k,1,100000,k)"); // y1
    // Seven samples for the derivative, each running the loop.
    EXPECT_TRUE(at("f'(x)", 1).valid);
    EXPECT_FALSE(calc("Sum(m,1,1000,f'(m))").valid);
    EXPECT_FALSE(calc("Sum(m,1,1000,y1)").valid);
    EXPECT_NEAR(static_cast<double>(calc("y1+y1").x), 1e10 + 1e5, 1e-3);
}

// A row runs what the row form leaves to the stack machine as one evaluation per column: the
// longest single loop still completes in every column, and only the evaluation that runs out
// is undefined.
TEST_F(EvaluationBudget, EachColumnOfARowHasItsOwnBudget) {
    const std::vector<Value> xs{makeReal(1), makeReal(2)};
    const RowRequest request{xs, 0, false, 0, {}};
    std::vector<Value> row(xs.size());
    RowEvaluator rows(evaluator);
    rows.evaluateRow(compiled("Sum(k,1,9999999,k)+x", kModeExplicit), request, row);
    for (std::size_t i = 0; i < xs.size(); ++i) {
        ASSERT_TRUE(row[i].valid) << i;
        EXPECT_EQ(row[i].x, 49999995000000.0L + xs[i].x) << i;
    }
    rows.evaluateRow(compiled(nestedCof(8) + "+x", kModeExplicit), request, row);
    for (const Value& v : row) EXPECT_FALSE(v.valid);
    // Two loops that fit the budget one at a time but not together: the row hands them to the
    // stack machine one by one, still as parts of one evaluation per column.
    const std::string twoLoops = "Sum(k,1,6000000,k)+Sum(k,1,6000000,k)+x";
    EXPECT_FALSE(at(twoLoops, 1).valid);
    rows.evaluateRow(compiled(twoLoops, kModeExplicit), RowRequest{xs, 0, false, 0, {}},
                     std::span(row).first(1));
    EXPECT_FALSE(row[0].valid);
}

} // namespace
} // namespace tarlix
