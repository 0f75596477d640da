#include "expression/functions/Builtins.h"

#include "expression/functions/Colour.h"
#include "expression/functions/Constructions.h"
#include "expression/functions/Curves.h"
#include "expression/functions/Elementary.h"
#include "expression/functions/GammaBeta.h"
#include "expression/functions/Measures.h"
#include "expression/functions/Operators.h"
#include "expression/functions/Power.h"
#include "expression/functions/Quartic.h"
#include "expression/functions/WholeNumber.h"

#include <algorithm>
#include <array>

namespace tarlix {

namespace {

using B = Builtin;
using A = BuiltinArity;

constexpr std::array kTable{
    BuiltinInfo{"+", B::Add, A::Binary},           BuiltinInfo{"-", B::Subtract, A::Binary},
    BuiltinInfo{"\xD7", B::Cross, A::Binary},      BuiltinInfo{"\xB7", B::Multiply, A::Binary},
    BuiltinInfo{"/", B::Divide, A::Binary},        BuiltinInfo{"^", B::Power, A::Binary},
    BuiltinInfo{"mod", B::Mod, A::Binary},         BuiltinInfo{"%", B::ReversedPower, A::Binary},
    BuiltinInfo{"and", B::And, A::Binary},         BuiltinInfo{"or", B::Or, A::Binary},
    BuiltinInfo{">=", B::GreaterEqual, A::Binary}, BuiltinInfo{"<=", B::LessEqual, A::Binary},
    BuiltinInfo{"<>", B::NotEqual, A::Binary},     BuiltinInfo{">", B::Greater, A::Binary},
    BuiltinInfo{"<", B::Less, A::Binary},          BuiltinInfo{"=", B::Equal, A::Binary},
    BuiltinInfo{"!", B::Factorial, A::Unary},      BuiltinInfo{"\xB0", B::Degree, A::Unary},
    BuiltinInfo{".x", B::PartX, A::Unary},         BuiltinInfo{".y", B::PartY, A::Unary},
    BuiltinInfo{".r", B::PartR, A::Unary},         BuiltinInfo{"Asin", B::Asin, A::Unary},
    BuiltinInfo{"Acos", B::Acos, A::Unary},        BuiltinInfo{"Atan", B::Atan, A::Unary},
    BuiltinInfo{"not", B::Not, A::Unary},          BuiltinInfo{"cosh", B::Cosh, A::Unary},
    BuiltinInfo{"sinh", B::Sinh, A::Unary},        BuiltinInfo{"tanh", B::Tanh, A::Unary},
    BuiltinInfo{"conj", B::Conj, A::Unary},        BuiltinInfo{"sin", B::Sin, A::Unary},
    BuiltinInfo{"cos", B::Cos, A::Unary},          BuiltinInfo{"tan", B::Tan, A::Unary},
    BuiltinInfo{"Sqrt", B::Sqrt, A::Unary},        BuiltinInfo{"Cbrt", B::Cbrt, A::Unary},
    BuiltinInfo{"log", B::Log, A::Unary},          BuiltinInfo{"ln", B::Ln, A::Unary},
    BuiltinInfo{"_", B::Negate, A::Unary},         BuiltinInfo{"exp", B::Exp, A::Unary},
    BuiltinInfo{"abs", B::Abs, A::Unary},          BuiltinInfo{"int", B::Int, A::Unary},
    BuiltinInfo{"round", B::Round, A::Unary},      BuiltinInfo{"frc", B::Frc, A::Unary},
    BuiltinInfo{"sign", B::Sign, A::Unary},        BuiltinInfo{"rnd", B::Rnd, A::Unary},
    BuiltinInfo{"Gamma", B::Gamma, A::Unary},      BuiltinInfo{"Step", B::Step, A::Unary},
    BuiltinInfo{"area", B::Area, A::Unary},        BuiltinInfo{"roll", B::Roll, A::Unary},
    BuiltinInfo{"nCr", B::NCr, A::Binary},         BuiltinInfo{"CPS", B::CPS, A::Binary},
    BuiltinInfo{"VEC", B::VEC, A::Binary},         BuiltinInfo{"NORM", B::NORM, A::Binary},
    BuiltinInfo{"Beta", B::Beta, A::Binary},       BuiltinInfo{"gcm", B::Gcm, A::Binary},
    BuiltinInfo{"lcm", B::Lcm, A::Binary},         BuiltinInfo{"log", B::LogBase, A::Binary},
    BuiltinInfo{"arg", B::Arg, A::Multi},          BuiltinInfo{"det", B::Det, A::Multi},
    BuiltinInfo{"rot", B::Rot, A::Multi},          BuiltinInfo{"inp", B::Inp, A::Multi},
    BuiltinInfo{"mid", B::Mid, A::Multi},          BuiltinInfo{"max", B::Max, A::Multi},
    BuiltinInfo{"min", B::Min, A::Multi},          BuiltinInfo{"len", B::Len, A::Multi},
    BuiltinInfo{"path", B::Path, A::Multi},        BuiltinInfo{"solut4", B::Solut4, A::Multi},
    BuiltinInfo{"projz", B::Projz, A::Multi},      BuiltinInfo{"proj", B::Proj, A::Multi},
    BuiltinInfo{"bezier", B::Bezier, A::Multi},    BuiltinInfo{"rgb", B::Rgb, A::Multi},
    BuiltinInfo{"hsl", B::Hsl, A::Multi},          BuiltinInfo{"intr", B::Intr, A::Multi},
    BuiltinInfo{"perp", B::Perp, A::Multi},        BuiltinInfo{"Ccentr", B::Ccentr, A::Multi},
    BuiltinInfo{"Icentr", B::Icentr, A::Multi},    BuiltinInfo{"Hcentr", B::Hcentr, A::Multi},
    BuiltinInfo{"Gcentr", B::Gcentr, A::Multi},    BuiltinInfo{"Crad", B::Crad, A::Multi},
    BuiltinInfo{"Irad", B::Irad, A::Multi},        BuiltinInfo{"Ptan", B::Ptan, A::Multi},
};

Value rndOf(const Value& v, const FunctionContext& c) {
    return c.random ? rndValue(v, *c.random) : makeUndefined(ValueKind::Real);
}

} // namespace

std::span<const BuiltinInfo> builtinTable() {
    return kTable;
}

std::optional<Builtin> findBuiltin(std::string_view name, BuiltinArity arity) {
    for (const BuiltinInfo& info : kTable)
        if (info.name == name && info.arity == arity) return info.id;
    return std::nullopt;
}

BuiltinArity arityOf(Builtin id) {
    for (const BuiltinInfo& info : kTable)
        if (info.id == id) return info.arity;
    return BuiltinArity::Unary;
}

Value applyUnary(Builtin id, const Value& v, const FunctionContext& c) {
    const EngineSettings& s = c.settings;
    switch (id) {
    case B::Factorial:
        return factorialValue(v);
    case B::Degree:
        return degreeValue(v, s);
    case B::PartX:
        return componentX(v, s);
    case B::PartY:
        return componentY(v, s);
    case B::PartR:
        return v;
    case B::Asin:
        return asinValue(v, s);
    case B::Acos:
        return acosValue(v, s);
    case B::Atan:
        return atanValue(v, s);
    case B::Not:
        return notValue(v);
    case B::Cosh:
        return coshValue(v, s);
    case B::Sinh:
        return sinhValue(v, s);
    case B::Tanh:
        return tanhValue(v, s);
    case B::Conj:
        return conjValue(v);
    case B::Sin:
        return sinValue(v, s);
    case B::Cos:
        return cosValue(v, s);
    case B::Tan:
        return tanValue(v, s);
    case B::Sqrt:
        return sqrtValue(v, s);
    case B::Cbrt:
        return cbrtValue(v);
    case B::Log:
        return logValue(v, s);
    case B::Ln:
        return lnValue(v, s);
    case B::Negate:
        return negateValue(v);
    case B::Exp:
        return expValue(v, s);
    case B::Abs:
        return absValue(v);
    case B::Int:
        return intValue(v);
    case B::Round:
        return roundValue(v);
    case B::Frc:
        return frcValue(v);
    case B::Sign:
        return signValue(v);
    case B::Rnd:
        return rndOf(v, c);
    case B::Gamma:
        return gammaValue(v);
    case B::Step:
        return stepValue(v, c.steps);
    case B::Area:
        return areaValue(v, c.view);
    case B::Roll:
        return rollValue(v, s);
    default:
        return v; // not a one-argument function: the operand passes unchanged
    }
}

Value applyBinary(Builtin id, const Value& a, const Value& b, const FunctionContext& c) {
    const EngineSettings& s = c.settings;
    switch (id) {
    case B::Add:
        return addValues(a, b, s);
    case B::Subtract:
        return subtractValues(a, b, s);
    case B::Cross:
        return crossValues(a, b, s);
    case B::Multiply:
        return multiplyValues(a, b, s);
    case B::Divide:
        return divideValues(a, b, s);
    case B::Power:
        return powerValues(a, b, s);
    case B::Mod:
        return modValue(a, b);
    case B::ReversedPower:
        return reversedPowerValues(a, b, s);
    case B::And:
        return andValues(a, b);
    case B::Or:
        return orValues(a, b);
    case B::GreaterEqual:
        return compareValues(a, b, Comparison::GreaterEqual);
    case B::LessEqual:
        return compareValues(a, b, Comparison::LessEqual);
    case B::NotEqual:
        return equalValues(a, b, false);
    case B::Greater:
        return compareValues(a, b, Comparison::Greater);
    case B::Less:
        return compareValues(a, b, Comparison::Less);
    case B::Equal:
        return equalValues(a, b, true);
    case B::NCr:
        return nCrValue(a, b);
    case B::CPS:
        return pairFromReals(a, b);
    case B::VEC:
        return subtractValues(b, a, s);
    case B::NORM:
        return lenValue({a, b});
    case B::Beta:
        return betaValue(a, b);
    case B::Gcm:
        return gcmValue(a, b);
    case B::Lcm:
        return lcmValue(a, b);
    case B::LogBase:
        return logBaseValue(a, b, s);
    default:
        return makeUndefined(ValueKind::Real);
    }
}

Value applyMulti(Builtin id, const ValueArray& args, const FunctionContext& c) {
    const EngineSettings& s = c.settings;
    switch (id) {
    case B::Arg:
        return argValue(args, s);
    case B::Det:
        return detValue(args);
    case B::Rot:
        return rotValue(args, s);
    case B::Inp:
        return inpValue(args, s);
    case B::Mid:
        return midValue(args);
    case B::Max:
        return maxValue(args);
    case B::Min:
        return minValue(args);
    case B::Len:
        return lenValue(args);
    case B::Path:
        return pathValue(args);
    case B::Solut4:
        return solut4Value(args, s);
    case B::Projz:
        return projzValue(args, s);
    case B::Proj:
        return projValue(args, s);
    case B::Bezier:
        return bezierValue(args);
    case B::Rgb:
        return rgbValue(args);
    case B::Hsl:
        return hslValue(args);
    case B::Intr:
        return intrValue(args);
    case B::Perp:
        return perpValue(args);
    case B::Ccentr:
        return ccentrValue(args);
    case B::Icentr:
        return icentrValue(args);
    case B::Hcentr:
        return hcentrValue(args);
    case B::Gcentr:
        return gcentrValue(args);
    case B::Crad:
        return cradValue(args);
    case B::Irad:
        return iradValue(args);
    case B::Ptan:
        return ptanValue(args);
    default:
        return makeUndefined(ValueKind::Real);
    }
}

int argumentsTaken(Builtin id, int count) {
    const int c = std::min(count, 14);
    switch (id) {
    case B::Det:
    case B::Mid:
        return c > 3 ? 4 : 2;
    case B::Len:
        return c > 3 ? 4 : (c < 2 ? 1 : 2);
    case B::Rot:
        return c < 3 ? c : 3;
    case B::Ptan:
    case B::Perp:
        return c < 3 ? 2 : 3;
    case B::Intr:
        return 4;
    case B::Ccentr:
    case B::Icentr:
    case B::Hcentr:
    case B::Crad:
    case B::Irad:
    case B::Rgb:
    case B::Hsl:
        return 3;
    case B::Solut4:
        return c < 6 ? 5 : 6;
    case B::Proj:
    case B::Projz:
        return c > 6 ? 6 : (c <= 3 ? 4 : c);
    case B::Bezier:
        return std::clamp(c, 3, 5);
    default:
        return c;
    }
}

} // namespace tarlix
