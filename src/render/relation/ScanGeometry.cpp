#include "render/relation/ScanGeometry.h"

#include "view/View.h"

namespace tarlix {

void ScanGeometry::assign(const View& view) {
    // The grid is computed at screen size whatever the output is enlarged to.
    Axis xAxis = view.XAxis;
    Axis yAxis = view.YAxis;
    xAxis.OutputScale = 1;
    yAxis.OutputScale = 1;
    xLength = xAxis.PixelLength;
    yLength = yAxis.PixelLength;
    scale = view.XAxis.OutputScale;
    xs.resize(static_cast<std::size_t>(columns()));
    ys.resize(static_cast<std::size_t>(rows()));
    for (int c = -1; c <= xLength + 1; ++c) xs[static_cast<std::size_t>(c + 1)] = xAxis.ToWorld(c);
    for (int r = -1; r <= yLength + 1; ++r) ys[static_cast<std::size_t>(r + 1)] = yAxis.ToWorld(r);
}

} // namespace tarlix
