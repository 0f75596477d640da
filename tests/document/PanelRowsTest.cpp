#include "ProjectFixture.h"

#include "document/PanelRows.h"

using namespace tarlix;
using tarlix::testing::ProjectTest;

namespace {

struct PanelRowsTest : ProjectTest {
    PanelRowText row(CategoryPanel panel, int slot) {
        const auto rows = panelRows(project, panel);
        return rows.at(static_cast<std::size_t>(slot - 1));
    }
};

} // namespace

TEST_F(PanelRowsTest, EachSlotShowsItsObjectAsTheProjectHoldsIt) {
    EquationEntry y3 = equation("2@+1");
    y3.penColor = 0x0000FF;
    y3.penWidth = 3;
    y3.visible = false;
    storeExplicitFunction(ctx, 3, y3);
    storeRelation(ctx, 2, equation("x<y"));
    FigureEntry circle = point(4, "1", "2");
    circle.kind = FigureKind::Circle;
    circle.radius.source = "3";
    circle.pointColor = 0x00FF00;
    storeFigure(ctx, 4, circle);
    FigureEntry polar = blankFigure(9);
    polar.kind = FigureKind::Polar;
    polar.radius.source = "1+@";
    storeFigure(ctx, 9, polar);
    storeUserFunction(ctx, 2, expression("x+y"));
    storeUserFunction(ctx, 5, expression("w"));
    SegmentRecord segment;
    segment.kind = SegmentKind::Polyline;
    segment.vertices = {4, kXAxisVertex, kYAxisVertex};
    segment.visible = false;
    project.segments.add(segment);
    project.relationRows[2].shown = false;

    struct Case {
        CategoryPanel panel;
        int slot;
        bool used;
        std::string caption;
        std::string text;
        bool visible;
    };
    const Case cases[] = {
        {CategoryPanel::Explicit, 3, true, " y3=", "2@+1", false},
        {CategoryPanel::Explicit, 1, false, " y1=", "", true},
        {CategoryPanel::Relations, 2, true, " C2: ", "x<y", true},
        {CategoryPanel::BasicFigures, 4, true, "S", "(1,2), r=3", true},
        {CategoryPanel::Curves, 4, false, "S", "(1,2), r=3", true}, // a circle is no curve
        {CategoryPanel::Curves, 9, true, "B", "r= 1+@", true},
        {CategoryPanel::UserFunctions, 2, true, " g(x,y)=", "x+y", true},
        {CategoryPanel::UserFunctions, 5, true, " f2(x,y,z,w)=", "w", true},
        {CategoryPanel::ConnectedFigures, 1, true, "L1", "S x y", false},
        {CategoryPanel::ConnectedFigures, 2, false, "", "", true},
    };
    for (const Case& c : cases) {
        const PanelRowText r = row(c.panel, c.slot);
        EXPECT_EQ(r.used, c.used) << panelNumber(c.panel) << " " << c.slot;
        EXPECT_EQ(r.caption, c.caption) << panelNumber(c.panel) << " " << c.slot;
        EXPECT_EQ(r.text, c.text) << panelNumber(c.panel) << " " << c.slot;
        EXPECT_EQ(r.visible, c.visible) << panelNumber(c.panel) << " " << c.slot;
    }

    const PanelRowText f = row(CategoryPanel::Explicit, 3);
    EXPECT_EQ(f.color, 0x0000FFu);
    EXPECT_TRUE(f.bold) << "pen wider than 1";
    EXPECT_EQ(f.position, 1);
    EXPECT_EQ(row(CategoryPanel::BasicFigures, 4).color, 0x00FF00u);
    EXPECT_FALSE(row(CategoryPanel::Relations, 2).shown);
    EXPECT_EQ(panelRows(project, CategoryPanel::Explicit).size(), 20u) << "one entry per slot";
    EXPECT_TRUE(panelRows(project, CategoryPanel::Parameters).empty());
}

TEST_F(PanelRowsTest, PanelsFollowTheirOrderAndLayoutTopsAreNoEdit) {
    project.categories[CategoryPanel::Memo].order = 0; // moved to the top
    const auto order = panelsInOrder(project);
    EXPECT_EQ(order[0], CategoryPanel::Memo);
    EXPECT_EQ(order[1], CategoryPanel::Explicit);
    EXPECT_EQ(order[7], CategoryPanel::ConnectedFigures);

    notePanelTop(project, CategoryPanel::Relations, 140);
    EXPECT_EQ(project.categories[CategoryPanel::Relations].top, 140);
    EXPECT_FALSE(project.modified);
    EXPECT_EQ(hooks.undoSteps(), 0);
}
