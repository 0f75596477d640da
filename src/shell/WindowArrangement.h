#pragma once
// Placement of the graph window and the data panel side by side, and keeping them together
// when either is moved. Pure geometry, so that the rules can be checked without a screen.

#include "platform/Canvas.h"

namespace tarlix {

struct MainWindowFrames {
    Rect graph;
    Rect panel;
    bool graphIsLeft = true; // "GraphIsLeft" of the state values
};

// Places both windows at the top of the screen, side by side, in the remembered order; a
// window that would cross the right edge is moved left to end there. The panel gets the
// graph window's height.
void arrangeWindows(MainWindowFrames& frames, const Rect& screen);

enum class MovedWindow { Graph, Panel };

// Called after either window moved: brings a window above the screen back to the top, closes
// a gap that opened between them, lets the panel follow the graph window's top, cuts the panel
// at the bottom of the work area and (unless in presentation mode) remembers the order.
void keepWindowsTogether(MainWindowFrames& frames, MovedWindow moved, const Rect& workArea,
                         bool presentationMode);

// Presentation mode widened the panel: when it would leave the screen at the right, both
// windows move left by as much, never past the screen's left edge.
void keepPanelOnScreen(MainWindowFrames& frames, const Rect& screen);

// Called after the graph window's size changed from oldWidth: when its width changed and the
// panel stands right of it, the panel comes to touch its right edge (kept on the screen) and
// the window stands left of the panel (not past the screen's left edge). The panel takes the
// window's height.
void followGraphResize(MainWindowFrames& frames, int oldWidth, const Rect& screen);

// Where property dialogs and other tool windows first appear.
Point toolWindowOrigin(const MainWindowFrames& frames);

} // namespace tarlix
