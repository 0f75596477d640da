#pragma once
// The project: every store the user fills on the data panel and in the graph window, the
// project-wide settings, and where the project lives on disk. The view (View) is kept
// beside it. The program holds one Project; tests make their own.

#include "base/Store.h"
#include "document/DocumentRecords.h"
#include "document/PanelRows.h"
#include "document/ParamTable.h"
#include "document/ProjectSettings.h"
#include "document/SegmentStore.h"
#include "expression/DocumentExpressions.h"
#include "expression/EngineSettings.h"

#include <string>
#include <string_view>
#include <vector>

namespace tarlix {

// The letters of figures 1..22 in entry order: figure 1 is P, figure 8 is A.
inline constexpr const char* kFigureLetters = "PQRSTUVABCDEFGHIJKLMNO";
char figureLetter(int n);
// The figure of a letter, 0 for none.
int figureOfLetter(char letter);
// "f", "g", "h", "f1" .. "f5": the names of user functions 1..8.
const char* userFunctionName(int n);
// The user function of a name, 0 for none.
int userFunctionOfName(std::string_view name);

EquationEntry blankEquation();
// The empty slot of figure n: its letter as label, range "0" to "2Pi" (not yet compiled).
FigureEntry blankFigure(int n);

class Project : public DocumentExpressions {
public:
    Project();

    ParamTable parameters;
    Store<RowState, kParameterCount> parameterRows; // Shown only; parameters keep their order
    Store<EquationEntry, kExplicitFunctions> explicitFunctions;
    Store<RowState, kExplicitFunctions> explicitFunctionRows;
    Store<EquationEntry, kRelations> relations;
    Store<RowState, kRelations> relationRows;
    Store<FigureEntry, kFigures> figures;
    Store<RowState, kFigures> figureRows;
    Store<CompiledExpression, kUserFunctions> userFunctions;
    Store<RowState, kUserFunctions> userFunctionRows;
    SegmentStore segments;

    std::vector<std::string> memoText;
    MemoStyle memo;
    Store<MemoBoxPlace, kMemoBoxes> memoBoxes;

    ValueWindowState valueWindow;
    IntegralWindowState integralWindow;

    ProjectSettings settings;
    EngineSettings engine; // integralPartitions lives here too
    CategoryPanels categories;

    // Paths are the system's bytes (UTF-8 on Linux), never single-byte text, so that any name
    // the system allows opens and saves.
    std::string projectPath; // without extension; empty for an unsaved project
    bool modified = false;
    std::string appFolder; // the program's folder; samples are in appFolder + "sample"

    // Every store and setting to its initial value. The locale characters, ProjectPath,
    // modified and appFolder are left alone.
    void clearStores();

    const CompiledExpression* explicitFunction(int n) const override;
    const CompiledExpression* relation(int n) const override;
    const CompiledExpression* userFunction(int n) const override;
    const CompiledExpression* figure(int n, FigurePart part) const override;

private:
    void clearWindowExpressions();
};

// The project's engine settings with the locale characters of the program.
void resetEngineSettings(EngineSettings& engine);

} // namespace tarlix
