#pragma once
// Compiling the expressions of an entry from their text, in the mode of the entry's store.

#include "document/DocumentRecords.h"
#include "expression/Compiler.h"

namespace tarlix {

class Project;

// Tokenizes record.source again and compiles it in mode; on failure the code stays empty.
bool compileText(CompiledExpression& record, int mode, bool showErrors, const CompileEnv& env);

// Which expressions of figure n to compile: the others keep their code.
struct FigureParts {
    bool x = true;
    bool y = true;
    bool radius = true;
    bool range = true;
};

// Compiles the chosen expressions of figure n: x, y and radius in the figure's point mode, the
// range bounds as plain expressions; the whole point is rebuilt from x and y when either is
// compiled (its errors are those of x and y, so they are not shown twice).
void compileFigure(FigureEntry& figure, int n, FigureParts parts, bool showErrors,
                   const CompileEnv& env);

// Compiles the expressions of the value and integral windows.
void compileWindowTexts(Project& project, bool showErrors, const CompileEnv& env);

} // namespace tarlix
