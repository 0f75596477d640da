#pragma once
// The data panel's state of each entry (saved with the project) and of its category panels.

#include "base/Store.h"

#include <array>
#include <cstdint>
#include <string>
#include <vector>

namespace tarlix {

class Project;

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
enum class CategoryPanel : int {
    Explicit = 1,
    Relations,
    Curves,
    BasicFigures,
    Parameters,
    UserFunctions,
    Memo,
    ConnectedFigures,
};
inline constexpr int kCategoryPanels = 8;

// Every category panel, in file order.
inline constexpr std::array<CategoryPanel, kCategoryPanels> kAllCategoryPanels = {
    CategoryPanel::Explicit,     CategoryPanel::Relations,       CategoryPanel::Curves,
    CategoryPanel::BasicFigures, CategoryPanel::Parameters,      CategoryPanel::UserFunctions,
    CategoryPanel::Memo,         CategoryPanel::ConnectedFigures};

// The panel's place in file order, 1..8.
constexpr int panelNumber(CategoryPanel panel) {
    return static_cast<int>(panel);
}

struct CategoryPanelState {
    bool visible = true;
    int order = 0; // place in the panel column, 1 = top
    int top = 0;   // top in pixels as the data panel last laid the column out
};

// The state of each category panel, numbered in file order or looked up by the panel.
class CategoryPanels : public Store<CategoryPanelState, kCategoryPanels> {
public:
    using Store::operator[];
    CategoryPanelState& operator[](CategoryPanel panel) { return (*this)[panelNumber(panel)]; }
    const CategoryPanelState& operator[](CategoryPanel panel) const {
        return (*this)[panelNumber(panel)];
    }
};

// All visible except the connected figures, stacked in file order.
CategoryPanels initialCategoryPanels();

// What one row of a category panel shows, before the panel lays it out. Texts are in the
// program's single-byte text, theta written as '@'.
struct PanelRowText {
    bool used = false;       // the slot holds an object of this category
    bool shown = true;       // RowState::Shown
    int position = 0;        // RowState::Position
    bool visible = true;     // the object is drawn (the show/hide button is up)
    std::string caption;     // the show/hide button's caption, or the user function's label
    std::string text;        // the object's expression
    std::uint32_t color = 0; // 0x00BBGGRR, for the caption
    bool bold = false;       // pen wider than 1
    int arguments = 0;       // a user function's argument count (its label's width); else 0
};

// One entry per slot of the category's store, in slot order; the parameter and memo panels
// lay out their own rows and get none.
std::vector<PanelRowText> panelRows(const Project& project, CategoryPanel panel);

// The category panels in the order of the column, the visible and the hidden ones.
std::array<CategoryPanel, kCategoryPanels> panelsInOrder(const Project& project);

// The top at which the data panel laid a visible category out. The project file keeps these
// tops as its record of the panels' order; a layout only follows the order and visibility that
// edits set (and those set modified), so noting its tops leaves modified and undo alone, and
// opening a file or starting the program does not count as a change.
void notePanelTop(Project& project, CategoryPanel panel, int top);

} // namespace tarlix
