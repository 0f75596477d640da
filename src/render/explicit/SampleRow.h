#pragma once
// The pixel columns an explicit function is sampled and drawn over, and a row of samples sized
// from them with one margin column on each side, so that the neighbours of the first and the
// last column can be read without leaving the row.

#include "view/View.h"

#include <algorithm>
#include <cassert>
#include <vector>

namespace tarlix {

struct ColumnSpan {
    int first = 0; // pixelStart of the x axis
    int last = 0;  // PixelLength of the x axis

    int count() const { return last - first + 1; }
};

// The columns of the view's x axis, limited to what the view's caches hold: they keep one
// column beyond each end as a margin.
inline ColumnSpan drawnColumns(const View& view) {
    const int first = std::max(view.xAxis.pixelStart, firstSampleColumn + 1);
    const int last = std::clamp(view.xAxis.pixelLength, first, lastFilledColumn - 1);
    return {first, last};
}

class SampleRow {
public:
    explicit SampleRow(ColumnSpan span)
        : span_(span), values_(static_cast<std::size_t>(span.count() + 2)) {}

    ColumnSpan span() const { return span_; }
    Value& operator[](int column) { return values_[index(column)]; }
    const Value& operator[](int column) const { return values_[index(column)]; }
    bool defined(int column) const { return values_[index(column)].isValid(); }

private:
    std::size_t index(int column) const {
        assert(column >= span_.first - 1 && column <= span_.last + 1);
        return static_cast<std::size_t>(column - span_.first + 1);
    }

    ColumnSpan span_;
    std::vector<Value> values_;
};

} // namespace tarlix
