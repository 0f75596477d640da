// Which connected figure the mouse is on, and which one runs through a figure.
#include "render/segments/SegmentHits.h"
#include "render/segments/SegmentFixture.h"

namespace tarlix::testing {

TEST_F(SegmentTest, SegmentAtCountsEachKindsOwnReach) {
    place(1, -1, 1); // (200, 200)
    place(2, 2, -3); // (350, 400)
    place(3, 1, 0);  // (300, 250)
    place(4, 0, 0);  // (250, 250)
    place(5, 0, 1);  // (250, 200)
    struct Case {
        const char* name;
        SegmentKind kind;
        std::initializer_list<int> vertices;
        Point mouse;
        bool hit;
    };
    const Case cases[] = {
        {"near the middle of a segment", SegmentKind::Segment, {1, 2}, {279, 300}, true},
        {"6 pixels beside it", SegmentKind::Segment, {1, 2}, {285, 300}, false},
        {"on its line past its end", SegmentKind::Segment, {1, 2}, {365, 420}, false},
        {"a line there", SegmentKind::Line, {1, 2}, {365, 420}, true},
        {"behind the start of a ray", SegmentKind::Ray, {1, 2}, {185, 180}, false},
        {"far along a ray", SegmentKind::Ray, {1, 2}, {410, 480}, true},
        {"on the diagonal inside a rectangle", SegmentKind::Rectangle, {1, 2}, {275, 300}, true},
        {"on an angle's arc within its arms", SegmentKind::Angle, {3, 4, 5}, {275, 225}, true},
        {"on the arc's circle outside the arms", SegmentKind::Angle, {3, 4, 5}, {225, 275}, false},
        {"inside the arc's circle", SegmentKind::Angle, {3, 4, 5}, {260, 240}, false},
        {"on a Bezier curve's end piece", SegmentKind::Bezier, {1, 4, 2}, {201, 202}, true},
        {"on the straight part of a bracket", SegmentKind::Bracket, {5, 4}, {262, 225}, true},
        {"between the points a bracket spans", SegmentKind::Bracket, {5, 4}, {250, 225}, false},
    };
    for (const Case& c : cases) {
        project.segments.clear();
        add(c.kind, c.vertices);
        EXPECT_EQ(segmentAt(scene, c.mouse.x, c.mouse.y), c.hit ? 1 : 0) << c.name;
    }
}

TEST_F(SegmentTest, TheLastFigureWinsAndHiddenOnesAreNotHit) {
    place(1, -1, 1);
    place(2, 2, -3);
    place(3, 0, 0);
    add(SegmentKind::Segment, {1, 2});
    add(SegmentKind::Segment, {2, 1});
    add(SegmentKind::Segment, {1, 3});
    EXPECT_EQ(segmentAt(scene, 275, 300), 2);
    project.segments[2].visible = false;
    EXPECT_EQ(segmentAt(scene, 275, 300), 1);
    EXPECT_EQ(segmentWithVertex(project.segments, 1), 3);
    EXPECT_EQ(segmentWithVertex(project.segments, 2), 2);
    EXPECT_EQ(segmentWithVertex(project.segments, 7), 0);
}

} // namespace tarlix::testing
