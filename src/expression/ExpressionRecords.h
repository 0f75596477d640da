#pragma once
// The compiled-expression record and the records of the document built from it: explicit
// functions and relations, figures, and the bounds of the definite integral.

#include "expression/Value.h"

#include <array>
#include <cstdint>
#include <string>

namespace tarlix {

constexpr int kConstCount = 44;       // constant slots 0..43
constexpr int kFirstOwnConstant = 16; // slots 0..15 hold the whole numbers -1..14

using ConstantTexts = std::array<std::string, kConstCount>;

struct CompiledExpression {
    std::string Source; // the text as typed, after the tokenizer's clean-up
    std::string Tokens; // one byte per token
    std::string Code;   // postfix code; empty when the last compile failed
    ConstantTexts ConstText;
    std::array<Tvalue, kConstCount> ConstValue{};
    std::uint8_t ConstTop = 0; // the highest constant slot in use, minus one
    std::uint8_t Marked = 1;   // marker shown on the graph (windows holding one expression)
};

// Fills slots 0..15 with the whole numbers -1..14 (text and value).
void setWholeNumberSlots(ConstantTexts& text, std::array<Tvalue, kConstCount>& value);

struct EquationEntry {
    CompiledExpression Expr;
    bool Afterimage = false;
    std::uint32_t PenColor = 0xFF0000;
    std::uint8_t PenWidth = 2;
    bool FastPolynomial = true;
    bool Visible = true;
    std::uint8_t FillPattern = 4;
    std::uint8_t BorderStyle = 0;
    std::uint8_t LineStyle = 1;
};

// The four compiled expressions of a figure, in the order the point function "P"(n, k) selects
// them with k: 0 whole point, 1 x, 2 y, 3 radius.
enum FigurePart : int { fpWhole = 0, fpX = 1, fpY = 2, fpRadius = 3 };

struct FigureEntry {
    std::uint8_t Kind = 0;     // 0 empty slot, 1 point, 2 circle, 3/4 lines, 5 polar, 6 parametric
    std::uint8_t Notation = 1; // 1 coordinates, 2 vector notation
    CompiledExpression Whole;  // "(x,y)" or one pair-valued expression
    CompiledExpression X;
    CompiledExpression Y;
    CompiledExpression Radius; // radius, or width of a strip
    std::uint32_t PointColor = 0;
    std::uint32_t LineColor = 0;
    std::uint32_t FillColor = 0xFFFFFF;
    std::uint8_t FillPattern = 0;
    std::uint8_t CurveFill = 0;
    bool PointAfterimage = false;
    bool LineAfterimage = false;
    std::uint8_t PointSize = 0;
    std::uint8_t LocusWidth = 0;
    std::uint8_t LineWidth = 1;
    bool Hollow = false;
    std::uint8_t CurveStyle = 0;
    bool Drag = false;
    bool Visible = true;
    std::string Label;
    std::uint8_t LabelPosition = 0;
    char ParamLetter = 't';
    Extended ParamStep = 0;
    CompiledExpression ParamLow;  // "0" by default
    CompiledExpression ParamHigh; // "2Pi" by default

    const CompiledExpression& part(FigurePart p) const;
    CompiledExpression& part(FigurePart p);
};

// Whole-point text from the x and y texts, and back; separator is the argument separator.
std::string joinWholePoint(const std::string& xText, const std::string& yText, char separator);
void splitWholePoint(const std::string& wholeText, char separator, std::string& xText,
                     std::string& yText);

struct IntegralBounds {
    CompiledExpression Low; // "-1" when blank
    CompiledExpression High;
};

} // namespace tarlix
