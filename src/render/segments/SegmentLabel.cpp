#include "render/segments/SegmentLabel.h"

#include "render/figures/FigureLabel.h"

namespace tarlix {

Point drawSegmentLabel(Canvas& canvas, const View& view, int position, const std::string& text,
                       Point anchor, const MarkupEnv* markup) {
    return drawFigureLabel(view, canvas, FigureLabel{position, text, 0, FigureKind::Point, anchor},
                           markup);
}

} // namespace tarlix
