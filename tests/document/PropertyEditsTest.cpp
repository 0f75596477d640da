// What the property dialogs' OK refuses and stores: functions, relations, figures, connected
// figures, and the increment steps of a curve.
#include "document/PropertyEdits.h"
#include "document/ProjectFixture.h"
#include "document/SegmentEdit.h"
#include "expression/CompileMessages.h"

namespace tarlix::testing {

struct PropertyEditsTest : ProjectTest {
    FigureDefaults figureDefaults;
    PenDefaults segmentDefaults;

    std::string lastMessage() const {
        return messages.entries.empty() ? std::string() : messages.entries.back().text;
    }
    FigureEntry curve(int n, FigureKind kind, const std::string& x, const std::string& y) {
        FigureEntry f = blankFigure(n);
        f.kind = kind;
        f.x.source = x;
        f.y.source = y;
        f.paramStep = 0.1L;
        return f;
    }
};

TEST_F(PropertyEditsTest, AFunctionMayNotUseYOrRButARelationMay) {
    for (const char* text : {"x+y", "r^2"}) {
        messages.entries.clear();
        EXPECT_FALSE(confirmExplicitFunction(ctx, 1, equation(text))) << text;
        EXPECT_EQ(lastMessage(), kMsgNoYInFunctions);
        EXPECT_TRUE(project.explicitFunctions[1].expr.source.empty());
        EXPECT_EQ(hooks.undoSteps(), 0);
    }
    EXPECT_TRUE(confirmRelation(ctx, 1, equation("x+y")));
    EXPECT_EQ(project.relations[1].expr.source, "x+y");
    EXPECT_EQ(hooks.undoSteps(), 1);
}

TEST_F(PropertyEditsTest, ARefusedFunctionKeepsThePreviousDefinition) {
    storeY(1, "x^2");
    storeY(2, "y1+1");
    hooks.undoSteps.reset();
    const std::string oldCode = project.explicitFunctions[1].expr.code;
    struct Case {
        const char* text;
        const char* message;
    } cases[] = {
        {"y2*2", msg::kCircular}, // y2 refers back to y1
        {"y1+1", msg::kCircular},
        {"(x+", nullptr}, // the compiler's own message
    };
    for (const Case& c : cases) {
        messages.entries.clear();
        EXPECT_FALSE(confirmExplicitFunction(ctx, 1, equation(c.text))) << c.text;
        ASSERT_FALSE(messages.entries.empty()) << c.text;
        if (c.message) {
            EXPECT_EQ(lastMessage(), c.message) << c.text;
        }
        EXPECT_EQ(project.explicitFunctions[1].expr.source, "x^2") << c.text;
        EXPECT_EQ(project.explicitFunctions[1].expr.code, oldCode) << c.text;
    }
    EXPECT_EQ(hooks.undoSteps(), 0);
}

TEST_F(PropertyEditsTest, AnEmptyFunctionTextDeletesItInOneStep) {
    storeY(1, "x^2");
    hooks.undoSteps.reset();
    EquationEntry e = project.explicitFunctions[1];
    e.expr.source = "  ";
    EXPECT_TRUE(confirmExplicitFunction(ctx, 1, e));
    EXPECT_TRUE(project.explicitFunctions[1].expr.source.empty());
    EXPECT_EQ(hooks.undoSteps(), 1);
}

// OK on an empty slot with no text leaves it empty and records nothing.
TEST_F(PropertyEditsTest, AnEmptySlotLeftEmptyRecordsNoStep) {
    EXPECT_TRUE(confirmExplicitFunction(ctx, 3, equation("")));
    EXPECT_TRUE(confirmRelation(ctx, 2, equation(" ")));
    EXPECT_EQ(hooks.undoSteps(), 0);
    EXPECT_FALSE(project.modified);
}

// A dropped colour sets the main, line or inside colour as the palette's mode says; objects
// without that colour are left alone. Each change is one undo step.
TEST_F(PropertyEditsTest, ADroppedColourSetsTheColourOfItsMode) {
    storeY(1, "x^2");
    ASSERT_TRUE(confirmFigure(ctx, 1, point(1, "1", "2"), figureDefaults));
    FigureEntry circle = point(2, "0", "0");
    circle.kind = FigureKind::Circle;
    circle.radius.source = "1";
    ASSERT_TRUE(confirmFigure(ctx, 2, circle, figureDefaults));
    SegmentRecord polygon;
    polygon.kind = SegmentKind::Segment;
    ASSERT_TRUE(confirmSegment(ctx, 1, polygon, "PQ", segmentDefaults));
    hooks.undoSteps.reset();
    const std::uint32_t c = 0x123456;
    struct Case {
        CategoryPanel panel;
        int row;
        ColourTarget target;
        bool changes;
        std::uint32_t (*read)(const Project&);
    } cases[] = {
        {CategoryPanel::Explicit, 1, ColourTarget::Main, true,
         [](const Project& p) { return p.explicitFunctions[1].penColor; }},
        {CategoryPanel::Explicit, 1, ColourTarget::Inside, false,
         [](const Project& p) { return p.explicitFunctions[1].penColor; }},
        {CategoryPanel::BasicFigures, 1, ColourTarget::Main, true,
         [](const Project& p) { return p.figures[1].pointColor; }},
        {CategoryPanel::BasicFigures, 2, ColourTarget::Line, true,
         [](const Project& p) { return p.figures[2].lineColor; }},
        {CategoryPanel::BasicFigures, 2, ColourTarget::Inside, true,
         [](const Project& p) { return p.figures[2].fillColor; }},
        {CategoryPanel::ConnectedFigures, 1, ColourTarget::Line, true,
         [](const Project& p) { return p.segments[1].penColor; }},
        {CategoryPanel::ConnectedFigures, 1, ColourTarget::Inside, true,
         [](const Project& p) { return p.segments[1].fillColor; }},
        {CategoryPanel::BasicFigures, 5, ColourTarget::Line, false, // an empty slot
         [](const Project& p) { return p.figures[5].lineColor; }},
    };
    int steps = 0;
    for (const Case& k : cases) {
        const std::uint32_t before = k.read(project);
        EXPECT_EQ(setEntryColour(ctx, k.panel, k.row, c, k.target), k.changes) << k.row;
        EXPECT_EQ(k.read(project), k.changes ? c : before) << k.row;
        steps += k.changes ? 1 : 0;
        EXPECT_EQ(hooks.undoSteps(), steps) << k.row;
    }
    // The circle's point colour was not touched by its line and inside drops.
    EXPECT_NE(project.figures[2].pointColor, c);
    EXPECT_FALSE(
        setEntryColour(ctx, CategoryPanel::BasicFigures, 2, c, ColourTarget::Line)); // the same
}

TEST_F(PropertyEditsTest, IncompleteFiguresAreNotFinished) {
    FigureEntry circle = point(1, "1", "2");
    circle.kind = FigureKind::Circle; // no radius
    FigureEntry pointWithoutY = point(2, "1", "");
    FigureEntry polarWithoutR = curve(3, FigureKind::Polar, "", "");
    for (auto [n, f] : {std::pair{1, circle}, {2, pointWithoutY}, {3, polarWithoutR}}) {
        messages.entries.clear();
        EXPECT_FALSE(confirmFigure(ctx, n, f, figureDefaults)) << n;
        EXPECT_EQ(lastMessage(), msg::kNotFinished) << n;
        EXPECT_EQ(messages.entries.back().kind, MessageKind::Error);
        EXPECT_EQ(project.figures[n].kind, FigureKind::Empty) << n;
    }
    EXPECT_EQ(hooks.undoSteps(), 0);
}

TEST_F(PropertyEditsTest, AFigureStoresItsKindsTextsAndBecomesTheDefault) {
    FigureEntry f = point(1, "1", "2");
    f.kind =
        FigureKind::HorizontalLine; // a horizontal line keeps y only and gets the strip width "0"
    f.pointColor = 0x00FF00;
    f.lineWidth = 4;
    ASSERT_TRUE(confirmFigure(ctx, 1, f, figureDefaults));
    const FigureEntry& stored = project.figures[1];
    EXPECT_EQ(stored.kind, FigureKind::HorizontalLine);
    EXPECT_TRUE(stored.x.source.empty());
    EXPECT_EQ(stored.y.source, "2");
    EXPECT_EQ(stored.radius.source, "0");
    EXPECT_FALSE(stored.radius.code.empty());
    EXPECT_EQ(figureDefaults.pointColor, 0x00FF00u);
    EXPECT_EQ(figureDefaults.lineWidth, 4);
    EXPECT_EQ(hooks.undoSteps(), 1);

    ASSERT_TRUE(confirmFigure(ctx, 2, curve(2, FigureKind::Polar, "", ""), figureDefaults) ==
                false);
    FigureEntry polar = curve(2, FigureKind::Polar, "", "");
    polar.radius.source = "1+cos@";
    polar.paramLetter = '@';
    ASSERT_TRUE(confirmFigure(ctx, 2, polar, figureDefaults));
    EXPECT_EQ(project.figures[2].x.source, "r cos@");
    EXPECT_EQ(project.figures[2].y.source, "r sin@");
}

TEST_F(PropertyEditsTest, APointDefinedThroughItselfIsNotStored) {
    ASSERT_TRUE(confirmFigure(ctx, 1, point(1, "1", "2"), figureDefaults));
    hooks.undoSteps.reset();
    EXPECT_FALSE(confirmFigure(ctx, 1, point(1, "P.x+1", "2"), figureDefaults));
    EXPECT_EQ(lastMessage(), msg::kCircular);
    EXPECT_EQ(project.figures[1].x.source, "1");
    EXPECT_EQ(hooks.undoSteps(), 0);
}

TEST_F(PropertyEditsTest, CurvesNeedTheirParameterARangeAndAnIncrement) {
    FigureEntry noLetter = curve(1, FigureKind::Parametric, "cos s", "sin s");
    FigureEntry noStep = curve(1, FigureKind::Parametric, "cos t", "sin t");
    noStep.paramStep = 0;
    FigureEntry noHigh = curve(1, FigureKind::Parametric, "cos t", "sin t");
    noHigh.paramHigh.source = "";
    for (const FigureEntry& f : {noLetter, noStep, noHigh}) {
        messages.entries.clear();
        EXPECT_FALSE(confirmFigure(ctx, 1, f, figureDefaults));
        EXPECT_EQ(lastMessage(), kMsgBadCurveParameter);
    }
    EXPECT_EQ(project.figures[1].kind, FigureKind::Empty);
    EXPECT_TRUE(
        confirmFigure(ctx, 1, curve(1, FigureKind::Parametric, "cos t", "sin t"), figureDefaults));
}

TEST_F(PropertyEditsTest, ARangeUsingTheParameterSwitchesTheCurvesAfterimageOff) {
    FigureEntry f = curve(1, FigureKind::Parametric, "t", "t^2");
    f.paramHigh.source = "t+1";
    f.lineAfterimage = true;
    ASSERT_TRUE(confirmFigure(ctx, 1, f, figureDefaults));
    EXPECT_EQ(lastMessage(), kMsgRangeUsesParameter);
    EXPECT_FALSE(project.figures[1].lineAfterimage);
}

TEST_F(PropertyEditsTest, SegmentVerticesAreCheckedBeforeTheRecordIsStored) {
    project.figures[1].kind = FigureKind::Point; // P
    project.figures[2].kind = FigureKind::Point; // Q
    project.figures[3].kind = FigureKind::Point; // R
    struct Case {
        SegmentKind kind;
        const char* letters;
        const char* message;
    } cases[] = {
        {SegmentKind::Segment, "PQR", kMsgTooManyVertices},
        {SegmentKind::Polygon, "PQ", kMsgTooFewVertices},
        {SegmentKind::Polygon, "PXQ", kMsgAxisAsPolygonVertex},
        {SegmentKind::Segment, "XX", kMsgInvalidVertex},
        {SegmentKind::Polyline, "PQRPQRPQRPQR", kMsgTooManyVertices},
        {SegmentKind::Segment, "p q", nullptr},
    };
    for (const Case& c : cases) {
        messages.entries.clear();
        SegmentRecord r;
        r.kind = c.kind;
        r.penColor = 0x0000FF;
        const bool stored = confirmSegment(ctx, 1, r, c.letters, segmentDefaults);
        EXPECT_EQ(stored, c.message == nullptr) << c.letters;
        if (c.message) {
            EXPECT_EQ(lastMessage(), c.message) << c.letters;
        }
    }
    ASSERT_EQ(project.segments.count, 1);
    EXPECT_EQ(project.segments[1].vertices[0], 1);
    EXPECT_EQ(project.segments[1].vertices[1], 2);
    EXPECT_EQ(segmentDefaults.color, 0x0000FFu);
    EXPECT_EQ(hooks.undoSteps(), 1);

    SegmentRecord none = project.segments[1];
    none.kind = SegmentKind::None;
    EXPECT_TRUE(confirmSegment(ctx, 1, none, "", segmentDefaults));
    EXPECT_EQ(project.segments.count, 0);
    EXPECT_EQ(hooks.undoSteps(), 2);
}

TEST_F(PropertyEditsTest, AnAngleIsAlwaysDrawnSolid) {
    for (int n : {1, 2, 3}) project.figures[n].kind = FigureKind::Point;
    SegmentRecord r;
    r.kind = SegmentKind::Angle;
    r.lineStyle = 3;
    ASSERT_TRUE(confirmSegment(ctx, 1, r, "PQR", segmentDefaults));
    EXPECT_EQ(project.segments[1].lineStyle, 1);
}

TEST(SteppedIncrement, StepsThroughTheSequenceAndStopsAtItsEnds) {
    struct Case {
        Extended current;
        bool larger;
        std::optional<Extended> next;
    } cases[] = {
        {1000, true, std::nullopt},
        {0.001L, false, std::nullopt},
        {0.3L, true, 0.5L},
        {0.3L, false, 0.2L},
        {1, true, 2},
        {1, false, 0.5L},
        {2000, false, 1000},
    };
    for (const Case& c : cases) {
        const auto next = steppedIncrement(c.current, c.larger);
        ASSERT_EQ(next.has_value(), c.next.has_value()) << static_cast<double>(c.current);
        if (next) {
            EXPECT_EQ(*next, *c.next) << static_cast<double>(c.current);
        }
    }
}

} // namespace tarlix::testing
