#pragma once
// The operations that change the project as a whole or one entry at a time: New, parameter
// initialisation, storing an edited entry, showing and hiding an object, the parameter panel's
// changes, change notification and the letter usage test. Windows change the project only
// through these.

#include "document/Document.h"

#include <vector>

namespace tarlix {

// Clears every store to its initial values, lets the settings store override the built-in
// settings, resets the view from the given defaults, shows every row and clears ProjectPath
// and modified. reserve is the tab bar height the view reset may take off the drawing.
void newProject(Document& ctx, const ViewDefaults& defaults, int reserve);

// Every parameter to its initial record and the animation period to 80 ms; every object that
// uses a parameter is marked changed.
void initialiseParameters(Document& ctx);

// Store an edited copy of an entry (a blank entry deletes it): compiles what changed, keeps the
// row positions packed, marks the entry and its dependants changed, redraws and sets modified.
void storeExplicitFunction(Document& ctx, int n, EquationEntry entry);
void storeRelation(Document& ctx, int n, EquationEntry entry);
void storeUserFunction(Document& ctx, int n, CompiledExpression entry);
void storeFigure(Document& ctx, int n, FigureEntry entry);
// The calculator's definition of user function n: refused, with the message shown and nothing
// changed, when it refers back to itself; otherwise stored as above.
bool defineUserFunction(Document& ctx, int n, const std::string& text);

// The show/hide button of a data-panel row: an explicit function, relation, figure (curve or
// basic figure) or connected figure; an empty slot has none. A change is one undo step, marks
// the object and its dependants changed, sets modified, refreshes the object's category and
// redraws; showing what is shown changes nothing. True when the object changed.
bool setEntryVisible(Document& ctx, CategoryPanel panel, int row, bool visible);
bool toggleEntryVisible(Document& ctx, CategoryPanel panel, int row);

// The speed bar (animationPeriod, ms; 0 repeats nothing) and the afterimage switch (afterimagesOn).
// A change is one undo step and sets modified; the same value changes nothing.
bool setAnimationPeriod(Document& ctx, int period);
bool setAfterimagesEnabled(Document& ctx, bool enabled);

// Parameter index (1..14) from its row of the parameter panel, which shows the record again
// itself. Values are not undo steps: stepping marks the users of each changed parameter, sets
// modified and redraws, returning the changed parameters; setting a value does the same but
// leaves the redraw to the caller, which may set several first. The step, its mode and the
// ratio buttons are one undo step each when the step rule accepts the change; they mark the
// users of the letter (expressions may read the step) and redraw. sync and fixed are one undo
// step each and draw nothing. Each sets modified when something changed, and only then.
std::vector<int> stepParameterValue(Document& ctx, int index, int direction, bool finer);
bool setParameterValue(Document& ctx, int index, Extended value);
bool setParameterStep(Document& ctx, int index, Extended x);
void toggleParameterStepMode(Document& ctx, int index);
bool changeParameterRatio(Document& ctx, int index, bool up);
bool setParameterSync(Document& ctx, int index, bool sync);
bool setParameterFixed(Document& ctx, int index, bool fixed);

// A parameter whose row is not on show (hidden, or the parameter not in use) is unfixed, so
// that no fixed state stays out of the user's reach. The panel applies this on every refresh;
// it follows from fields that the edits themselves record, so it is neither an undo step nor
// a change of modified (a file read back gives the same state).
void unfixHiddenParameters(Project& project, char horizontalLetter);

// Compiles every expression of the project again in the mode of its store, as after loading
// or after a setting that affects compilation changed.
void compileAll(Document& ctx, bool showErrors);

// Marks token and every object whose expressions use it, directly or through references.
void markChanged(const Project& project, RedrawState& redraw, int token);

// Whether parameter i (1..14) is used anywhere it can be seen; a parameter named like the
// horizontal axis variable is not.
bool parameterInUse(const Project& project, int i, char horizontalLetter);

} // namespace tarlix
