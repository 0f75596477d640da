#pragma once
// Compiles the token text of an expression into postfix code for the evaluator.

#include "expression/EngineSettings.h"
#include "expression/ExpressionRecords.h"
#include "platform/MessageBox.h"

#include <string>

namespace tarlix {

// What a compile reads besides the record: the settings, where messages go, and whether the
// horizontal axis variable is theta instead of x.
struct CompileEnv {
    const EngineSettings& settings;
    MessageBox& messages;
    bool thetaAxis = false;
};

// Compile modes: -2 plain expression, -1 explicit function (a leading "y=" is dropped),
// 0 relation or user function, 1..22 an expression of that figure.
constexpr int kModePlain = -2;
constexpr int kModeExplicit = -1;
constexpr int kModeRelation = 0;

// Compiles record.tokens into record.code (empty on failure). Messages go to env.messages
// when showErrors is set; "Muchas constantes" and the argument counts of aggregates always.
bool compile(CompiledExpression& record, int mode, bool showErrors, const CompileEnv& env);

// Writes "sqrt" and "cbrt" as "Sqrt" and "Cbrt", the radicals' names in the vocabulary; the
// text keeps its length, so a cursor in it stays on its character.
void nameRadicals(std::string& text);

// Puts a typed text into a record: trims it, writes "sqrt" and "cbrt" as "Sqrt" and "Cbrt",
// stores and tokenizes it and, for mode -2 or greater, compiles it without showing errors.
bool setSource(CompiledExpression& record, const std::string& text, int mode,
               const CompileEnv& env);

// Compiles the whole-point, x, y and radius expressions of figure n (1..22) in its point mode,
// from their token texts and without messages.
void compileFigureParts(FigureExpressions& figure, int n, const CompileEnv& env);

// Simulates the stack of the code; shows the messages of a missing or surplus operand.
bool arityCheck(const CompiledExpression& record, MessageBox& messages);

// The number of arguments a multi-argument function takes when called with count arguments.
int argumentsTaken(int function, int count);

} // namespace tarlix
