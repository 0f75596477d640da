#pragma once
// The buffer that collects the points of one curve and strokes, and optionally fills, it on
// the picture canvas and on the afterimage canvas. The program keeps one and reuses it for
// every curve; its size is fixed, and points beyond it are dropped.

#include "document/DocumentRecords.h"
#include "platform/Canvas.h"
#include "render/LineStyle.h"

#include <array>
#include <cstdint>
#include <span>

namespace tarlix {

class PolylineBuffer {
public:
    static constexpr int kCapacity = 5000;

    // Bits of the flags.
    static constexpr std::uint8_t kStroke = 1;
    static constexpr std::uint8_t kFill = 2;

    // Starts a new curve. Either canvas may be null when it is not drawn on (skipMain, or
    // drawSecond off). A fill is closed through (fixedX, fixedY), down to the row fixedY or
    // across to the column fixedX.
    void reset(Canvas* mainCanvas, Canvas* secondCanvas, int fixedY, int fixedX, CurveFill fillMode,
               std::uint8_t flags, bool skipMain, bool drawSecond, const LineDrawOptions& options);
    void push(int x, int y);
    // Draws what was collected and empties the buffer.
    void flush();
    void restart(int x, int y) {
        flush();
        push(x, y);
    }

    int count() const { return count_; }
    std::span<const Point> points() const { return {points_.data(), std::size_t(count_)}; }

private:
    void strokeAndFill(Canvas& canvas, bool fill) const;
    void fillOutline(Canvas& canvas) const;

    int count_ = 0;
    std::array<Point, kCapacity> points_{};
    Canvas* main_ = nullptr;
    Canvas* second_ = nullptr;
    bool drawSecond_ = false;
    bool skipMain_ = false;
    std::uint8_t flags_ = kStroke;
    CurveFill fillMode_ = CurveFill::None;
    int fixedX_ = 0;
    int fixedY_ = 0;
    LineDrawOptions options_;
};

} // namespace tarlix
