#pragma once
// Numbers as the user types and reads them: the rule of every numeric edit box, and the text
// of a computed value in general format.

#include "expression/Compiler.h"
#include "expression/eval/Evaluator.h"

#include <optional>
#include <string>

namespace tarlix {

// A numeric field's message for a text without a real value.
inline constexpr const char* kInvalidNumber = "Tipo de n\xFAmero invalido";

// The number a text holds when it is written as one (decimal separator of the settings,
// optional sign and exponent); nothing otherwise.
std::optional<Extended> readNumber(const std::string& text, char decimalChar);

// General format: fixed notation unless the exponent is below -5 or reaches the digit count,
// then a mantissa and "E" with the exponent (no plus sign, no leading zeros). At most digits
// significant digits, trailing zeros dropped.
std::string formatGeneral(Extended v, int digits, char decimalChar);

// Fixed format: the value rounded to precision significant digits (those past it come out as
// zeros), written with the given decimals; general format when its whole part has more digits
// than precision. A value that rounds to zero has no minus sign.
std::string formatFixed(Extended v, int precision, int decimals, char decimalChar);

// The calculator's text of a result: "error" when undefined, a real with at most 15
// significant digits and its exponent written "*10^(" e ")", a pair as "(" x separator y ")".
std::string calcResultText(const Value& v, const EngineSettings& settings);

// A numeric edit box's rule. A number text gives its number and stays as it is. Any other
// text is compiled as an explicit function and evaluated with x undefined: a defined real is
// taken and the text becomes that value with 12 significant digits; otherwise value keeps its
// content, "Tipo de número invalido" is shown when showError is set, and the result is false.
bool numberFromText(std::string& text, Extended& value, bool showError, Evaluator& evaluator,
                    const CompileEnv& compileEnv);

} // namespace tarlix
