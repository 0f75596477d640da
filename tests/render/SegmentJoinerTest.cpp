#include "render/SegmentJoiner.h"

#include "PlainJoin.h"
#include "RecordingCanvasForTests.h"

#include <gtest/gtest.h>

using namespace tarlix;
using namespace tarlix::recording;

namespace {

using Line = std::vector<Point>;

constexpr int kBelowEverything = 1000;

} // namespace

TEST(ConnectLines, JoinsSharedEndPointsInAllFourOrientations) {
    const Point a{0, 0}, b{4, 3}, c{8, 1};
    const struct {
        const char* name;
        Line first;
        Line second;
        Line joined;
    } cases[] = {
        {"first ends where second starts", {a, b}, {b, c}, {a, b, c}},
        {"both end at the same point", {a, b}, {c, b}, {c, b, a}},
        {"first starts where second ends", {b, a}, {c, b}, {c, b, a}},
        {"both start at the same point", {b, a}, {b, c}, {a, b, c}},
    };
    for (const auto& k : cases) {
        SegmentJoiner lines;
        lines.reset(nullptr, nullptr, false, false, false, {});
        lines.addSegment(k.first[0], k.first[1]);
        lines.addSegment(k.second[0], k.second[1]);
        lines.flushAbove(kBelowEverything);
        ASSERT_EQ(lines.finished().size(), 1u) << k.name;
        EXPECT_EQ(lines.finished()[0], k.joined) << k.name;
        EXPECT_TRUE(lines.open().empty()) << k.name;
    }
}

TEST(ConnectLines, SegmentsInAnyOrderGrowIntoOneLine) {
    SegmentJoiner lines;
    lines.reset(nullptr, nullptr, false, false, false, {});
    lines.addSegment({2, 2}, {3, 3});
    lines.addSegment({0, 0}, {1, 1});
    lines.addSegment({1, 1}, {2, 2});
    lines.addSegment({3, 3}, {4, 4});
    lines.flushAbove(kBelowEverything);
    ASSERT_EQ(lines.finished().size(), 1u);
    EXPECT_EQ(lines.finished()[0], (Line{{0, 0}, {1, 1}, {2, 2}, {3, 3}, {4, 4}}));
}

TEST(ConnectLines, LoneTwoPointLinesAreDroppedExceptInSegmentMode) {
    for (const bool segmentMode : {false, true}) {
        RecordingCanvas canvas;
        SegmentJoiner lines;
        lines.reset(&canvas, nullptr, segmentMode, false, false, {});
        lines.addSegment({0, 0}, {2, 1}); // retired by flushAbove
        lines.addSegment({10, 50}, {12, 51});
        lines.flushAbove(10);
        EXPECT_EQ(lines.finished().size(), segmentMode ? 1u : 0u);
        lines.finish(); // retires the other
        EXPECT_EQ(canvas.calls.size(), segmentMode ? 2u : 0u) << segmentMode;
    }
}

TEST(ConnectLines, CollinearHatchSegmentsGrowIntoOneSegmentInSegmentMode) {
    SegmentJoiner lines;
    lines.reset(nullptr, nullptr, true, false, false, {});
    lines.addSegment({2, 1}, {4, 2});
    lines.addSegment({6, 3}, {4, 2});
    lines.addSegment({0, 0}, {2, 1});
    lines.addSegment({8, 4}, {6, 3});
    lines.flushAbove(kBelowEverything);
    ASSERT_EQ(lines.finished().size(), 1u);
    const Line& segment = lines.finished()[0];
    ASSERT_EQ(segment.size(), 2u);
    const bool forward = segment == Line{{0, 0}, {8, 4}};
    const bool backward = segment == Line{{8, 4}, {0, 0}};
    EXPECT_TRUE(forward || backward);
}

