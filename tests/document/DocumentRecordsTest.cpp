#include "document/DocumentRecords.h"
#include "expression/Compiler.h"

#include <gtest/gtest.h>

using namespace tarlix;

TEST(DocumentRecords, InitialRangesAndBounds) {
    EngineSettings settings;
    RecordingMessageBox box;
    const CompileEnv env{settings, box};
    const IntegralBounds bounds = blankInterval(env);
    EXPECT_EQ(bounds.low.source, "-1");
    EXPECT_FALSE(bounds.low.code.empty());
    FigureEntry f;
    setDefaultCurveRange(f, env);
    EXPECT_EQ(f.paramHigh.source, "2Pi");
    EXPECT_EQ(f.paramHigh.code.size(), 3u);
}
