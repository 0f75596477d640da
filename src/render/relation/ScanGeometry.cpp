#include "render/relation/ScanGeometry.h"

#include "view/View.h"

namespace tarlix {

void ScanGeometry::assign(const View& view) {
    // The grid is computed at screen size whatever the output is enlarged to.
    Axis xAxis = view.xAxis;
    Axis yAxis = view.yAxis;
    xAxis.outputScale = 1;
    yAxis.outputScale = 1;
    xLength = xAxis.pixelLength;
    yLength = yAxis.pixelLength;
    scale = view.xAxis.outputScale;
    xs.resize(static_cast<std::size_t>(columns()));
    ys.resize(static_cast<std::size_t>(rows()));
    for (int c = -1; c <= xLength + 1; ++c) xs[static_cast<std::size_t>(c + 1)] = xAxis.toWorld(c);
    for (int r = -1; r <= yLength + 1; ++r) ys[static_cast<std::size_t>(r + 1)] = yAxis.toWorld(r);
}

} // namespace tarlix
