#pragma once
// A formula as the display draws it: the fully bracketed token text of an expression turned
// into nested parts (stacked fractions, raised exponents, radicals, bars and arrows), each
// constant slot replaced by the text of its number.

#include "expression/EngineSettings.h"
#include "expression/ExpressionRecords.h"

#include <string>
#include <vector>

namespace tarlix {

// How a text of the formula is written.
enum class FormulaFace {
    Name,         // variables, points, parameters, references: Times New Roman bold italic
    Upright,      // digits, operators and function names: Times New Roman
    Symbol,       // a sign of the Symbol font, upright
    SymbolItalic, // theta
    BigSymbol,    // Sum, Product and the integral, taller than the text
    Plain,        // the unrecognised tail of the text
};

enum class FormulaKind {
    Row,         // children side by side
    Text,        // text in face
    Operator,    // a binary operator: text with a gap on each side
    Brackets,    // children between brackets grown to their height (open and close)
    Bars,        // children between grown vertical bars (absolute value, norm)
    Superscript, // children raised at a smaller size, after the part before it
    Fraction,    // children[0] over children[1]
    Radical,     // children under a radical sign; cubeRoot adds a small 3
    Overbar,     // children under a bar (conjugate)
    Arrow,       // children under a vector arrow
};

struct FormulaNode {
    FormulaKind kind = FormulaKind::Row;
    std::string text; // Text, Operator; Brackets: the two bracket characters
    FormulaFace face = FormulaFace::Upright;
    bool cubeRoot = false;
    bool attached = false; // an exponent, postfix operator or prime of the part before it
    std::vector<FormulaNode> children;
};

// Builds the formula of a token text that has been through the display's normalisation.
// consts holds the texts of its constant slots.
FormulaNode buildFormulaTree(const std::string& tokens, const ConstantTexts& consts,
                             const EngineSettings& settings);

} // namespace tarlix