TEST(ConnectLines, FlushAboveRetiresOnlyLinesWhoseEndsAreAboveTheRow) {
    SegmentJoiner lines;
    lines.reset(nullptr, nullptr, false, false, false, {});
    // Ends above row 10 though it dips below it: finished.
    lines.addSegment({0, 2}, {1, 15});
    lines.addSegment({1, 15}, {2, 9});
    // One end on the row: stays open for the rows to come.
    lines.addSegment({20, 5}, {21, 7});
    lines.addSegment({21, 7}, {22, 10});
    lines.flushAbove(10);

    ASSERT_EQ(lines.finished().size(), 1u);
    EXPECT_EQ(lines.finished()[0], (Line{{0, 2}, {1, 15}, {2, 9}}));
    ASSERT_EQ(lines.open().size(), 1u);
    EXPECT_EQ(lines.open()[0], (Line{{20, 5}, {21, 7}, {22, 10}}));

    // The open line keeps growing as the scan goes on.
    lines.addSegment({22, 10}, {23, 12});
    lines.flushAbove(20);
    ASSERT_EQ(lines.finished().size(), 2u);
    EXPECT_EQ(lines.finished()[1].back(), (Point{23, 12}));
}

TEST(ConnectLines, FinishDrawsOnTheChosenCanvasesAndEmptiesTheLists) {
    const struct {
        bool skipMain;
        bool drawSecond;
    } cases[] = {{false, false}, {true, true}, {false, true}};
    for (const auto& c : cases) {
        RecordingCanvas picture;
        RecordingCanvas afterimage;
        SegmentJoiner lines;
        lines.reset(&picture, &afterimage, false, c.skipMain, c.drawSecond, {});
        lines.addSegment({0, 0}, {1, 1});
        lines.addSegment({1, 1}, {2, 0});
        lines.flushAbove(5);
        lines.addSegment({0, 30}, {1, 31});
        lines.addSegment({1, 31}, {2, 30});
        lines.addSegment({40, 40}, {41, 41}); // a speck
        lines.flushAbove(6);
        lines.finish();
        EXPECT_EQ(picture.calls.size(), c.skipMain ? 0u : 2u);
        EXPECT_EQ(afterimage.calls.size(), c.drawSecond ? 2u : 0u);
        EXPECT_TRUE(lines.open().empty());
        EXPECT_TRUE(lines.finished().empty());
    }
}

TEST(ConnectLines, ProgressPaintsFinishedLinesOnceAndOpenLinesEachTime) {
    RecordingCanvas screen;
    SegmentJoiner lines;
    lines.reset(nullptr, nullptr, false, false, false, {});
    lines.addSegment({0, 0}, {1, 1});
    lines.addSegment({1, 1}, {2, 0});
    lines.addSegment({5, 8}, {6, 9});
    lines.flushAbove(5);
    lines.paintProgress(screen);
    EXPECT_EQ(screen.calls.size(), 2u);
    EXPECT_EQ(lines.drawnCount(), 1);

    lines.paintProgress(screen);
    ASSERT_EQ(screen.calls.size(), 3u);
    EXPECT_EQ(screen.calls[2].points, (Line{{5, 8}, {6, 9}}));
}

namespace {

// The joining rule written out plainly: every line in turn goes into the first later line
// that shares an end point with it.
std::vector<Line> joinedByPlainSearch(std::vector<Line> lines) {
    for (std::size_t i = 0; i < lines.size(); ++i)
        for (std::size_t j = i + 1; j < lines.size() && !lines[i].empty(); ++j)
            if (!lines[j].empty() && tarlix::testing::plainJoin(lines[i], lines[j])) break;
    std::vector<Line> kept;
    for (Line& line : lines)
        if (!line.empty()) kept.push_back(line);
    return kept;
}

} // namespace

// Random segments on a small lattice meet often, up to many at one point (past what the index
// of end points holds per point): the joined lines are those of the plain search.
TEST(ConnectLines, JoinsAsThePlainSearchDoesWhereManyLinesMeet) {
    unsigned seed = 7;
    const auto next = [&seed](int n) {
        seed = seed * 1103515245u + 12345u;
        return static_cast<int>((seed >> 16) % unsigned(n));
    };
    for (int round = 0; round < 40; ++round) {
        const int side = 3 + round % 5;
        std::vector<Line> segments;
        for (int k = 0; k < 60; ++k)
            segments.push_back({{next(side), next(side)}, {next(side), next(side)}});
        SegmentJoiner lines;
        lines.reset(nullptr, nullptr, false, true, false, LineDrawOptions{});
        for (const Line& s : segments) lines.addSegment(s[0], s[1]);
        lines.flushAbove(-kBelowEverything); // joins, retires nothing
        EXPECT_EQ(lines.open(), joinedByPlainSearch(segments)) << "round " << round;
    }
}
