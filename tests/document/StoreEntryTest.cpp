#include "ProjectFixture.h"

#include "document/ObjectTokens.h"

using namespace tarlix;
using tarlix::testing::ProjectTest;

TEST_F(ProjectTest, StoredEntriesKeepTheirRowsPacked) {
    storeY(1, "x");
    storeY(2, "2x");
    EXPECT_EQ(project.explicitFunctionRows[1].position, 1);
    EXPECT_EQ(project.explicitFunctionRows[2].position, 2);

    storeExplicitFunction(ctx, 1, blankEquation()); // delete the first
    EXPECT_EQ(project.explicitFunctionRows[1].position, 0);
    EXPECT_EQ(project.explicitFunctionRows[2].position, 1) << "the later row moves up";

    storeY(7, "3x");
    EXPECT_EQ(project.explicitFunctionRows[7].position, 2) << "a new entry goes last";
    storeY(1, "4x");
    EXPECT_EQ(project.explicitFunctionRows[1].position, 3);

    storeY(7, "5x"); // an edit keeps its place
    EXPECT_EQ(project.explicitFunctionRows[7].position, 2);

    storeUserFunction(ctx, 4, expression("x+1"));
    storeRelation(ctx, 9, equation("x<1"));
    EXPECT_EQ(project.userFunctionRows[4].position, 1) << "each store numbers its own rows";
    EXPECT_EQ(project.relationRows[9].position, 1);
    EXPECT_EQ(hooks.undoSteps(), 8);
    EXPECT_TRUE(project.modified);
}

TEST_F(ProjectTest, EntriesCompileInTheModeOfTheirStore) {
    storeY(1, "y=x^2");
    EXPECT_EQ(project.explicitFunctions[1].expr.source, "x^2") << "explicit mode drops y=";
    EXPECT_FALSE(project.explicitFunctions[1].expr.code.empty());

    storeRelation(ctx, 1, equation("x^2+y^2=1"));
    storeUserFunction(ctx, 1, expression("x y"));
    EXPECT_FALSE(project.relations[1].expr.code.empty());
    EXPECT_FALSE(project.userFunctions[1].code.empty());

    FigureEntry p = point(1, "1", "2");
    p.paramLow.source = "0";
    storeFigure(ctx, 1, p);
    EXPECT_EQ(project.figures[1].whole.source, "(1,2)") << "the whole point is rebuilt";
    EXPECT_FALSE(project.figures[1].whole.code.empty());
    EXPECT_FALSE(project.figures[1].paramHigh.code.empty()) << "range bounds compile too";
    EXPECT_TRUE(messages.entries.empty());

    storeY(2, "x+");
    EXPECT_TRUE(project.explicitFunctions[2].expr.code.empty());
    ASSERT_EQ(messages.entries.size(), 1u) << "compile errors reach the message box";
    EXPECT_EQ(messages.entries[0].kind, MessageKind::Error);
    EXPECT_EQ(project.explicitFunctionRows[2].position, 2) << "a failed entry is still stored";
}

TEST_F(ProjectTest, AnEmptiedFigureTakesItsConnectedFiguresAlong) {
    storeFigure(ctx, 1, point(1, "0", "0"));
    storeFigure(ctx, 2, point(2, "1", "0"));
    FigureEntry r = point(3, "0", "1");
    r.label = "centro";
    storeFigure(ctx, 3, r);
    auto through = [](std::initializer_list<std::uint8_t> vertices, const char* label) {
        SegmentRecord s;
        s.kind = SegmentKind::Polyline;
        std::copy(vertices.begin(), vertices.end(), s.vertices.begin());
        s.label = label;
        return s;
    };
    project.segments.add(through({1, 3}, "PR"));
    project.segments.add(through({1, 2, kXAxisVertex}, "PQ"));
    project.segments.add(through({2, 1, 3}, "QPR"));
    project.segments.add(through({2, kYAxisVertex}, "Q"));

    storeFigure(ctx, 3, blankFigure(3)); // delete R

    ASSERT_EQ(project.segments.count, 2);
    EXPECT_EQ(project.segments[1].label, "PQ");
    EXPECT_EQ(project.segments[2].label, "Q");
    EXPECT_EQ(project.segments[3].kind, SegmentKind::None) << "freed slots are blank";
    EXPECT_EQ(hooks.segmentsRemoved, (std::vector<int>{3, 1})) << "removed from the top down";
    EXPECT_EQ(project.figures[3].label, "R");
    EXPECT_EQ(project.figureRows[3].position, 0);

    FigureEntry stale = point(2, "1", "0"); // kind 0 with texts left over is still empty
    stale.kind = FigureKind::Empty;
    stale.label = "Q'";
    storeFigure(ctx, 2, stale);
    EXPECT_EQ(project.segments.count, 0);
    EXPECT_EQ(project.figures[2].label, "Q");
    EXPECT_EQ(project.figureRows[1].position, 1);
}

