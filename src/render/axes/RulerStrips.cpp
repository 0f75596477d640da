#include "render/axes/RulerStrips.h"

#include "render/axes/Axes.h"

namespace tarlix {

namespace {

bool outsideRange(const Axis& axis) {
    return 0 < axis.low || 0 > axis.high;
}

// Ruler strips belong to Cartesian axes; the x axis of the polar grid stays in the area.
bool showsRuler(const View& view, const Axis& axis, const Axis& across) {
    return view.axisType == AxisType::Cartesian && axis.axesVisible &&
           (view.axisOn || outsideRange(across));
}

std::unique_ptr<Picture> recordStrip(Surfaces& surfaces, const View& view, int width, int height,
                                     const AxesStyle& style, bool yStrip, int yStripWidth) {
    auto picture = surfaces.createPicture();
    Canvas& canvas = picture->beginRecording(scaled(view, width - 1), scaled(view, height - 1));
    const AxesTarget target{view, canvas, style};
    if (yStrip)
        drawYRulerStrip(target, yStripWidth);
    else
        drawXRulerStrip(target);
    picture->endRecording();
    return picture;
}

} // namespace

bool showsYRuler(const View& view) {
    return showsRuler(view, view.yAxis, view.xAxis);
}

bool showsXRuler(const View& view) {
    return showsRuler(view, view.xAxis, view.yAxis);
}

RulerStripLayout rulerStripLayout(const AxesTarget& target) {
    const View& view = target.view;
    const RulerStripSizes sizes = rulerStripSizes(target);
    RulerStripLayout layout;
    layout.yShown = showsYRuler(view);
    layout.xShown = showsXRuler(view);
    layout.yRight = view.xAxis.high < 0;
    layout.xAbove = view.yAxis.high < 0;
    layout.yStripWidth = sizes.yStripWidth;
    layout.xStripHeight = sizes.xStripHeight;
    return layout;
}

RulerStripPictures recordRulerStrips(const View& view, const AxesStyle& style, Surfaces& surfaces,
                                     const RulerStripLayout& layout) {
    RulerStripPictures pictures;
    if (layout.xShown)
        pictures.x = recordStrip(surfaces, view, view.xAxis.pixelLength, layout.xStripHeight, style,
                                 false, 0);
    if (layout.yShown)
        pictures.y = recordStrip(surfaces, view, layout.yStripWidth, view.yAxis.pixelLength, style,
                                 true, layout.yStripWidth);
    return pictures;
}

std::unique_ptr<Canvas> rulerStripImage(Surfaces& surfaces, const Picture& picture, int width,
                                        int height) {
    auto image = surfaces.createImage(width, height, kRulerStripColor);
    picture.replay(*image, Rect{0, 0, width, height});
    return image;
}

std::unique_ptr<Canvas> composeWithRulers(Surfaces& surfaces, const Canvas& drawn,
                                          const RulerStripLayout& layout,
                                          const RulerStripPictures& rulers) {
    if (!rulers.x && !rulers.y) return nullptr;
    constexpr int gap = 5;
    const int w = drawn.width();
    const int h = drawn.height();
    const int yRoom = rulers.y ? layout.yStripWidth + gap : 0;
    const int xRoom = rulers.x ? layout.xStripHeight + gap : 0;
    const int left = layout.yRight ? 0 : yRoom;
    const int top = layout.xAbove ? xRoom : 0;
    auto out = surfaces.createImage(w + yRoom, h + xRoom, kWhite);
    out->copyFrom(drawn, Rect{0, 0, w, h}, Rect{left, top, left + w, top + h}, RasterOp::Copy);
    auto place = [&](const Picture& ruler, int x, int y) {
        const Size size = ruler.size();
        ruler.replay(*out, Rect{x, y, x + size.width, y + size.height});
    };
    if (rulers.y) place(*rulers.y, layout.yRight ? w + gap : 0, top);
    if (rulers.x) place(*rulers.x, left, layout.xAbove ? 0 : h + gap);
    return out;
}

} // namespace tarlix
