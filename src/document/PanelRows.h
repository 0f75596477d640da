#pragma once
// The data panel's state of each entry (saved with the project) and of its category panels.

#include "base/Store.h"

#include <array>

namespace tarlix {

struct RowState {
    bool shown = true; // the row is listed in its category panel
    int position = 0;  // order within the category panel, 1 = first; 0 = not placed
};

// An entry that has no position takes the one after the last placed entry of its store.
template <int N> void placeRow(Store<RowState, N>& rows, int i) {
    if (rows[i].position != 0) return;
    int placed = 0;
    for (const RowState& r : rows)
        if (r.position != 0) ++placed;
    rows[i].position = placed + 1;
}

// An entry leaving its category gives up its position; the rows after it move up.
template <int N> void releaseRow(Store<RowState, N>& rows, int i) {
    const int gone = rows[i].position;
    if (gone == 0) return;
    rows[i].position = 0;
    for (RowState& r : rows)
        if (r.position > gone) --r.position;
}

template <int N> void resetRows(Store<RowState, N>& rows) {
    for (RowState& r : rows) r = RowState{};
}

// The eight category panels, in the order the project file lists them.
enum CategoryPanel : int {
    cpExplicit = 1,
    cpRelations,
    cpCurves,
    cpBasicFigures,
    cpParameters,
    cpUserFunctions,
    cpMemo,
    cpConnectedFigures,
};
inline constexpr int kCategoryPanels = 8;

struct CategoryPanelState {
    bool visible = true;
    int order = 0; // place in the panel column, 1 = top
    int top = 0;   // top in pixels as the data panel last laid the column out
};

// All visible except the connected figures, stacked in file order.
Store<CategoryPanelState, kCategoryPanels> initialCategoryPanels();

} // namespace tarlix
