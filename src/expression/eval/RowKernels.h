#pragma once
// One operator or built-in function applied to every column of a row. Defined real operands
// of the common operators take a tight loop; every other column goes through the same
// function the stack machine calls, so each column gets exactly the scalar result.

#include "expression/eval/RowValues.h"
#include "expression/functions/Builtins.h"

namespace tarlix {

void applyUnaryRow(Builtin id, const RowView& a, Row& out, std::size_t n,
                   const FunctionContext& context);
// Sine and cosine of the same row at once (the same values as each alone).
void sinCosRow(const RowView& a, Row& sinOut, Row& cosOut, std::size_t n,
               const FunctionContext& context);
void applyBinaryRow(Builtin id, const RowView& a, const RowView& b, Row& out, std::size_t n,
                    const FunctionContext& context);

} // namespace tarlix
