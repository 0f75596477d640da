#pragma once
// The compiled-expression record, and the expressions of a figure that other expressions refer
// to. The document's records built from them are in document/DocumentRecords.h.

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

// The four compiled expressions of a figure, in the order the point function "P"(n, k) selects
// them with k.
enum class FigurePart : std::uint8_t { Whole = 0, X = 1, Y = 2, Radius = 3 };

// The part that k selects: 1 x, 2 y, 3 radius; any other k the whole point.
constexpr FigurePart figurePartOf(int k) {
    return k >= 1 && k <= 3 ? static_cast<FigurePart>(k) : FigurePart::Whole;
}

// What other expressions can refer to in a figure.
struct FigureExpressions {
    CompiledExpression whole; // "(x,y)" or one pair-valued expression
    CompiledExpression x;
    CompiledExpression y;
    CompiledExpression radius; // radius, or width of a strip

    const CompiledExpression& part(FigurePart p) const;
    CompiledExpression& part(FigurePart p);
};

// Whole-point text from the x and y texts, and back; separator is the argument separator.
std::string joinWholePoint(const std::string& xText, const std::string& yText, char separator);
void splitWholePoint(const std::string& wholeText, char separator, std::string& xText,
                     std::string& yText);

} // namespace tarlix
