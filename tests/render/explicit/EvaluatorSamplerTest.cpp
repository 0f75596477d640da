#include "render/explicit/EvaluatorSampler.h"
#include "expression/Calc.h"
#include "expression/eval/Evaluator.h"
#include "render/explicit/FunctionSamples.h"
#include "render/explicit/StoreExpressions.h"

#include <gtest/gtest.h>

#include <string>

using namespace tarlix;

namespace {

struct EvaluatedPlot : ::testing::Test {
    RedrawState rs;
    View view{rs, [] {
                  ViewDefaults d;
                  d.sizes.width = 400;
                  d.sizes.height = 400;
                  return d;
              }()};
    EngineSettings settings;
    RecordingMessageBox box;
    CompileEnv compileEnv{settings, box};
    ExplicitFunctionStore functions;
    StoreExpressions document{functions};
    ParameterValues parameters;
    EvalEnv env{settings, document, parameters, nullptr, nullptr};
    Evaluator evaluator{env};
    EvaluatorSampler sampler{evaluator, view};

    void define(int n, const std::string& text) {
        ASSERT_TRUE(setSource(functions[n].expr, text, kModeExplicit, compileEnv)) << text;
        rs.markDirty(functionToken(n));
    }
};

} // namespace

// y1 reads y3 through the row form, which fills y3's cache on the way; the parameter a is
// read from the table; sqrt reaches its domain edge at a = 0.3 exactly.
TEST_F(EvaluatedPlot, RowsReferencesAndDomainEdgesThroughTheEvaluator) {
    parameters.value(1) = 0.31L;
    define(1, "y3+1");
    define(2, "sqrt(x-a)");
    define(3, "x^2");
    updateFunctionSamples(view, functions, sampler);
    for (int c : {0, 123, 400}) {
        const Extended x = view.xSamples[c].x;
        EXPECT_NEAR(view.functionSamples[3].samples[c].x, x * x, 1e-15L) << c;
        EXPECT_NEAR(view.functionSamples[1].samples[c].x, x * x + 1, 1e-15L) << c;
    }
    EXPECT_FALSE(view.functionSamples[2].samples[211].isValid());
    EXPECT_NEAR(view.functionSamples[2].samples[212].x, 0, 1e-6L); // x = 0.3 took the edge's value
    EXPECT_NEAR(view.functionSamples[2].samples[240].x, std::sqrt(1 - 0.31L), 1e-15L);
}
