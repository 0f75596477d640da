#pragma once
// What the function-value window works out: the value of its x expression and, at that x,
// the values of its nine row expressions, with the text each row shows.

#include "document/Document.h"

#include <array>
#include <optional>
#include <string>

namespace tarlix {

// The x expression evaluated with the argument 0; none when undefined.
std::optional<Extended> valueWindowX(const Document& ctx);

// Rows 1..9 at x (an undefined x evaluates them with x undefined); none where the row's
// expression is not compiled or its value is not a defined real.
using ValueRows = std::array<std::optional<Extended>, kValueFunctions + 1>;
ValueRows valueRows(const Document& ctx, std::optional<Extended> x);

// A row's text: the value in fixed format with 12 decimals (14 digits), or "---".
std::string valueRowText(std::optional<Extended> value, char decimalChar);

} // namespace tarlix
