#include "ProjectFixture.h"

#include "document/PanelEdit.h"

#include <algorithm>

using namespace tarlix;
using tarlix::testing::ProjectTest;

namespace {

struct PanelEditTest : ProjectTest {
    PanelEditTest() {
        for (int n = 1; n <= 3; ++n) storeY(n, "x+" + std::to_string(n));
        project.modified = false;
        hooks.undoSteps.reset();
    }
    // The used slots of a store in the order of their rows.
    template <int N> static std::vector<int> order(const Store<RowState, N>& rows) {
        std::vector<int> slots;
        for (int i = 1; i <= N; ++i)
            if (rows[i].position != 0) slots.push_back(i);
        std::sort(slots.begin(), slots.end(),
                  [&](int a, int b) { return rows[a].position < rows[b].position; });
        return slots;
    }
    std::vector<int> panelOrder() const {
        std::vector<int> order;
        for (CategoryPanel p : panelsInOrder(project)) order.push_back(panelNumber(p));
        return order;
    }
};

} // namespace

TEST_F(PanelEditTest, ARowDroppedOnAnotherTakesItsPlace) {
    struct Case {
        const char* name;
        int dragged;
        int target;
        std::vector<int> order;
        bool changes;
    };
    const Case cases[] = {
        {"downwards: after the target", 1, 3, {2, 3, 1}, true},
        {"upwards: before the target", 3, 1, {3, 1, 2}, true},
        {"next one down", 1, 2, {2, 1, 3}, true},
        {"onto itself", 2, 2, {1, 2, 3}, false},
        {"onto an empty slot", 1, 7, {1, 2, 3}, false},
    };
    for (const Case& c : cases) {
        for (int n = 1; n <= 3; ++n) project.explicitFunctionRows[n].position = n;
        project.modified = false;
        EXPECT_EQ(moveRowOnto(ctx, CategoryPanel::Explicit, c.dragged, c.target), c.changes)
            << c.name;
        EXPECT_EQ(order(project.explicitFunctionRows), c.order) << c.name;
        EXPECT_EQ(project.modified, c.changes) << c.name << ": the order is saved";
    }
    EXPECT_EQ(hooks.undoSteps(), 0);
}

TEST_F(PanelEditTest, FiguresMoveWithinTheirOwnCategory) {
    storeFigure(ctx, 1, point(1, "1", "2")); // P
    FigureEntry polar = blankFigure(8);      // A, a curve between the points
    polar.kind = FigureKind::Polar;
    polar.radius.source = "2";
    storeFigure(ctx, 8, polar);
    storeFigure(ctx, 2, point(2, "3", "4")); // Q
    EXPECT_FALSE(moveRowOnto(ctx, CategoryPanel::BasicFigures, 1, 8))
        << "a curve is not in this category";
    EXPECT_FALSE(moveRowOnto(ctx, CategoryPanel::Curves, 1, 8)) << "a point is not a curve";
    ASSERT_TRUE(moveRowOnto(ctx, CategoryPanel::BasicFigures, 1, 2));
    const auto rows = project.figureRows;
    EXPECT_LT(rows[2].position, rows[1].position) << "Q now above P";
}

TEST_F(PanelEditTest, DeletingKeepsTheOrderAndCreatingPlacesLast) {
    moveRowOnto(ctx, CategoryPanel::Explicit, 3, 1); // y3, y1, y2
    ASSERT_TRUE(deleteEntry(ctx, CategoryPanel::Explicit, 1));
    EXPECT_TRUE(project.explicitFunctions[1].expr.source.empty());
    EXPECT_EQ(order(project.explicitFunctionRows), (std::vector<int>{3, 2}));
    EXPECT_EQ(hooks.undoSteps(), 1);
    storeY(1, "x");
    EXPECT_EQ(order(project.explicitFunctionRows), (std::vector<int>{3, 2, 1}));

    EXPECT_FALSE(deleteEntry(ctx, CategoryPanel::Explicit, 9)) << "an empty slot";
    storeFigure(ctx, kFigures, point(kFigures, "0", "0"));
    EXPECT_FALSE(canDeleteEntry(project, CategoryPanel::BasicFigures, kFigures)) << "O stays";
    EXPECT_FALSE(deleteEntry(ctx, CategoryPanel::BasicFigures, kFigures));
    EXPECT_EQ(project.figures[kFigures].kind, FigureKind::Point);
    EXPECT_FALSE(canDeleteEntry(project, CategoryPanel::Parameters, 1));
}

TEST_F(PanelEditTest, HiddenRowsComeBackWithShowAll) {
    ASSERT_TRUE(setRowShown(ctx, CategoryPanel::Explicit, 2, false));
    EXPECT_TRUE(project.modified);
    EXPECT_FALSE(setRowShown(ctx, CategoryPanel::Explicit, 2, false)) << "already hidden";
    EXPECT_EQ(project.explicitFunctionRows[2].position, 2) << "a hidden row keeps its place";

    // The figure categories share their row states: each lists only its own figures again.
    storeFigure(ctx, 1, point(1, "1", "2"));
    FigureEntry polar = blankFigure(8);
    polar.kind = FigureKind::Polar;
    polar.radius.source = "2";
    storeFigure(ctx, 8, polar);
    setRowShown(ctx, CategoryPanel::BasicFigures, 1, false);
    setRowShown(ctx, CategoryPanel::Curves, 8, false);
    EXPECT_TRUE(showAllRows(ctx, CategoryPanel::Curves));
    EXPECT_TRUE(project.figureRows[8].shown);
    EXPECT_FALSE(project.figureRows[1].shown);

    EXPECT_TRUE(showAllRows(ctx, CategoryPanel::Explicit));
    EXPECT_TRUE(project.explicitFunctionRows[2].shown);
    EXPECT_FALSE(showAllRows(ctx, CategoryPanel::Explicit)) << "nothing left to show";
}

TEST_F(PanelEditTest, APanelGoesBeforeATargetBelowItAndAfterOneAboveIt) {
    struct Case {
        const char* name;
        CategoryPanel dragged;
        std::optional<CategoryPanel> target;
        std::vector<int> order;
        bool changes = true;
    };
    const Case cases[] = {
        {"from above: after",
         CategoryPanel::Explicit,
         CategoryPanel::BasicFigures,
         {2, 3, 4, 1, 5, 6, 7, 8}},
        {"from below: before",
         CategoryPanel::Parameters,
         CategoryPanel::Relations,
         {1, 5, 2, 3, 4, 6, 7, 8}},
        {"on the empty column: last",
         CategoryPanel::Relations,
         std::nullopt,
         {1, 3, 4, 5, 6, 7, 8, 2}},
        {"the last one on the column",
         CategoryPanel::ConnectedFigures,
         std::nullopt,
         {1, 2, 3, 4, 5, 6, 7, 8},
         false},
    };
    for (const Case& c : cases) {
        project.categories = initialCategoryPanels();
        project.modified = false;
        EXPECT_EQ(moveCategoryPanel(ctx, c.dragged, c.target), c.changes) << c.name;
        EXPECT_EQ(panelOrder(), c.order) << c.name;
        EXPECT_EQ(project.modified, c.changes) << c.name;
    }
}
