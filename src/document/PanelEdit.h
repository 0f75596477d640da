#pragma once
// The data panel's own edits of the project: deleting the object of a row, hiding and showing
// rows, moving a row onto another of its category, and showing, hiding and moving whole
// category panels. Row order, Shown and the panels' order and visibility are saved with the
// project, so each change sets modified; only deleting is an undo step.

#include "document/ProjectEdit.h"

#include <optional>

namespace tarlix {

// Replaces the object of row n by a blank entry (figures: the blank figure; connected figures:
// removed from the store), recording an undo step; the rows of the others keep their order.
// False when the row holds nothing, or is the last figure (O), which cannot be deleted.
bool deleteEntry(Document& ctx, CategoryPanel panel, int n);
bool canDeleteEntry(const Project& project, CategoryPanel panel, int n);

// The row's Shown; the parameter panel keeps its rows too. Connected figures and the memo
// have no such state. True when something changed.
bool setRowShown(Document& ctx, CategoryPanel panel, int n, bool shown);
// Every row of the category listed again ("Mostrar Datos").
bool showAllRows(Document& ctx, CategoryPanel panel);

// Row dragged onto row target of the same category: dragged takes target's position and the
// rows between move one place towards dragged's old one, so that y1 dropped on y3 of y1, y2,
// y3 gives y2, y3, y1 and y3 dropped on y1 gives y3, y1, y2. Explicit functions, relations,
// figures and user functions only. True when the order changed.
bool moveRowOnto(Document& ctx, CategoryPanel panel, int dragged, int target);

// A category panel dropped on another: before it when it comes from below, after it when it
// comes from above; no target (the empty part of the column) puts it last.
bool moveCategoryPanel(Document& ctx, CategoryPanel dragged, std::optional<CategoryPanel> target);
bool setCategoryVisible(Document& ctx, CategoryPanel panel, bool visible);

} // namespace tarlix
