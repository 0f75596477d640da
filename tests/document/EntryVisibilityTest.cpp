#include "ProjectFixture.h"

#include "document/ObjectTokens.h"

#include <algorithm>

using namespace tarlix;
using tarlix::testing::ProjectTest;

namespace {

struct VisibilityTest : ProjectTest {
    // The project after the edits that built it: nothing recorded, nothing to redraw.
    void settle() {
        hooks.undoSteps.reset();
        hooks.redraws = 0;
        hooks.categoriesChanged.clear();
        project.modified = false;
        redraw.clear();
    }
    std::vector<int> dirtyTokens() const {
        std::vector<int> tokens;
        for (int t = 0; t < 256; ++t)
            if (redraw.isDirty(static_cast<std::uint8_t>(t))) tokens.push_back(t);
        return tokens;
    }
};

} // namespace

TEST_F(VisibilityTest, AToggleIsOneUndoStepThatMarksTheEntryAndItsUsersAndTwiceRestores) {
    storeY(1, "a x");
    storeY(2, "2y1");
    storeY(3, "b x");
    settle();

    EXPECT_TRUE(toggleEntryVisible(ctx, CategoryPanel::Explicit, 1));
    EXPECT_FALSE(project.explicitFunctions[1].visible);
    EXPECT_EQ(hooks.undoSteps(), 1);
    EXPECT_TRUE(project.modified);
    std::vector<int> expected{explicitFunctionToken(1), explicitFunctionToken(2)};
    EXPECT_EQ(dirtyTokens(), expected) << "y2 uses y1; y3 is left alone";
    EXPECT_EQ(hooks.categoriesChanged, std::vector<CategoryPanel>{CategoryPanel::Explicit});
    EXPECT_EQ(hooks.redraws, 1);

    EXPECT_TRUE(toggleEntryVisible(ctx, CategoryPanel::Explicit, 1));
    EXPECT_TRUE(project.explicitFunctions[1].visible);
    EXPECT_EQ(hooks.undoSteps(), 2);
}

TEST_F(VisibilityTest, EveryCategoryWithAShowButtonHidesItsOwnObject) {
    storeRelation(ctx, 2, equation("x^2+y^2<1"));
    storeFigure(ctx, 3, point(3, "1", "2"));
    FigureEntry polar = blankFigure(9);
    polar.kind = FigureKind::Polar;
    polar.radius.source = "1+@";
    storeFigure(ctx, 9, polar);
    SegmentRecord segment;
    segment.kind = SegmentKind::Segment;
    segment.vertices[0] = 3;
    segment.vertices[1] = kXAxisVertex;
    project.segments.add(segment);

    struct Case {
        CategoryPanel panel;
        int row;
        const bool& visible;
        int token; // 0: connected figures have none
    };
    const Case cases[] = {
        {CategoryPanel::Relations, 2, project.relations[2].visible, relationToken(2)},
        {CategoryPanel::BasicFigures, 3, project.figures[3].visible, figureToken(3)},
        {CategoryPanel::Curves, 9, project.figures[9].visible, figureToken(9)},
        {CategoryPanel::ConnectedFigures, 1, project.segments[1].visible, 0},
    };
    for (const Case& c : cases) {
        settle();
        EXPECT_TRUE(setEntryVisible(ctx, c.panel, c.row, false)) << panelNumber(c.panel);
        EXPECT_FALSE(c.visible) << panelNumber(c.panel);
        EXPECT_EQ(hooks.undoSteps(), 1) << panelNumber(c.panel);
        EXPECT_TRUE(project.modified) << panelNumber(c.panel);
        EXPECT_EQ(hooks.categoriesChanged, std::vector<CategoryPanel>{c.panel})
            << panelNumber(c.panel);
        if (c.token != 0) {
            EXPECT_TRUE(redraw.isDirty(static_cast<std::uint8_t>(c.token))) << panelNumber(c.panel);
        }
    }
}

TEST_F(VisibilityTest, NoChangeIsNoEditAndAnEmptySlotHasNothingToShow) {
    storeY(1, "x");
    storeFigure(ctx, 3, point(3, "1", "2"));
    storeUserFunction(ctx, 1, expression("x+1"));
    settle();

    struct Case {
        CategoryPanel panel;
        int row;
    };
    const Case nothing[] = {
        {CategoryPanel::Explicit, 2},      {CategoryPanel::Explicit, 0},
        {CategoryPanel::Explicit, 21},     {CategoryPanel::Relations, 1},
        {CategoryPanel::Curves, 4},        {CategoryPanel::ConnectedFigures, 1},
        {CategoryPanel::UserFunctions, 1}, {CategoryPanel::Parameters, 1},
        {CategoryPanel::Memo, 1},
    };
    for (const Case& c : nothing)
        EXPECT_FALSE(toggleEntryVisible(ctx, c.panel, c.row))
            << panelNumber(c.panel) << " " << c.row;
    EXPECT_FALSE(setEntryVisible(ctx, CategoryPanel::Explicit, 1, true)) << "y1 is shown already";
    EXPECT_EQ(hooks.undoSteps(), 0);
    EXPECT_FALSE(project.modified);
    EXPECT_EQ(hooks.redraws, 0);
    EXPECT_TRUE(dirtyTokens().empty());

    // A figure is listed by its kind, whichever figure panel asks.
    EXPECT_TRUE(toggleEntryVisible(ctx, CategoryPanel::Curves, 3));
    EXPECT_EQ(hooks.categoriesChanged, std::vector<CategoryPanel>{CategoryPanel::BasicFigures});
}
