#pragma once
// The operations that change the project as a whole or one entry at a time: New, parameter
// initialisation, storing an edited entry, change notification and the letter usage test.

#include "document/DocumentHooks.h"
#include "document/Project.h"
#include "expression/Compiler.h"
#include "platform/MessageBox.h"
#include "view/View.h"

namespace tarlix {

// What an operation works on; the program builds one from its objects, tests from theirs.
struct ProjectContext {
    Project& project;
    View& view;
    MessageBox& messages;
    DocumentHooks& hooks;

    CompileEnv compileEnv() const;
};

// Clears every store to its initial values, lets the settings store override the built-in
// settings, resets the view from the given defaults, shows every row and clears ProjectPath
// and modified. reserve is the tab bar height the view reset may take off the drawing.
void newProject(ProjectContext& ctx, const ViewDefaults& defaults, int reserve);

// Every parameter to its initial record and the animation period to 80 ms; every object that
// uses a parameter is marked changed.
void initialiseParameters(ProjectContext& ctx);

// Store an edited copy of an entry (a blank entry deletes it): compiles what changed, keeps the
// row positions packed, marks the entry and its dependants changed, redraws and sets modified.
void storeExplicitFunction(ProjectContext& ctx, int n, EquationEntry entry);
void storeRelation(ProjectContext& ctx, int n, EquationEntry entry);
void storeUserFunction(ProjectContext& ctx, int n, CompiledExpression entry);
void storeFigure(ProjectContext& ctx, int n, FigureEntry entry);

// Compiles every expression of the project again in the mode of its store, as after loading
// or after a setting that affects compilation changed.
void compileAll(ProjectContext& ctx, bool showErrors);

// Marks token and every object whose expressions use it, directly or through references.
void markChanged(const Project& project, RedrawState& redraw, int token);

// Whether parameter i (1..14) is used anywhere it can be seen; a parameter named like the
// horizontal axis variable is not.
bool parameterInUse(const Project& project, int i, char horizontalLetter);

} // namespace tarlix
