#pragma once
// The caches the row form reads while it evaluates a whole row of pixel columns: the world x of
// every column, the samples of the explicit functions and where each figure was evaluated to.
// The view owns them; the row evaluator only reads and fills them.

#include "base/Store.h"
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

// One value per pixel column, indexed by the column itself.
class ColumnSamples {
public:
    ColumnSamples() : values(lastSampleColumn - firstSampleColumn + 1) {}
    static constexpr int size() { return lastSampleColumn - firstSampleColumn + 1; }
    Tvalue& operator[](int column) { return values[index(column)]; }
    const Tvalue& operator[](int column) const { return values[index(column)]; }
    std::vector<Tvalue>& row() { return values; }
    const std::vector<Tvalue>& row() const { return values; }

private:
    static std::size_t index(int column) { return static_cast<std::size_t>(column + 1); }
    std::vector<Tvalue> values;
};

// The samples of one explicit function over the pixel columns.
struct FunctionSamples {
    ColumnSamples samples;
    bool upToDate = false;
};

// Where a figure was evaluated to, with the attributes its drawing and afterimages need.
struct FigurePosition {
    std::uint8_t kind = 0; // 0: not drawable
    Extended x = 0;
    Extended y = 0;
    Extended r = 0;
    std::int32_t PointColor = 0;
    std::int32_t LineColor = 0;
    std::int32_t FillColor = 0;
    std::uint8_t PointAfterimage = 0;
    std::uint8_t LineAfterimage = 0;
    std::uint8_t PointSize = 0;
    std::uint8_t LocusWidth = 0;
    std::uint8_t LineWidth = 0;
    std::uint8_t Hollow = 0;
};

} // namespace tarlix