TEST_F(ProjectTest, StoringAnEntryMarksExactlyItsDependants) {
    storeY(1, "a x");
    storeY(2, "2y1");
    storeY(3, "b x");
    storeRelation(ctx, 1, equation("y<y2"));
    storeRelation(ctx, 2, equation("y<x"));
    storeUserFunction(ctx, 1, expression("y1(x)+1")); // f
    storeY(4, "f(x)");
    storeFigure(ctx, 1, point(1, "1", "y2(1)"));
    storeFigure(ctx, 2, point(2, "P.y", "0"));
    storeFigure(ctx, 4, point(4, "P.x", "0")); // P's x is not what changes
    storeFigure(ctx, 3, point(3, "1", "b"));

    auto dirtyAfter = [&](auto change) {
        redraw.dirty.reset();
        change();
        std::vector<int> tokens;
        for (int t = 0; t < 256; ++t)
            if (redraw.isDirty(static_cast<std::uint8_t>(t))) tokens.push_back(t);
        return tokens;
    };
    const std::vector<int> usersOfY1{explicitFunctionToken(1),
                                     explicitFunctionToken(2),
                                     explicitFunctionToken(4),
                                     userFunctionToken(1),
                                     relationToken(1),
                                     figureToken(1),
                                     figureToken(2)};
    std::vector<int> expected = usersOfY1;
    std::sort(expected.begin(), expected.end());
    EXPECT_EQ(dirtyAfter([&] { storeY(1, "a x^2"); }), expected);

    expected = usersOfY1;
    expected.push_back(parameterToken(1));
    std::sort(expected.begin(), expected.end());
    EXPECT_EQ(dirtyAfter([&] { markChanged(project, redraw, parameterToken(1)); }), expected)
        << "a parameter change reaches everything that uses it through references";

    expected = {explicitFunctionToken(3), figureToken(3), parameterToken(2)};
    std::sort(expected.begin(), expected.end());
    EXPECT_EQ(dirtyAfter([&] { markChanged(project, redraw, parameterToken(2)); }), expected);
}

TEST_F(ProjectTest, ParameterInitialisationResetsAndMarksTheUsers) {
    storeY(1, "a x");
    project.parameters[1] = {5, true, 2, false, false};
    project.parameters[kThetaParameter].value = 1;
    project.settings.animationPeriod = 20;
    project.modified = false;
    redraw.dirty.reset();

    initialiseParameters(ctx);

    EXPECT_EQ(project.parameters[1].value, 1);
    EXPECT_EQ(project.parameters[1].step, 0.1L);
    EXPECT_TRUE(project.parameters[1].additive && project.parameters[1].unfixed);
    EXPECT_FALSE(project.parameters[1].sync);
    EXPECT_EQ(project.parameters[kThetaParameter].value, 0);
    EXPECT_EQ(project.settings.animationPeriod, 80);
    EXPECT_TRUE(redraw.isDirty(static_cast<std::uint8_t>(explicitFunctionToken(1))));
    EXPECT_TRUE(project.modified);
}
