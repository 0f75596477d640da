#pragma once
// The view's output scale for the length of one drawing: image pixels to a pixel of the view,
// 1 again when the drawing ends, whatever happens. Drawing code reads it from the axes; only a
// drawing sets it.

#include "view/View.h"

namespace tarlix {

class OutputScale {
public:
    OutputScale(View& view, int scale) : view_(view) { set(scale); }
    ~OutputScale() { set(1); }
    OutputScale(const OutputScale&) = delete;
    OutputScale& operator=(const OutputScale&) = delete;

private:
    void set(int scale) { view_.xAxis.outputScale = view_.yAxis.outputScale = scale; }
    View& view_;
};

} // namespace tarlix
