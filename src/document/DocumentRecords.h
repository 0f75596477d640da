#pragma once
// The records of the document built from compiled expressions: explicit functions and
// relations, figures, and the bounds of the definite integral.

#include "expression/ExpressionRecords.h"
#include "expression/FigureKind.h"

#include <cstdint>
#include <string>

namespace tarlix {

struct CompileEnv;

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

// How a figure's point is typed; numbered as project files store it.
enum class FigureNotation : std::uint8_t {
    Coordinates = 1, // x and y
    Vector = 2,      // one pair-valued expression
};

// How the fill of a curve is closed; numbered as project files store it.
enum class CurveFill : std::uint8_t {
    None = 0,
    ThroughPoint = 1, // through a fixed point (the origin): sectors seen from it
    ToRow = 2,        // down to a fixed row (the x axis)
    ToColumn = 3,     // across to a fixed column (the y axis)
};

struct FigureEntry : FigureExpressions {
    FigureKind kind = FigureKind::Empty;
    FigureNotation notation = FigureNotation::Coordinates;
    std::uint32_t pointColor = 0;
    std::uint32_t lineColor = 0;
    std::uint32_t fillColor = 0xFFFFFF;
    std::uint8_t fillPattern = 0;
    CurveFill curveFill = CurveFill::None;
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
};

struct IntegralBounds {
    CompiledExpression low; // "-1" when blank
    CompiledExpression high;
};

// A figure's curve range as it starts: "0" to "2Pi".
void setDefaultCurveRange(FigureEntry& figure, const CompileEnv& env);

// The bounds of the definite-integral window as they start: "-1" to "1".
IntegralBounds blankInterval(const CompileEnv& env);

} // namespace tarlix
