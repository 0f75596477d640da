#pragma once
// The table of every operator and built-in function with its arity, and the calls the
// evaluator makes: it maps a token to its Builtin once, then calls applyUnary, applyBinary or
// applyMulti with the popped operands. The plain functions behind them can also be called
// directly (Operators.h holds the inline hot-path ones).

#include "expression/EngineSettings.h"
#include "expression/Value.h"
#include "expression/functions/EngineQueries.h"
#include "expression/functions/Random.h"

#include <cstdint>
#include <optional>
#include <span>
#include <string_view>

namespace tarlix {

// clang-format off
enum class Builtin : std::uint8_t {
    // binary operators
    Add, Subtract, Cross, Multiply, Divide, Power, Mod, ReversedPower,
    And, Or, GreaterEqual, LessEqual, NotEqual, Greater, Less, Equal,
    // postfix operators
    Factorial, Degree, PartX, PartY, PartR,
    // one-argument functions
    Asin, Acos, Atan, Not, Cosh, Sinh, Tanh, Conj, Sin, Cos, Tan, Sqrt, Cbrt, Log, Ln, Negate,
    Exp, Abs, Int, Round, Frc, Sign, Rnd, Gamma, Step, Area, Roll,
    // two-argument functions
    NCr, CPS, VEC, NORM, Beta, Gcm, Lcm, LogBase,
    // multi-argument functions
    Arg, Det, Rot, Inp, Mid, Max, Min, Len, Path, Solut4, Projz, Proj, Bezier, Rgb, Hsl, Intr,
    Perp, Ccentr, Icentr, Hcentr, Gcentr, Crad, Irad, Ptan,
};
// clang-format on

enum class BuiltinArity : std::uint8_t { Unary, Binary, Multi };

struct BuiltinInfo {
    std::string_view name; // the token's name ("·" and "×" and "°" in Windows-1252)
    Builtin id;
    BuiltinArity arity;
};

// Every operator and built-in function. "log" appears twice: one argument, and the
// two-argument form (base, x) that the compiler produces.
std::span<const BuiltinInfo> builtinTable();
std::optional<Builtin> findBuiltin(std::string_view name, BuiltinArity arity);
BuiltinArity arityOf(Builtin id);

// What the functions need besides their operands. rnd, area and Step are undefined without
// their source.
struct FunctionContext {
    const EngineSettings& settings;
    RandomState* random = nullptr;
    const ViewArea* view = nullptr;
    const ParameterSteps* steps = nullptr;
};

// Postfix operators and one-argument functions.
Value applyUnary(Builtin id, const Value& v, const FunctionContext& context);

// Binary operators (a the left operand) and two-argument functions (a the first argument).
Value applyBinary(Builtin id, const Value& a, const Value& b, const FunctionContext& context);

// Multi-argument functions with the argument list in typed order.
Value applyMulti(Builtin id, const ValueArray& args, const FunctionContext& context);

// How many arguments a multi-argument function takes when called with count arguments, as
// the compiler's argument check counts them (count first limited to 14).
int argumentsTaken(Builtin id, int count);

} // namespace tarlix
