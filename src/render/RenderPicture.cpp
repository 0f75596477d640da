#include "render/RenderPicture.h"

#include "render/axes/Axes.h"
#include "view/OutputScale.h"

namespace tarlix {

RenderedPicture renderPicture(ProjectPicture& picture, View& view, Surfaces& surfaces, int scale) {
    const OutputScale enlarged(view, scale);
    const int w = (view.xAxis.pixelLength + 1) * scale;
    const int h = (view.yAxis.pixelLength + 1) * scale;
    auto drawing = surfaces.createPicture();
    Canvas& canvas = drawing->beginRecording(w, h);
    canvas.setClip(Rect{0, 0, w, h});
    picture.drawVector(canvas);
    // The rulers are laid out with the drawing's text measures, at the same scale.
    const ProjectPicture::Rulers rulers = picture.recordRulers(canvas, surfaces);
    drawing->endRecording();

    const int gap = 5 * scale;
    const int yRoom = rulers.y() ? rulers.y()->size().width + gap : 0;
    const int xRoom = rulers.x() ? rulers.x()->size().height + gap : 0;
    const int left = rulers.layout.yRight ? 0 : yRoom;
    const int top = rulers.layout.xAbove ? xRoom : 0;

    RenderedPicture out;
    out.size = {w + yRoom, h + xRoom};
    out.dotsPerInch = screenDotsPerInch * scale;
    out.picture = surfaces.createPicture();
    Canvas& whole = out.picture->beginRecording(out.size.width, out.size.height);
    // The drawing stays within its own rectangle, as an image of its size would keep it.
    const Rect drawn{left, top, left + w, top + h};
    whole.setClip(drawn);
    drawing->replay(whole, drawn);
    whole.setClip(Rect{});
    // Not every vector format keeps a clip (Qt's SVG generator drops it), so what the drawing
    // left beyond its rectangle is covered by the white margins the rulers stand on.
    Brush white;
    white.color = kWhite;
    whole.setBrush(white);
    const Size all = out.size;
    for (const Rect& margin :
         {Rect{0, 0, left, all.height}, Rect{left + w, 0, all.width, all.height},
          Rect{0, 0, all.width, top}, Rect{0, top + h, all.width, all.height}})
        whole.fillRect(margin);
    const auto place = [&](const Picture& ruler, int x, int y) {
        const Size size = ruler.size();
        ruler.replay(whole, Rect{x, y, x + size.width, y + size.height});
    };
    if (rulers.y()) place(*rulers.y(), rulers.layout.yRight ? w + gap : 0, top);
    if (rulers.x()) place(*rulers.x(), left, rulers.layout.xAbove ? 0 : h + gap);
    out.picture->endRecording();
    return out;
}

} // namespace tarlix
