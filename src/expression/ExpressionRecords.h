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
    std::string source; // the text as typed, after the tokenizer's clean-up
    std::string tokens; // one byte per token
    std::string code;   // postfix code; empty when the last compile failed
    ConstantTexts constText;
    std::array<Value, kConstCount> constValue{};
    std::uint8_t constTop = 0; // the highest constant slot in use, minus one
    std::uint8_t marked = 1;   // marker shown on the graph (windows holding one expression)
};

// Fills slots 0..15 with the whole numbers -1..14 (text and value).
void setWholeNumberSlots(ConstantTexts& text, std::array<Value, kConstCount>& value);

struct EquationEntry {
    CompiledExpression expr;
    bool afterimage = false;
    std::uint32_t penColor = 0xFF0000;
    std::uint8_t penWidth = 2;
    bool fastPolynomial = true;
    bool visible = true;
    std::uint8_t fillPattern = 4;
    std::uint8_t borderStyle = 0;
    std::uint8_t lineStyle = 1;
};

// The four compiled expressions of a figure, in the order the point function "P"(n, k) selects
// them with k: 0 whole point, 1 x, 2 y, 3 radius.
enum FigurePart : int { fpWhole = 0, fpX = 1, fpY = 2, fpRadius = 3 };

struct FigureEntry {
    std::uint8_t kind = 0;     // 0 empty slot, 1 point, 2 circle, 3/4 lines, 5 polar, 6 parametric
    std::uint8_t notation = 1; // 1 coordinates, 2 vector notation
    CompiledExpression whole;  // "(x,y)" or one pair-valued expression
    CompiledExpression x;
    CompiledExpression y;
    CompiledExpression radius; // radius, or width of a strip
    std::uint32_t pointColor = 0;
    std::uint32_t lineColor = 0;
    std::uint32_t fillColor = 0xFFFFFF;
    std::uint8_t fillPattern = 0;
    std::uint8_t curveFill = 0;
    bool pointAfterimage = false;
    bool lineAfterimage = false;
    std::uint8_t pointSize = 0;
    std::uint8_t locusWidth = 0;
    std::uint8_t lineWidth = 1;
    bool hollow = false;
    std::uint8_t curveStyle = 0;
    bool drag = false;
    bool visible = true;
    std::string label;
    std::uint8_t labelPosition = 0;
    char paramLetter = 't';
    Extended paramStep = 0;
    CompiledExpression paramLow;  // "0" by default
    CompiledExpression paramHigh; // "2Pi" by default

    const CompiledExpression& part(FigurePart p) const;
    CompiledExpression& part(FigurePart p);
};

// Polar and parametric curves, sampled over their own parameter.
inline bool isCurveKind(int kind) {
    return kind == 5 || kind == 6;
}
// Horizontal and vertical lines, whose radius is the width of a strip.
inline bool isLineKind(int kind) {
    return kind == 3 || kind == 4;
}

// Whole-point text from the x and y texts, and back; separator is the argument separator.
std::string joinWholePoint(const std::string& xText, const std::string& yText, char separator);
void splitWholePoint(const std::string& wholeText, char separator, std::string& xText,
                     std::string& yText);

struct IntegralBounds {
    CompiledExpression low; // "-1" when blank
    CompiledExpression high;
};

} // namespace tarlix
