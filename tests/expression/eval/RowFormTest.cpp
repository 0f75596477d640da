#include "EvalFixture.h"
#include "expression/eval/RowEvaluator.h"
#include "expression/eval/RowSums.h"

#include <cmath>

#include <vector>

namespace tarlix {
namespace {

class RowForm : public EvalFixture {
protected:
    std::vector<Value> xs;
    void SetUp() override {
        for (int i = 0; i < 61; ++i) xs.push_back(makeReal(-3 + i * 0.1L));
        xs[7] = makeUndefined(ValueKind::Real); // a column without x
        defineExplicit(1, "x^2-1");
        defineExplicit(2, "Sqrt(y1)");
        defineUser(1, "x y+1"); // f
        definePoint(1, "(a,2)");
        definePoint(2, "(1,3)");
        parameters.value(1) = 0.5;
        parameters.value(2) = 2;
    }
    static bool same(const Value& a, const Value& b) {
        if (a.valid != b.valid || a.kind != b.kind) return false;
        // Zeros must agree in sign too: 1/x tells them apart. A real's y is no part of it.
        auto equal = [](Extended p, Extended q) {
            return p == q && std::signbit(p) == std::signbit(q);
        };
        return !a.valid || (equal(a.x, b.x) && (a.kind != ValueKind::Pair || equal(a.y, b.y)));
    }
    // Compares the row with the stack machine column by column; with a varying parameter the
    // stack machine reads the column's value from the table.
    void expectRowEqualsScalar(const std::string& text, int varying = 0) {
        expectRowEqualsScalarOn(xs, text, varying);
    }
    void expectRowEqualsScalarOn(const std::vector<Value>& xs, const std::string& text,
                                 int varying = 0, bool someDefined = true) {
        const CompiledExpression record = compiled(text, kModeExplicit);
        std::vector<Value> varyingRow;
        for (std::size_t i = 0; i < xs.size(); ++i) varyingRow.push_back(makeReal(i * 0.25L - 4));
        RowRequest request{xs, 0, false, varying, varyingRow};
        std::vector<Value> row(xs.size());
        RowEvaluator rows(evaluator);
        rows.evaluateRow(record, request, row);
        int defined = 0;
        for (std::size_t i = 0; i < xs.size(); ++i) {
            const Extended saved = varying ? parameters.value(varying) : 0;
            if (varying) parameters.value(varying) = varyingRow[i].x;
            const Value expected = evaluator.evaluate(record, xs[i]);
            if (varying) parameters.value(varying) = saved;
            EXPECT_TRUE(same(row[i], expected))
                << text << " column " << i << ": row " << static_cast<double>(row[i].x) << "/"
                << int(row[i].valid) << " scalar " << static_cast<double>(expected.x) << "/"
                << int(expected.valid);
            defined += expected.valid;
        }
        if (someDefined) {
            EXPECT_GT(defined, 0) << text;
        }
    }
};

TEST_F(RowForm, EqualsTheStackMachineColumnByColumn) {
    const char* texts[] = {
        "x^2-3x+1",
        "2sin x",
        "sin x cos x",
        "Sqrt(x+1)/(x^2+1)",
        "exp(-x^2/2)cos(3x)",
        "x^5-4x^3+2x-1",
        "abs(x)+int(x)",
        "a x^2+b x+c",
        "1/x",
        "ln x",
        "(-x)^3+x^(-2)",
        "x^0.5",
        "y1+y2",
        "f(x,2)",
        "f'(x)",
        "F(x)",
        "P.x+x",
        "len(P,(x,0))",
        "Sum(k,1,3,k x)",
        "Igr(t,0,x,t)",
        "cof(2,(x+a)^2)+x",
        "cof(int(x)+3,(x+2)^5)x",
        "(x,x^2).y",
        "max(x,0,1/x)",
        "x>0 and x<1",
        "round(x) mod 2",
        "Q.y",
        "7",
        "x!",
        "-(x,1)+(1,x)",
        "-(x,1)",
        "+x-1/x",
    };
    for (const char* text : texts) expectRowEqualsScalar(text);
}

TEST_F(RowForm, OneParameterVariesAlongTheRow) {
    const char* texts[] = {"a x", "a", "P.x+a", "Sum(k,1,2,a)", "f(a,x)", "y1*a"};
    for (const char* text : texts) expectRowEqualsScalar(text, 1);
    EXPECT_EQ(parameters.value(1), 0.5) << "the table keeps the parameter's own value";
}

TEST_F(RowForm, ReadsFiguresAndFunctionRowsFromTheView) {
    Store<FigurePosition, figureCount> positions;
    Store<FunctionSamples, functionCount> functionRows;
    ColumnSamples xSamples;
    for (std::size_t i = 0; i < xs.size(); ++i) xSamples[static_cast<int>(i)] = xs[i];
    positions[1].kind = FigureKind::Point;
    positions[1].x = 10; // differs from the figure's expression on purpose
    positions[1].y = 20;
    RowEvaluator rows(evaluator, rowCachesOf(positions, functionRows, xSamples));
    std::vector<Value> row(xs.size());
    rows.evaluateRow(compiled("P.x+y1", kModeExplicit), RowRequest{xs, 0, false, 0, {}}, row);
    EXPECT_EQ(row[30].x, 10 + evaluator.evaluate(compiled("y1"), xs[30]).x);
    EXPECT_TRUE(functionRows[1].upToDate);
    EXPECT_EQ(functionRows[1].samples[40].x, evaluator.evaluate(compiled("y1"), xs[40]).x);
    // A cache marked valid is read as it stands.
    functionRows[1].samples[12] = makeReal(99);
    rows.evaluateRow(compiled("y1", kModeExplicit), RowRequest{xs, 0, false, 0, {}}, row);
    EXPECT_EQ(row[12].x, 99);
}

TEST_F(RowForm, SelfReferencingFigureIsUndefinedInEveryColumn) {
    definePoint(3, "(Rx+1,x)");
    std::vector<Value> row(xs.size());
    RowEvaluator rows(evaluator);
    rows.evaluateRow(compiled("R.x+x", kModeExplicit), RowRequest{xs, 0, false, 0, {}}, row);
    for (const Value& v : row) EXPECT_FALSE(v.valid);
}

// Sums of simple terms take a fused loop over blocks of columns: a block of ordinary x is done
// there, and any block whose x could take an intermediate out of range, or holds an undefined
// x, is left to the stack machine.
TEST_F(RowForm, SumsOfTermsEqualTheStackMachineOnOrdinaryAndExtremeColumns) {
    std::vector<Value> grid;
    for (int i = -160; i < 160; ++i) grid.push_back(makeReal(i / 32.0L)); // whole numbers too
    // Each extreme x shares a block of 64 columns with ordinary ones.
    std::vector<Value> extreme{makeUndefined(ValueKind::Real)};
    for (Extended x : {1e-600L, -1e-500L, 1e500L, -1e1000L, 0.0L, -0.0L, 1e-4940L, 3e-8L, -1e-9L,
                       1e7L, 4611686018427387904.0L, 1e-2000L, 2.0000000000000000001L}) {
        extreme.push_back(makeReal(x));
        extreme.insert(extreme.end(), grid.begin(), grid.begin() + 63);
    }
    const char* texts[] = {
        "x^2-3x+1",    "x^5-4x^3+2x-1", "abs(x)+int(x)",         "a x^2+b x+c",
        "3-x",         "x^20",          "x*2-x^3*0.5+7",         "int(x)-x",
        "x^2*10^2400", "1e-2410*x^3",   "x-x+abs(x)*10^(-2300)", "2x^2+x^2-3x^2"};
    for (const char* text : texts) {
        expectRowEqualsScalarOn(grid, text);
        expectRowEqualsScalarOn(extreme, text);
        const CompiledExpression record = compiled(text, kModeExplicit);
        auto sum = RowSum::of(codeOf(record), evaluator);
        ASSERT_TRUE(sum) << text << " is a sum of simple terms";
        std::vector<Value> out(grid.size());
        EXPECT_TRUE(sum->evaluate(grid, out).empty()) << text << " fused on ordinary columns";
    }
}

// A relation scan holds y in parameter slot 0 for a row: parts made of y and parameters are
// worked out once, and a product such as 3 x y keeps its order (3 x first, then y). Huge and
// tiny y put the intermediates near the ends of the range, where the blocks go back to the
// stack machine.
TEST_F(RowForm, SumsWithYHeldForTheRowEqualTheStackMachine) {
    std::vector<Value> grid;
    for (int i = -160; i < 160; ++i) grid.push_back(makeReal(i / 32.0L));
    std::vector<Value> extreme{makeUndefined(ValueKind::Real)};
    for (Extended x : {1e-600L, -1e500L, 1e800L, 0.0L, -0.0L, 1e-4940L, 1e-2000L}) {
        extreme.push_back(makeReal(x));
        extreme.insert(extreme.end(), grid.begin(), grid.begin() + 63);
    }
    const char* texts[] = {"x^3+y^3-(3x y)", "a x^2 y+b", "x-b^a+y^b x", "y x^2*a-3"};
    for (Extended y : {2.0L, 0.0L, -1.5L, 1e1000L, -1e800L, 1e-2000L, -3e-7L}) {
        parameters.value(0) = y;
        const bool ordinary = std::fabs(y) < 1e10L && std::fabs(y) > 1e-10L;
        for (const char* text : texts) {
            const std::string what =
                std::string(text) + " with y = " + std::to_string(static_cast<double>(y));
            SCOPED_TRACE(what);
            expectRowEqualsScalarOn(grid, text, 0, ordinary);
            expectRowEqualsScalarOn(extreme, text, 0, false);
            if (!ordinary && y != 0) continue;
            auto sum = RowSum::of(codeOf(compiled(text, kModeExplicit)), evaluator);
            ASSERT_TRUE(sum) << what << " is a sum of simple terms";
            std::vector<Value> out(grid.size());
            EXPECT_TRUE(sum->evaluate(grid, out).empty()) << what << " fused on ordinary columns";
        }
    }
    parameters.value(0) = 0;
}

TEST_F(RowForm, SineAndCosineAreTakenTogetherOnlyOfOneOperand) {
    const std::pair<const char*, bool> cases[] = {
        {"sin x cos x", true},    {"sin(2x)+cos(2x)", true},          {"sin(x y)-cos(x+y)", false},
        {"sin x+cos(2x)", false}, {"(cos x)^2+sin(a x)+sin x", true}, {"sin x", false}};
    for (const auto& [text, paired] : cases) {
        EXPECT_EQ(sinAndCosOfOneArgument(compiled(text, kModeExplicit).code), paired) << text;
        expectRowEqualsScalar(text);
    }
}

TEST_F(RowForm, OnlySumsOfSimpleTermsAreFused) {
    for (const char* text :
         {"1/x", "x^0.5", "sin x+1", "x^2-(3x+1)", "x y x", "x^21", "7", "x a x", "a x b c"})
        EXPECT_FALSE(RowSum::of(codeOf(compiled(text, kModeExplicit)), evaluator)) << text;
}

} // namespace
} // namespace tarlix
