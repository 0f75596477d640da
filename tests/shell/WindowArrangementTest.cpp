#include "shell/WindowArrangement.h"

#include <gtest/gtest.h>

using namespace tarlix;

namespace {
const Rect kScreen{0, 0, 1920, 1080};

MainWindowFrames frames(int graphWidth, int panelWidth, bool graphIsLeft) {
    return {{0, 100, graphWidth, 100 + 900}, {500, 300, 500 + panelWidth, 300 + 400}, graphIsLeft};
}
} // namespace

TEST(WindowArrangement, SideBySideInTheRememberedOrder) {
    auto f = frames(1000, 320, true);
    arrangeWindows(f, kScreen);
    EXPECT_EQ(f.graph, (Rect{200, 0, 1200, 900}));  // (1920 - 1320) / 3
    EXPECT_EQ(f.panel, (Rect{1200, 0, 1520, 900})); // takes the graph window's height

    auto g = frames(1000, 320, false);
    arrangeWindows(g, kScreen);
    EXPECT_EQ(g.panel.left, 200);
    EXPECT_EQ(g.graph.left, 520);
}

TEST(WindowArrangement, TooWideForTheScreenStartsAtTheLeftEdge) {
    auto f = frames(1700, 400, true);
    arrangeWindows(f, kScreen);
    EXPECT_EQ(f.graph.left, 0);
    EXPECT_EQ(f.panel.right, 1920); // moved left to end at the edge
    EXPECT_EQ(f.panel.width(), 400);
}

TEST(WindowArrangement, KeepingTogetherAfterMoves) {
    auto f = frames(1000, 320, true);
    arrangeWindows(f, kScreen);
    // The graph window is dragged: the panel follows to its right edge and takes its top.
    f.graph = {100, 50, 1100, 950};
    keepWindowsTogether(f, MovedWindow::Graph, kScreen, false);
    EXPECT_EQ(f.panel.left, 1100);
    EXPECT_EQ(f.panel.top, 50);
    // The panel is dragged away: the graph window closes the gap.
    f.panel = {1300, 50, 1620, 950};
    keepWindowsTogether(f, MovedWindow::Panel, kScreen, false);
    EXPECT_EQ(f.graph.right, 1300);
    // A window above the screen comes back to the top; the panel is cut at the bottom.
    f.graph = {300, -40, 1300, 1100};
    keepWindowsTogether(f, MovedWindow::Graph, kScreen, false);
    EXPECT_EQ(f.graph.top, 0);
    EXPECT_EQ(f.panel.top, 0);
    EXPECT_LE(f.panel.bottom, 1080);
    // Dropping the panel on the left swaps the remembered order, except in presentation mode.
    f.panel = {0, 0, 320, 900};
    f.graph = {600, 0, 1600, 900};
    keepWindowsTogether(f, MovedWindow::Panel, kScreen, true);
    EXPECT_TRUE(f.graphIsLeft);
    keepWindowsTogether(f, MovedWindow::Panel, kScreen, false);
    EXPECT_FALSE(f.graphIsLeft);
    EXPECT_EQ(f.graph.left, 320);
}

// A change of the graph window's width brings the panel on its right to its edge, kept on the
// screen, with the window left of it; a panel on the left, or a change of height only, moves
// nothing. The panel always takes the window's height.
TEST(WindowArrangement, ThePanelFollowsTheGraphWindowsWidth) {
    const struct {
        const char* name;
        Rect graph;
        int oldWidth;
        Rect panel;
        Rect graphAfter;
        Rect panelAfter;
    } cases[] = {
        {"narrower",
         {100, 0, 700, 500},
         800,
         {900, 0, 1200, 400},
         {100, 0, 700, 500},
         {700, 0, 1000, 500}},
        {"wider, room on the screen",
         {100, 0, 1000, 500},
         800,
         {900, 0, 1200, 400},
         {100, 0, 1000, 500},
         {1000, 0, 1300, 500}},
        {"wider, panel at the screen's edge",
         {100, 0, 1800, 500},
         800,
         {900, 0, 1200, 400},
         {0, 0, 1700, 500},
         {1620, 0, 1920, 500}},
        {"panel on the left",
         {400, 0, 1200, 500},
         600,
         {100, 0, 400, 400},
         {400, 0, 1200, 500},
         {100, 0, 400, 500}},
        {"height only",
         {100, 0, 900, 700},
         800,
         {900, 0, 1200, 400},
         {100, 0, 900, 700},
         {900, 0, 1200, 700}},
    };
    for (const auto& c : cases) {
        MainWindowFrames f{c.graph, c.panel, true};
        followGraphResize(f, c.oldWidth, kScreen);
        EXPECT_EQ(f.graph, c.graphAfter) << c.name;
        EXPECT_EQ(f.panel, c.panelAfter) << c.name;
    }
}
