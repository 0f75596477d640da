#include "document/PointPlacement.h"

namespace tarlix {

bool placePoint(Document& ctx, int n, const std::string& x, const std::string& y,
                const FigureDefaults& defaults) {
    if (!ctx.project.figures.contains(n) || ctx.project.figures[n].kind != FigureKind::Empty)
        return false;
    FigureEntry f = blankFigure(n);
    f.kind = FigureKind::Point;
    f.x.source = x;
    f.y.source = y;
    f.drag = true;
    f.visible = true;
    f.pointColor = defaults.pointColor;
    f.lineColor = defaults.lineColor;
    f.pointSize = static_cast<decltype(f.pointSize)>(defaults.pointWidth);
    f.lineWidth = static_cast<decltype(f.lineWidth)>(defaults.lineWidth);
    f.curveStyle = static_cast<decltype(f.curveStyle)>(defaults.lineStyle);
    f.notation = defaults.dimension;
    storeFigure(ctx, n, std::move(f));
    return true;
}

} // namespace tarlix
