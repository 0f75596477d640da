#pragma once
// The built-in function or operator behind a token code, looked up once per code.

#include "expression/functions/Builtins.h"

#include <optional>

namespace tarlix {

// Operators and built-in functions of the vocabulary; nothing for other tokens (the point
// function "P" included, which the evaluator resolves itself).
std::optional<Builtin> builtinOfToken(int token);

} // namespace tarlix
