#include "render/relation/SplitRelation.h"

#include "expression/Calc.h"
#include "render/relation/RelationPlotter.h"

#include "RelationTestSupport.h"

#include <gtest/gtest.h>

#include <cmath>
#include <map>

using namespace tarlix;

namespace {

struct Split {
    EngineSettings settings;
    RecordingMessageBox box;
    CompileEnv env() { return CompileEnv{settings, box, false}; }

    SplitRelationResult of(const std::string& text) {
        CompiledExpression relation;
        setSource(relation, text, kModePlain - 1, env()); // tokens only
        return splitRelation(relation, env());
    }
};

struct ExpectedPart {
    std::string source;
    RelationOp op;
};

} // namespace

TEST(SplitRelation, PartsGroupsAndChainedComparisons) {
    using Op = RelationOp;
    const struct {
        const char* text;
        std::vector<ExpectedPart> parts;
        std::vector<std::uint8_t> groups;
    } cases[] = {
        {"x^2+y^2=4", {{"x^2+y^2-(4)", Op::Equal}}, {1}},
        {"x y", {{"x y", Op::Equal}}, {1}},
        {"(x^2+y^2<4) and (y>0)", {{"x^2+y^2-(4)", Op::Less}, {"y-(0)", Op::Greater}}, {3}},
        {"(x<-1) or (x>1)", {{"x-(-1)", Op::Less}, {"x-(1)", Op::Greater}}, {1, 2}},
        {"1<x^2+y^2<4", {{"1-(x^2+y^2)", Op::Less}, {"x^2+y^2-(4)", Op::Less}}, {3}},
        {"x>=0 and y<=0 or x<>y",
         {{"x-(0)", Op::GreaterEqual}, {"y-(0)", Op::LessEqual}, {"x-(y)", Op::NotEqual}},
         {3, 4}},
        {"(x>0 or y>0) and x<1",
         {{"x-(0)", Op::Greater}, {"x-(1)", Op::Less}, {"y-(0)", Op::Greater}},
         {3, 6}},
    };
    for (const auto& c : cases) {
        Split s;
        const SplitRelationResult r = s.of(c.text);
        ASSERT_EQ(r.parts.size(), c.parts.size()) << c.text;
        for (std::size_t i = 0; i < r.parts.size(); ++i) {
            EXPECT_EQ(r.parts[i].f.source, c.parts[i].source) << c.text;
            EXPECT_EQ(r.parts[i].op, c.parts[i].op) << c.text;
            EXPECT_FALSE(r.parts[i].f.code.empty()) << c.text << " part " << i;
        }
        EXPECT_EQ(r.groups, c.groups) << c.text;
    }
}

TEST(SplitRelation, ExplicitPartsAreYAgainstAFunctionOfXOnly) {
    const struct {
        const char* text;
        bool isExplicit;
    } cases[] = {
        {"y<sin x", true}, {"y=x^2", true}, {"y+1>x", true},
        {"y=x y", false},  {"2y=x", false}, {"x=y", false},
    };
    for (const auto& c : cases) {
        Split s;
        const SplitRelationResult r = s.of(c.text);
        ASSERT_EQ(r.parts.size(), 1u) << c.text;
        EXPECT_EQ(r.parts[0].explicitForm, c.isExplicit) << c.text;
    }
}

TEST(SplitRelation, ARelationKeepsItsFirstEightParts) {
    Split s;
    const SplitRelationResult r =
        s.of("x>1 or x>2 or x>3 or x>4 or x>5 or x>6 or x>7 or x>8 or x>9 or x>1");
    ASSERT_EQ(r.parts.size(), 8u);
    EXPECT_EQ(r.parts[7].f.source, "x-(8)");
    // A repeated comparison is one part; the ninth is dropped with its group.
    EXPECT_EQ(r.groups, (std::vector<std::uint8_t>{1, 2, 4, 8, 16, 32, 64, 128}));
}

TEST(SplitRelation, AChainedComparisonHatchesAnAnnulus) {
    using namespace tarlix::relationtest;
    Split s;
    const SplitRelationResult split = s.of("1<x^2+y^2<4");
    // Until compiled parts can be evaluated, each part's text picks its function.
    std::map<std::string, CountingSampler> samplers;
    samplers.emplace("1-(x^2+y^2)", [](Extended x, Extended y) { return 1 - (x * x + y * y); });
    samplers.emplace("x^2+y^2-(4)", [](Extended x, Extended y) { return x * x + y * y - 4; });
    const RelationParts parts = relationPartsOf(
        split, [&](const SplitPart& p) -> RelationSampler* { return &samplers.at(p.f.source); });

    TestView tv;
    ScriptedHooks hooks;
    PixelCanvas canvas;
    RelationStyle style;
    style.pattern = 2;
    RelationPlotter plotter(RelationSettings{}, hooks);
    plotter.drawRelation(tv.view, RelationCanvases{&canvas, nullptr, false, false, false}, style,
                         parts);
    ASSERT_FALSE(canvas.pixels.empty());
    for (const auto& [at, colour] : canvas.pixels) {
        const Extended r2 = std::pow(tv.worldX(at.first), 2) + std::pow(tv.worldY(at.second), 2);
        EXPECT_GT(r2, 1);
        EXPECT_LT(r2, 4);
    }
    // The hole and the outside stay empty; the ring is hatched on both sides of the hole.
    EXPECT_FALSE(canvas.pixels.count({100, 96}));
    EXPECT_TRUE(canvas.pixels.count({70, 96}));
    EXPECT_TRUE(canvas.pixels.count({130, 96}));
    EXPECT_GE(canvas.calls.size(), 2u); // both circles bound the region
}
