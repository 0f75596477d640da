#pragma once
// Fixed-capacity per-view stores that the drawing code shares: figure positions, per-column
// samples of the explicit functions, curve samples and the copy of the parameter table.

#include "document/Store.h"
#include "expression/Value.h"

#include <array>
#include <cstdint>
#include <vector>

namespace tarlix {

// The per-view stores are numbered 1..N like every store of the program.
template <typename T, int N> using OneBased = Store<T, N>;

inline constexpr int figureCount = 22;
inline constexpr int functionCount = 20;
inline constexpr int curveSampleCapacity = 5000;

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

struct CurveSample {
    Extended x = 0;
    Extended y = 0;
    Extended t = 0;
    bool valid = false;
};

// The samples of one parametric or polar curve.
struct CurveCache {
    OneBased<CurveSample, curveSampleCapacity> samples;
    int paramIndex = 0;
    int count = 0;
};

struct ParameterValueStep {
    Extended value = 0;
    Extended step = 0;
};

// A copy of the parameter table: slot -1 is x, slot 0 is y, slots 1..14 the parameters.
class ParameterCopy {
public:
    static constexpr int firstSlot = -1;
    static constexpr int lastSlot = 14;
    ParameterValueStep& operator[](int slot) { return entries[static_cast<std::size_t>(slot + 1)]; }
    const ParameterValueStep& operator[](int slot) const {
        return entries[static_cast<std::size_t>(slot + 1)];
    }

private:
    std::array<ParameterValueStep, 16> entries{};
};

} // namespace tarlix
