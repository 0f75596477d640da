#pragma once
// The token vocabulary of the expression language. A token text holds one byte per token:
// bytes 0..43 are constant slots, 44..241 the named tokens below in vocabulary order. The order
// matters: the tokenizer takes the first name that matches, and figure, parameter and reference
// numbers are computed from the codes.

#include "expression/EngineSettings.h"

#include <cstdint>
#include <string>

namespace tarlix {

enum TokenCode : std::uint8_t {
    tkSpace = 44,
    tkComma = 45,
    tkSum = 46,
    tkIgr = 47,
    tkCof = 48,
    tkProduct = 49,
    tkSend = 50,
    tkFactorial = 51,
    tkDegree = 52,
    tkDotX = 53,
    tkDotY = 54,
    tkDotR = 55,
    tkAnd = 56,
    tkOr = 57,
    tkGreaterEqual = 58,
    tkLessEqual = 59,
    tkNotEqual = 60,
    tkGreater = 61,
    tkLess = 62,
    tkEqual = 63,
    tkPlus = 64,
    tkMinus = 65,
    tkCross = 66,
    tkTimes = 67,
    tkDivide = 68,
    tkPower = 69,
    tkMod = 70,
    tkReversePower = 71,
    tkArg = 72,
    tkDet = 73,
    tkRot = 74,
    tkInp = 75,
    tkMid = 76,
    tkMax = 77,
    tkMin = 78,
    tkLen = 79,
    tkPath = 80,
    tkSolut4 = 81,
    tkProjz = 82,
    tkProj = 83,
    tkBezier = 84,
    tkRgb = 85,
    tkHsl = 86,
    tkIntr = 87,
    tkPerp = 88,
    tkCcentr = 89,
    tkIcentr = 90,
    tkHcentr = 91,
    tkGcentr = 92,
    tkCrad = 93,
    tkIrad = 94,
    tkPtan = 95,
    tkNCr = 96,
    tkPointFn = 97,
    tkCPS = 98,
    tkVEC = 99,
    tkNORM = 100,
    tkBeta = 101,
    tkGcm = 102,
    tkLcm = 103,
    tkAsin = 104,
    tkAcos = 105,
    tkAtan = 106,
    tkNot = 107,
    tkCosh = 108,
    tkSinh = 109,
    tkTanh = 110,
    tkConj = 111,
    tkSin = 112,
    tkCos = 113,
    tkTan = 114,
    tkSqrt = 115,
    tkCbrt = 116,
    tkLog = 117,
    tkLn = 118,
    tkNegate = 119,
    tkExp = 120,
    tkAbs = 121,
    tkInt = 122,
    tkRound = 123,
    tkFrc = 124,
    tkSign = 125,
    tkRnd = 126,
    tkGamma = 127,
    tkStep = 128,
    tkArea = 129,
    tkRoll = 130,
    tkLogBase = 131,
    tkSol = 132,
    tkY1 = 133, // y1..y20: 133..152
    tkY20 = 152,
    tkW = 153,
    tkZ = 154,
    tkX = 155,
    tkY = 156,
    tkParamA = 157, // parameters 1..14: a b c d m n p q s t u v @ k
    tkTheta = 169,
    tkParamK = 170,
    tkPi = 171,
    tkE = 172,
    tkR = 173,
    tkSZERO = 174,
    tkI = 175,
    tkPrime2 = 176,
    tkPrime1 = 177,
    tkF1 = 178, // user functions f1..f5 f g h: 178..185
    tkUserH = 185,
    tkAntiF1 = 186, // antiderivatives F1..F5 F G H: 186..193
    tkAntiH = 193,
    tkC1 = 194, // relation references C1..C9: 194..202
    tkC9 = 202,
    tkDigit0 = 203,
    tkDigit9 = 212,
    tkDecimalPoint = 213,
    tkOpen = 214,
    tkClose = 215,
    tkOpenAbs = 216,
    tkCloseAbs = 217,
    tkPointP = 218, // figures 1..22: 218..239
    tkPointO = 239,
    tkPointX = 240,
    tkPointY = 241,
    tkUnrecognised = 243, // the rest of the text could not be split
    tkMarker = 255,       // temporary marker inside one normalisation pass
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
    return (t >= tkSum && t <= tkProduct) || t == tkSol;
}
inline bool isPostfix(int t) {
    return t >= tkFactorial && t <= tkDotR;
}
inline bool isBinary(int t) {
    return t >= tkAnd && t <= tkReversePower;
}
inline bool isRelational(int t) {
    return t >= tkAnd && t <= tkEqual;
}
inline bool isComparison(int t) {
    return t >= tkGreaterEqual && t <= tkEqual;
}
inline bool isMultiArg(int t) {
    return t >= tkArg && t <= tkPtan;
}
inline bool isTwoArg(int t) {
    return (t >= tkNCr && t <= tkLcm) || t == tkLogBase;
}
inline bool isOneArg(int t) {
    return t >= tkAsin && t <= tkRoll;
}
inline bool isPowerPrefix(int t) {
    return t >= tkSin && t <= tkTan;
}
inline bool isPlainGroup(int t) {
    return t >= tkExp && t <= tkRoll;
}
inline bool isFunctionRef(int t) {
    return t >= tkY1 && t <= tkY20;
}
inline bool isRelationRef(int t) {
    return t >= tkC1 && t <= tkC9;
}
inline bool isReference(int t) {
    return isFunctionRef(t) || isRelationRef(t);
}
inline bool isVariable(int t) {
    return t >= tkW && t <= tkI;
}
inline bool isParameter(int t) {
    return t >= tkParamA && t <= tkParamK;
}
inline bool isPrime(int t) {
    return t == tkPrime1 || t == tkPrime2;
}
inline bool isUserFunction(int t) {
    return t >= tkF1 && t <= tkUserH;
}
inline bool isAntiderivative(int t) {
    return t >= tkAntiF1 && t <= tkAntiH;
}
inline bool isDigit(int t) {
    return t >= tkDigit0 && t <= tkDecimalPoint;
}
inline bool isPoint(int t) {
    return t >= tkPointP && t <= tkPointY;
}
inline bool isFigure(int t) {
    return t >= tkPointP && t <= tkPointO;
}
inline bool isFunction(int t) {
    return isMultiArg(t) || isTwoArg(t) || isOneArg(t) || isUserFunction(t) || isAntiderivative(t);
}
inline bool isSimpleOperand(int t) {
    return isConstant(t) || isVariable(t) || isPoint(t) || isReference(t);
}

// Numbers behind the codes.
inline int parameterIndex(int t) {
    return t - tkY;
} // a..k give 1..14, y 0, x -1
inline int figureNumber(int t) {
    return t - tkPointP + 1;
} // 1..22
inline int figureToken(int n) {
    return tkPointP + n - 1;
}
inline int functionRefNumber(int t) {
    return t - tkY1 + 1;
} // y1..y20
inline int relationRefNumber(int t) {
    return t - tkC1 + 1;
} // C1..C9
// User functions in the order of the document's store: f g h f1 f2 f3 f4 f5 give 1..8.
int userFunctionNumber(int t);
// The constant slot that holds the whole number n (-1..14).
inline int wholeNumberSlot(int n) {
    return n + 1;
}

} // namespace tarlix
