#pragma once
// The token vocabulary of the expression language. A token text holds one byte per token:
// bytes 0..43 are constant slots, 44..241 the named tokens below in vocabulary order. The order
// matters: the tokenizer takes the first name that matches, and figure, parameter and reference
// numbers are computed from the codes.

#include "expression/EngineSettings.h"

#include <cstdint>
#include <string>

namespace tarlix {

// The codes are scoped by Token rather than an enum class because a token text is bytes: the
// passes compare, count and offset the codes as bytes.
struct Token {
    enum Code : std::uint8_t {
        Space = 44,
        Comma = 45,
        Sum = 46,
        Igr = 47,
        Cof = 48,
        Product = 49,
        Send = 50,
        Factorial = 51,
        Degree = 52,
        DotX = 53,
        DotY = 54,
        DotR = 55,
        And = 56,
        Or = 57,
        GreaterEqual = 58,
        LessEqual = 59,
        NotEqual = 60,
        Greater = 61,
        Less = 62,
        Equal = 63,
        Plus = 64,
        Minus = 65,
        Cross = 66,
        Times = 67,
        Divide = 68,
        Power = 69,
        Mod = 70,
        ReversePower = 71,
        Arg = 72,
        Det = 73,
        Rot = 74,
        Inp = 75,
        Mid = 76,
        Max = 77,
        Min = 78,
        Len = 79,
        Path = 80,
        Solut4 = 81,
        Projz = 82,
        Proj = 83,
        Bezier = 84,
        Rgb = 85,
        Hsl = 86,
        Intr = 87,
        Perp = 88,
        Ccentr = 89,
        Icentr = 90,
        Hcentr = 91,
        Gcentr = 92,
        Crad = 93,
        Irad = 94,
        Ptan = 95,
        NCr = 96,
        PointFn = 97,
        Cps = 98,
        Vec = 99,
        Norm = 100,
        Beta = 101,
        Gcm = 102,
        Lcm = 103,
        Asin = 104,
        Acos = 105,
        Atan = 106,
        Not = 107,
        Cosh = 108,
        Sinh = 109,
        Tanh = 110,
        Conj = 111,
        Sin = 112,
        Cos = 113,
        Tan = 114,
        Sqrt = 115,
        Cbrt = 116,
        Log = 117,
        Ln = 118,
        Negate = 119,
        Exp = 120,
        Abs = 121,
        Int = 122,
        Round = 123,
        Frc = 124,
        Sign = 125,
        Rnd = 126,
        Gamma = 127,
        Step = 128,
        Area = 129,
        Roll = 130,
        LogBase = 131,
        Sol = 132,
        Y1 = 133, // y1..y20: 133..152
        Y20 = 152,
        W = 153,
        Z = 154,
        X = 155,
        Y = 156,
        ParamA = 157, // parameters 1..14: a b c d m n p q s t u v @ k
        Theta = 169,
        ParamK = 170,
        Pi = 171,
        E = 172,
        R = 173,
        SZero = 174,
        I = 175,
        Prime2 = 176,
        Prime1 = 177,
        F1 = 178, // user functions f1..f5 f g h: 178..185
        UserH = 185,
        AntiF1 = 186, // antiderivatives F1..F5 F G H: 186..193
        AntiH = 193,
        C1 = 194, // relation references C1..C9: 194..202
        C9 = 202,
        Digit0 = 203,
        Digit9 = 212,
        DecimalPoint = 213,
        Open = 214,
        Close = 215,
        OpenAbs = 216,
        CloseAbs = 217,
        PointP = 218, // figures 1..22: 218..239
        PointO = 239,
        PointX = 240,
        PointY = 241,
        Unrecognised = 243, // the rest of the text could not be split
        Marker = 255,       // temporary marker inside one normalisation pass
    };
};

constexpr int kFirstNamedToken = 44;
constexpr int kLastNamedToken = 241;
constexpr int kConstSlots = 44;

inline std::uint8_t code(char c) {
    return static_cast<std::uint8_t>(c);
}
inline char tokenChar(int codeValue) {
    return static_cast<char>(static_cast<std::uint8_t>(codeValue));
}

// The name of a named token (44..241); the decimal point and the argument separator take the
// characters of the settings. Empty for other codes.
std::string tokenName(int codeValue, const EngineSettings& settings);

// Classes of tokens, as the compiler and the evaluator test them.
inline bool isConstant(int t) {
    return t >= 0 && t < kConstSlots;
}
inline bool isAggregate(int t) {
    return (t >= Token::Sum && t <= Token::Product) || t == Token::Sol;
}
inline bool isPostfix(int t) {
    return t >= Token::Factorial && t <= Token::DotR;
}
inline bool isBinary(int t) {
    return t >= Token::And && t <= Token::ReversePower;
}
inline bool isRelational(int t) {
    return t >= Token::And && t <= Token::Equal;
}
inline bool isComparison(int t) {
    return t >= Token::GreaterEqual && t <= Token::Equal;
}
inline bool isMultiArg(int t) {
    return t >= Token::Arg && t <= Token::Ptan;
}
inline bool isTwoArg(int t) {
    return (t >= Token::NCr && t <= Token::Lcm) || t == Token::LogBase;
}
inline bool isOneArg(int t) {
    return t >= Token::Asin && t <= Token::Roll;
}
inline bool isPowerPrefix(int t) {
    return t >= Token::Sin && t <= Token::Tan;
}
inline bool isPlainGroup(int t) {
    return t >= Token::Exp && t <= Token::Roll;
}
inline bool isFunctionRef(int t) {
    return t >= Token::Y1 && t <= Token::Y20;
}
inline bool isRelationRef(int t) {
    return t >= Token::C1 && t <= Token::C9;
}
inline bool isReference(int t) {
    return isFunctionRef(t) || isRelationRef(t);
}
inline bool isVariable(int t) {
    return t >= Token::W && t <= Token::I;
}
inline bool isParameter(int t) {
    return t >= Token::ParamA && t <= Token::ParamK;
}
inline bool isPrime(int t) {
    return t == Token::Prime1 || t == Token::Prime2;
}
inline bool isUserFunction(int t) {
    return t >= Token::F1 && t <= Token::UserH;
}
inline bool isAntiderivative(int t) {
    return t >= Token::AntiF1 && t <= Token::AntiH;
}
inline bool isDigit(int t) {
    return t >= Token::Digit0 && t <= Token::DecimalPoint;
}
inline bool isPoint(int t) {
    return t >= Token::PointP && t <= Token::PointY;
}
inline bool isFigure(int t) {
    return t >= Token::PointP && t <= Token::PointO;
}
inline bool isFunction(int t) {
    return isMultiArg(t) || isTwoArg(t) || isOneArg(t) || isUserFunction(t) || isAntiderivative(t);
}
inline bool isSimpleOperand(int t) {
    return isConstant(t) || isVariable(t) || isPoint(t) || isReference(t);
}

// Numbers behind the codes.
inline int parameterIndex(int t) {
    return t - Token::Y;
} // a..k give 1..14, y 0, x -1
inline int figureNumber(int t) {
    return t - Token::PointP + 1;
} // 1..22
inline int figureToken(int n) {
    return Token::PointP + n - 1;
}
inline int functionRefNumber(int t) {
    return t - Token::Y1 + 1;
} // y1..y20
inline int relationRefNumber(int t) {
    return t - Token::C1 + 1;
} // C1..C9
// User functions in the order of the document's store: f g h f1 f2 f3 f4 f5 give 1..8.
int userFunctionNumber(int t);
// The constant slot that holds the whole number n (-1..14).
inline int wholeNumberSlot(int n) {
    return n + 1;
}

} // namespace tarlix
