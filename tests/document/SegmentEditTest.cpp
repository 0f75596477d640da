// Adding, deleting and replacing connected figures, and the vertex letters typed for them.
#include "document/SegmentEdit.h"
#include "document/ProjectFixture.h"

namespace tarlix::testing {

struct SegmentEditTest : ProjectTest {
    SegmentEditTest() {
        project.figures[1].kind = 1; // P
        project.figures[2].kind = 1; // Q
        project.figures[3].kind = 1; // R
        project.figures[8].kind = 3; // A, a horizontal line
    }
};

TEST_F(SegmentEditTest, TheThirtyFirstSegmentIsRefusedWithTheMessage) {
    const PenDefaults defaults{0x00FF00, 3, 2};
    for (int i = 1; i <= kSegments; ++i) ASSERT_EQ(addSegment(ctx, defaults, 1, 2), i);
    const SegmentRecord& first = project.segments[1];
    EXPECT_EQ(first.kind, skSegment);
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
    EXPECT_EQ(messages.entries[0].kind, mkWarning);
}

TEST_F(SegmentEditTest, DeletingMovesTheLaterSegmentsDown) {
    for (int i = 1; i <= 5; ++i) addSegment(ctx, PenDefaults{}, 1, i <= 3 ? 2 : 3);
    project.segments[4].label = "fourth";
    project.modified = false;
    deleteSegment(ctx, 3);
    EXPECT_EQ(project.segments.count, 4);
    EXPECT_EQ(project.segments[3].label, "fourth");
    EXPECT_EQ(project.segments[5].kind, skNone);
    EXPECT_EQ(hooks.segmentsRemoved, std::vector<int>{3});
    EXPECT_TRUE(project.modified);
    deleteSegment(ctx, 9); // no such segment
    EXPECT_EQ(project.segments.count, 4);
}

TEST_F(SegmentEditTest, VertexLettersFollowTheRulesOfEachKind) {
    struct Case {
        std::uint8_t kind;
        const char* letters;
        const char* message; // empty: taken
    };
    const Case cases[] = {
        {skSegment, "PQ", ""},
        {skSegment, "p q", ""},
        {skSegment, "PX", ""},
        {skSegment, "PQR", kMsgTooManyVertices},
        {skSegment, "P", kMsgTooFewVertices},
        {skPolygon, "PQ", kMsgTooFewVertices},
        {skPolygon, "PQRPQRPQRPQ", ""},
        {skPolygon, "PQRPQRPQRPQR", kMsgTooManyVertices},
        {skAngle, "PQRP", kMsgTooManyVertices},
        {skPolygon, "PXQ", kMsgAxisAsPolygonVertex},
        {skPolyline, "PAQ", kMsgAxisAsPolygonVertex},
        {skSegment, "XX", kMsgInvalidVertex},
        {skSegment, "PS", kMsgInvalidVertex}, // S does not exist
        {skSegment, "P?", kMsgInvalidVertex},
    };
    for (const Case& c : cases) {
        SegmentRecord r;
        r.kind = c.kind;
        EXPECT_EQ(readSegmentVertices(project, c.letters, r), c.message) << c.letters;
    }
    SegmentRecord r;
    r.kind = skSegment;
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
    r.kind = skLine;
    setSegment(ctx, 1, r);
    EXPECT_EQ(project.segments[1].kind, skLine);
    EXPECT_TRUE(redraw.mappingChanged);
    EXPECT_EQ(hooks.redraws, redraws + 1);
}

} // namespace tarlix::testing
