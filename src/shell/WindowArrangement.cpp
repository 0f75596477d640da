#include "shell/WindowArrangement.h"

#include <algorithm>

namespace tarlix {

namespace {
void moveTo(Rect& r, int left, int top) {
    const int w = r.width(), h = r.height();
    r = {left, top, left + w, top + h};
}

void keepInside(Rect& r, const Rect& screen) {
    if (r.right > screen.right) moveTo(r, screen.right - r.width(), r.top);
    if (r.left < screen.left) moveTo(r, screen.left, r.top);
}
} // namespace

void arrangeWindows(MainWindowFrames& f, const Rect& screen) {
    const int screenWidth = screen.width();
    const int total = std::min(f.graph.width() + f.panel.width(), screenWidth);
    const int first = screen.left + (screenWidth - total) / 3;
    if (f.graphIsLeft) {
        moveTo(f.graph, first, screen.top);
        moveTo(f.panel, first + f.graph.width(), screen.top);
    } else {
        moveTo(f.panel, first, screen.top);
        moveTo(f.graph, first + f.panel.width(), screen.top);
    }
    for (Rect* r : {&f.graph, &f.panel})
        if (r->right > screen.right) moveTo(*r, screen.right - r->width(), r->top);
    f.panel.bottom = f.panel.top + f.graph.height();
}

void keepWindowsTogether(MainWindowFrames& f, MovedWindow moved, const Rect& workArea,
                         bool presentationMode) {
    for (Rect* r : {&f.graph, &f.panel}) {
        if (r->top < workArea.top) {
            moveTo(*r, r->left, workArea.top);
            keepInside(*r, workArea);
        }
    }
    const bool graphLeft = f.graph.left < f.panel.left;
    if (moved == MovedWindow::Panel) {
        if (graphLeft && f.panel.left > f.graph.right)
            moveTo(f.graph, f.panel.left - f.graph.width(), f.graph.top);
        else if (!graphLeft && f.panel.right < f.graph.left)
            moveTo(f.graph, f.panel.right, f.graph.top);
    } else {
        const int panelLeft = graphLeft ? f.graph.right : f.graph.left - f.panel.width();
        moveTo(f.panel, panelLeft, f.graph.top);
    }
    if (f.panel.bottom > workArea.bottom) f.panel.bottom = workArea.bottom;
    if (!presentationMode) f.graphIsLeft = f.graph.left < f.panel.left;
}

void keepPanelOnScreen(MainWindowFrames& f, const Rect& screen) {
    const int over = f.panel.right - screen.right;
    const int room = std::min(f.graph.left, f.panel.left) - screen.left;
    const int shift = std::min(over, room);
    if (shift <= 0) return;
    for (Rect* r : {&f.graph, &f.panel}) moveTo(*r, r->left - shift, r->top);
}

void followGraphResize(MainWindowFrames& f, int oldWidth, const Rect& screen) {
    f.panel.bottom = f.panel.top + f.graph.height();
    const bool panelRight = f.panel.left >= f.graph.left + oldWidth;
    if (f.graph.width() == oldWidth || !panelRight) return;
    moveTo(f.panel, f.graph.right, f.panel.top);
    keepInside(f.panel, screen);
    moveTo(f.graph, std::max(screen.left, f.panel.left - f.graph.width()), f.graph.top);
}

Point toolWindowOrigin(const MainWindowFrames& f) {
    return {f.graph.left + 340, f.graph.top + 60};
}

} // namespace tarlix
