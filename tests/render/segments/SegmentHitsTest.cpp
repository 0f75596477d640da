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
        std::uint8_t kind;
        std::initializer_list<int> vertices;
        Point mouse;
        bool hit;
    };
    const Case cases[] = {
        {"near the middle of a segment", skSegment, {1, 2}, {279, 300}, true},
        {"6 pixels beside it", skSegment, {1, 2}, {285, 300}, false},
        {"on its line past its end", skSegment, {1, 2}, {365, 420}, false},
        {"a line there", skLine, {1, 2}, {365, 420}, true},
        {"behind the start of a ray", skRay, {1, 2}, {185, 180}, false},
        {"far along a ray", skRay, {1, 2}, {410, 480}, true},
        {"on the diagonal inside a rectangle", skRectangle, {1, 2}, {275, 300}, true},
        {"on an angle's arc within its arms", skAngle, {3, 4, 5}, {275, 225}, true},
        {"on the arc's circle outside the arms", skAngle, {3, 4, 5}, {225, 275}, false},
        {"inside the arc's circle", skAngle, {3, 4, 5}, {260, 240}, false},
        {"on a Bezier curve's end piece", skBezier, {1, 4, 2}, {201, 202}, true},
        {"on the straight part of a bracket", skBracket, {5, 4}, {262, 225}, true},
        {"between the points a bracket spans", skBracket, {5, 4}, {250, 225}, false},
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
    add(skSegment, {1, 2});
    add(skSegment, {2, 1});
    add(skSegment, {1, 3});
    EXPECT_EQ(segmentAt(scene, 275, 300), 2);
    project.segments[2].visible = false;
    EXPECT_EQ(segmentAt(scene, 275, 300), 1);
    EXPECT_EQ(segmentWithVertex(project.segments, 1), 3);
    EXPECT_EQ(segmentWithVertex(project.segments, 2), 2);
    EXPECT_EQ(segmentWithVertex(project.segments, 7), 0);
}

} // namespace tarlix::testing
