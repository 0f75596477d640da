#include "expression/Vocabulary.h"

#include <array>

namespace tarlix {

namespace {
// Names of the codes 44..241 in vocabulary order.
constexpr std::array<const char*, kLastNamedToken - kFirstNamedToken + 1> kNames = {
    " ",      ",",    "Sum",  "Igr",   "cof",  "Product", "Send",   "!",      "\xB0",   ".x",
    ".y",     ".r",   "and",  "or",    ">=",   "<=",      "<>",     ">",      "<",      "=",
    "+",      "-",    "\xD7", "\xB7",  "/",    "^",       "mod",    "%",      "arg",    "det",
    "rot",    "inp",  "mid",  "max",   "min",  "len",     "path",   "solut4", "projz",  "proj",
    "bezier", "rgb",  "hsl",  "intr",  "perp", "Ccentr",  "Icentr", "Hcentr", "Gcentr", "Crad",
    "Irad",   "Ptan", "nCr",  "P",     "CPS",  "VEC",     "NORM",   "Beta",   "gcm",    "lcm",
    "Asin",   "Acos", "Atan", "not",   "cosh", "sinh",    "tanh",   "conj",   "sin",    "cos",
    "tan",    "Sqrt", "Cbrt", "log",   "ln",   "_",       "exp",    "abs",    "int",    "round",
    "frc",    "sign", "rnd",  "Gamma", "Step", "area",    "roll",   "log",    "sol",    "y1",
    "y2",     "y3",   "y4",   "y5",    "y6",   "y7",      "y8",     "y9",     "y10",    "y11",
    "y12",    "y13",  "y14",  "y15",   "y16",  "y17",     "y18",    "y19",    "y20",    "w",
    "z",      "x",    "y",    "a",     "b",    "c",       "d",      "m",      "n",      "p",
    "q",      "s",    "t",    "u",     "v",    "@",       "k",      "Pi",     "e",      "r",
    "SZERO",  "i",    "''",   "'",     "f1",   "f2",      "f3",     "f4",     "f5",     "f",
    "g",      "h",    "F1",   "F2",    "F3",   "F4",      "F5",     "F",      "G",      "H",
    "C1",     "C2",   "C3",   "C4",    "C5",   "C6",      "C7",     "C8",     "C9",     "0",
    "1",      "2",    "3",    "4",     "5",    "6",       "7",      "8",      "9",      ".",
    "(",      ")",    "[",    "]",     "P",    "Q",       "R",      "S",      "T",      "U",
    "V",      "A",    "B",    "C",     "D",    "E",       "F",      "G",      "H",      "I",
    "J",      "K",    "L",    "M",     "N",    "O",       "X",      "Y",
};
} // namespace

std::string tokenName(int codeValue, const EngineSettings& settings) {
    if (codeValue == Token::Comma) return std::string(1, settings.listSeparatorChar);
    if (codeValue == Token::DecimalPoint) return std::string(1, settings.decimalChar);
    if (codeValue < kFirstNamedToken || codeValue > kLastNamedToken) return {};
    return kNames[static_cast<std::size_t>(codeValue - kFirstNamedToken)];
}

int userFunctionNumber(int t) {
    if (isAntiderivative(t)) t -= 8;
    if (!isUserFunction(t)) return 0;
    const int inVocabulary = t - Token::F1; // f1..f5 f g h
    return inVocabulary < 5 ? inVocabulary + 4 : inVocabulary - 4;
}

} // namespace tarlix
