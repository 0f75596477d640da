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
    circle.kind = 2;
    circle.radius.source = "3";
    circle.pointColor = 0x00FF00;
    storeFigure(ctx, 4, circle);
    FigureEntry polar = blankFigure(9);
    polar.kind = 5;
    polar.radius.source = "1+@";
    storeFigure(ctx, 9, polar);
    storeUserFunction(ctx, 2, expression("x+y"));
    storeUserFunction(ctx, 5, expression("w"));
    SegmentRecord segment;
    segment.kind = skPolyline;
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
        {cpExplicit, 3, true, " y3=", "2@+1", false},
        {cpExplicit, 1, false, " y1=", "", true},
        {cpRelations, 2, true, " C2: ", "x<y", true},
        {cpBasicFigures, 4, true, "S", "(1,2), r=3", true},
        {cpCurves, 4, false, "S", "(1,2), r=3", true}, // a circle is no curve
        {cpCurves, 9, true, "B", "r= 1+@", true},
        {cpUserFunctions, 2, true, " g(x,y)=", "x+y", true},
        {cpUserFunctions, 5, true, " f2(x,y,z,w)=", "w", true},
        {cpConnectedFigures, 1, true, "L1", "S x y", false},
        {cpConnectedFigures, 2, false, "", "", true},
    };
    for (const Case& c : cases) {
        const PanelRowText r = row(c.panel, c.slot);
        EXPECT_EQ(r.used, c.used) << c.panel << " " << c.slot;
        EXPECT_EQ(r.caption, c.caption) << c.panel << " " << c.slot;
        EXPECT_EQ(r.text, c.text) << c.panel << " " << c.slot;
        EXPECT_EQ(r.visible, c.visible) << c.panel << " " << c.slot;
    }

    const PanelRowText f = row(cpExplicit, 3);
    EXPECT_EQ(f.color, 0x0000FFu);
    EXPECT_TRUE(f.bold) << "pen wider than 1";
    EXPECT_EQ(f.position, 1);
    EXPECT_EQ(row(cpBasicFigures, 4).color, 0x00FF00u);
    EXPECT_FALSE(row(cpRelations, 2).shown);
    EXPECT_EQ(panelRows(project, cpExplicit).size(), 20u) << "one entry per slot";
    EXPECT_TRUE(panelRows(project, cpParameters).empty());
}

TEST_F(PanelRowsTest, PanelsFollowTheirOrderAndLayoutTopsAreNoEdit) {
    project.categories[cpMemo].order = 0; // moved to the top
    const auto order = panelsInOrder(project);
    EXPECT_EQ(order[0], cpMemo);
    EXPECT_EQ(order[1], cpExplicit);
    EXPECT_EQ(order[7], cpConnectedFigures);

    notePanelTop(project, cpRelations, 140);
    EXPECT_EQ(project.categories[cpRelations].top, 140);
    EXPECT_FALSE(project.modified);
    EXPECT_EQ(hooks.undoSteps(), 0);
}
