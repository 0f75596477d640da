#pragma once
// The caches the row form reads while it evaluates a whole row of pixel columns: the world x of
// every column, the samples of the explicit functions and where each figure was evaluated to.
// The view owns them; the row evaluator only reads and fills them.

#include "base/Store.h"
#include "expression/FigureKind.h"
#include "expression/Value.h"

#include <cstdint>
#include <vector>

namespace tarlix {

inline constexpr int figureCount = 22;
inline constexpr int functionCount = 20;

// Pixel columns -1..1410; the column loops stop at 1401.
inline constexpr int firstSampleColumn = -1;
inline constexpr int lastSampleColumn = 1410;
inline constexpr int lastFilledColumn = 1401;

// One value per pixel column, indexed by the column itself. The row is allocated at its first
// write: a view holds a row for every explicit function, and most of them are never drawn.
// Until then it reads as default values.
class ColumnSamples {
public:
    static constexpr int size() { return lastSampleColumn - firstSampleColumn + 1; }
    Value& operator[](int column) { return row()[index(column)]; }
    const Value& operator[](int column) const { return row()[index(column)]; }
    std::vector<Value>& row() {
        if (values.empty()) values.resize(static_cast<std::size_t>(size()));
        return values;
    }
    const std::vector<Value>& row() const { return values.empty() ? blankRow() : values; }

private:
    static std::size_t index(int column) { return static_cast<std::size_t>(column + 1); }
    static const std::vector<Value>& blankRow() {
        static const std::vector<Value> blank(static_cast<std::size_t>(size()));
        return blank;
    }
    std::vector<Value> values;
};

// The samples of one explicit function over the pixel columns.
struct FunctionSamples {
    ColumnSamples samples;
    bool upToDate = false;
};

// Where a figure was evaluated to, with the attributes its drawing and afterimages need.
struct FigurePosition {
    FigureKind kind = FigureKind::Empty; // Empty: not drawable
    Extended x = 0;
    Extended y = 0;
    Extended r = 0;
    std::int32_t pointColor = 0;
    std::int32_t lineColor = 0;
    std::int32_t fillColor = 0;
    std::uint8_t pointAfterimage = 0;
    std::uint8_t lineAfterimage = 0;
    std::uint8_t pointSize = 0;
    std::uint8_t locusWidth = 0;
    std::uint8_t lineWidth = 0;
    std::uint8_t hollow = 0;
};

} // namespace tarlix
