#include "ProjectFixture.h"

#include "document/AfterimageStore.h"

#include <gtest/gtest.h>

using namespace tarlix;

namespace {

AfterimageSnapshot withFunction(Extended a, Color colour = 0x0000FF) {
    AfterimageSnapshot s;
    s.parameters[0] = a;
    s.functions[0] = colour;
    return s;
}

FigurePosition pointAt(Extended x, Extended y) {
    FigurePosition p;
    p.kind = FigureKind::Point;
    p.x = x;
    p.y = y;
    p.pointAfterimage = 1;
    return p;
}

} // namespace

TEST(AfterimageStoreTest, TheRingOverwritesItsOldestSnapshotOncePastItsCapacity) {
    AfterimageStore store;
    for (int i = 1; i <= static_cast<int>(AfterimageStore::capacity) + 1; ++i)
        ASSERT_TRUE(store.push(withFunction(i)));
    ASSERT_EQ(store.size(), AfterimageStore::capacity);
    EXPECT_EQ(store[0].parameters[0], 2);
    EXPECT_EQ(store[store.size() - 1].parameters[0], AfterimageStore::capacity + 1);
}

TEST(AfterimageStoreTest, ASnapshotShowingNothingIsKeptOnlyRightAfterOneThatShowedSomething) {
    AfterimageStore store;
    EXPECT_FALSE(store.push(AfterimageSnapshot{}));
    EXPECT_TRUE(store.empty());
    EXPECT_TRUE(store.push(withFunction(1)));
    EXPECT_TRUE(store.push(AfterimageSnapshot{})); // the object vanished: that is seen too
    EXPECT_FALSE(store.push(AfterimageSnapshot{}));
    EXPECT_EQ(store.size(), 2u);
    // A curve fill alone draws nothing, so it does not count.
    AfterimageSnapshot fillOnly;
    fillOnly.curveFills[3] = 0x00FF00;
    EXPECT_FALSE(store.push(fillOnly));
    store.clear();
    EXPECT_TRUE(store.empty());
    EXPECT_FALSE(store.push(AfterimageSnapshot{}));
}

TEST(AfterimageStoreTest, RemovingAFigureWhitensItsReferrersOnlyWhereItsPositionWasStored) {
    AfterimageStore store;
    AfterimageSnapshot withP = withFunction(1);
    withP.positions[0] = pointAt(1, 2);
    withP.curveLines[4] = 0x00FF00;
    store.push(withP);
    store.push(withFunction(2)); // P not stored here: y1 did not depend on it then
    store.changed = false;

    AfterimageReferrers referrers;
    referrers.functions.set(1);
    referrers.figures.set(5);
    store.removeFigure(1, referrers);

    EXPECT_TRUE(store.changed);
    EXPECT_EQ(store[0].position(1), nullptr);
    EXPECT_EQ(store[0].functions[0], kWhite);
    EXPECT_EQ(store[0].curveLines[4], kWhite);
    EXPECT_EQ(store[1].functions[0], 0x0000FFu);
}

TEST(AfterimageStoreTest, DeletingAConnectedFigureMovesTheLaterOnesColoursDown) {
    AfterimageStore store;
    AfterimageSnapshot s = withFunction(1);
    for (int k = 0; k < kSegments; ++k) {
        s.segmentPens[static_cast<std::size_t>(k)] = static_cast<Color>(k + 1);
        s.segmentFills[static_cast<std::size_t>(k)] = static_cast<Color>(100 + k);
    }
    store.push(s);
    store.segmentDeleted(2);
    const AfterimageSnapshot& after = store[0];
    EXPECT_EQ(after.segmentPens[0], 1u);
    EXPECT_EQ(after.segmentPens[1], 3u);
    EXPECT_EQ(after.segmentFills[1], 102u);
    EXPECT_EQ(after.segmentPens[kSegments - 2], static_cast<Color>(kSegments));
    EXPECT_EQ(after.segmentPens[kSegments - 1], kWhite);
    EXPECT_EQ(after.segmentFills[kSegments - 1], kWhite);

    store.removeSegment(1);
    EXPECT_EQ(store[0].segmentPens[0], kWhite);
}

namespace {
struct AfterimagePointTest : tarlix::testing::ProjectTest {};
} // namespace

TEST_F(AfterimagePointTest, APointHitFindsTheOldestSnapshotsHighestVisibleFigureNearby) {
    view.setView(-5, 5, -5, 5);
    AfterimageStore store;
    AfterimageSnapshot older = withFunction(1);
    older.positions[1] = pointAt(1, 1); // Q
    older.positions[4] = pointAt(1, 1); // T, at the same place
    AfterimageSnapshot newer = withFunction(2);
    newer.positions[6] = pointAt(1, 1); // V, stored later
    store.push(older);
    store.push(newer);
    std::bitset<kFigures + 1> visible;
    visible.set();
    std::array<FigureKind, kFigures> kinds;
    kinds.fill(FigureKind::Point);
    const int px = view.xAxis.toPixel(1);
    const int py = view.yAxis.toPixel(1);

    const AfterimageHit hit = store.pointAt(view, px + 3, py - 3, visible, kinds);
    EXPECT_EQ(hit.figure, 5);
    EXPECT_EQ(hit.x, 1);
    EXPECT_EQ(store.pointAt(view, px + 4, py, visible, kinds).figure, 0);
    visible.reset(5);
    EXPECT_EQ(store.pointAt(view, px, py, visible, kinds).figure, 2);
    kinds[1] =
        FigureKind::HorizontalLine; // Q is a line now: its stored point is no longer a target
    EXPECT_EQ(store.pointAt(view, px, py, visible, kinds).figure, 7);
}
