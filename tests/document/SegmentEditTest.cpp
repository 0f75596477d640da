// Adding, deleting and replacing connected figures, and the vertex letters typed for them.
#include "document/SegmentEdit.h"
#include "document/ProjectFixture.h"

namespace tarlix::testing {

struct SegmentEditTest : ProjectTest {
    SegmentEditTest() {
        project.figures[1].kind = FigureKind::Point;          // P
        project.figures[2].kind = FigureKind::Point;          // Q
        project.figures[3].kind = FigureKind::Point;          // R
        project.figures[8].kind = FigureKind::HorizontalLine; // A, a horizontal line
    }
};

TEST_F(SegmentEditTest, TheThirtyFirstSegmentIsRefusedWithTheMessage) {
    const PenDefaults defaults{0x00FF00, 3, 2};
    for (int i = 1; i <= kSegments; ++i) ASSERT_EQ(addSegment(ctx, defaults, 1, 2), i);
    const SegmentRecord& first = project.segments[1];
    EXPECT_EQ(first.kind, SegmentKind::Segment);
    EXPECT_EQ(first.vertexCount(), 2);
    EXPECT_EQ(first.penColor, 0x00FF00u);
    EXPECT_EQ(first.width, 3);
    EXPECT_EQ(first.lineStyle, 2);
    EXPECT_EQ(hooks.undoSteps(), kSegments);
    EXPECT_TRUE(messages.entries.empty());

    EXPECT_EQ(addSegment(ctx, defaults, 1, 3), 0);
    EXPECT_EQ(project.segments.count, kSegments);
    EXPECT_EQ(hooks.undoSteps(), kSegments);
    ASSERT_EQ(messages.entries.size(), 1u);
    EXPECT_EQ(messages.entries[0].text, kMsgSegmentsFull);
    EXPECT_EQ(messages.entries[0].kind, MessageKind::Warning);
}

TEST_F(SegmentEditTest, DeletingMovesTheLaterSegmentsDown) {
    for (int i = 1; i <= 5; ++i) addSegment(ctx, PenDefaults{}, 1, i <= 3 ? 2 : 3);
    project.segments[4].label = "fourth";
    project.modified = false;
    deleteSegment(ctx, 3);
    EXPECT_EQ(project.segments.count, 4);
    EXPECT_EQ(project.segments[3].label, "fourth");
    EXPECT_EQ(project.segments[5].kind, SegmentKind::None);
    EXPECT_EQ(hooks.segmentsRemoved, std::vector<int>{3});
    EXPECT_TRUE(project.modified);
    deleteSegment(ctx, 9); // no such segment
    EXPECT_EQ(project.segments.count, 4);
}

TEST_F(SegmentEditTest, VertexLettersFollowTheRulesOfEachKind) {
    struct Case {
        SegmentKind kind;
        const char* letters;
        const char* message; // empty: taken
    };
    const Case cases[] = {
        {SegmentKind::Segment, "PQ", ""},
        {SegmentKind::Segment, "p q", ""},
        {SegmentKind::Segment, "PX", ""},
        {SegmentKind::Segment, "PQR", kMsgTooManyVertices},
        {SegmentKind::Segment, "P", kMsgTooFewVertices},
        {SegmentKind::Polygon, "PQ", kMsgTooFewVertices},
        {SegmentKind::Polygon, "PQRPQRPQRPQ", ""},
        {SegmentKind::Polygon, "PQRPQRPQRPQR", kMsgTooManyVertices},
        {SegmentKind::Angle, "PQRP", kMsgTooManyVertices},
        {SegmentKind::Polygon, "PXQ", kMsgAxisAsPolygonVertex},
        {SegmentKind::Polyline, "PAQ", kMsgAxisAsPolygonVertex},
        {SegmentKind::Segment, "XX", kMsgInvalidVertex},
        {SegmentKind::Segment, "PS", kMsgInvalidVertex}, // S does not exist
        {SegmentKind::Segment, "P?", kMsgInvalidVertex},
    };
    for (const Case& c : cases) {
        SegmentRecord r;
        r.kind = c.kind;
        EXPECT_EQ(readSegmentVertices(project, c.letters, r), c.message) << c.letters;
    }
    SegmentRecord r;
    r.kind = SegmentKind::Segment;
    ASSERT_EQ(readSegmentVertices(project, "qy", r), "");
    EXPECT_EQ(r.vertices[0], 2);
    EXPECT_EQ(r.vertices[1], kYAxisVertex);
    EXPECT_EQ(r.vertexCount(), 2);
}

TEST_F(SegmentEditTest, ReplacingASegmentRedrawsTheWholeView) {
    addSegment(ctx, PenDefaults{}, 1, 2);
    redraw.mappingChanged = false;
    const int redraws = hooks.redraws;
    SegmentRecord r = project.segments[1];
    r.kind = SegmentKind::Line;
    setSegment(ctx, 1, r);
    EXPECT_EQ(project.segments[1].kind, SegmentKind::Line);
    EXPECT_TRUE(redraw.mappingChanged);
    EXPECT_EQ(hooks.redraws, redraws + 1);
}

} // namespace tarlix::testing
