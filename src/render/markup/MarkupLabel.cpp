#include "render/markup/MarkupLabel.h"

#include <algorithm>

namespace tarlix {

Size measureMarkupLine(Canvas& canvas, const MarkupEnv& env, const std::string& text) {
    const Font font = canvas.font();
    int x = 0;
    MarkupOptions options;
    options.draw = false;
    const MarkupExtent e = drawMarkupLine(canvas, env, x, 0, text, options);
    canvas.setFont(font);
    return {x, std::max(0, e.bottom - e.top)};
}

void drawMarkupLineAt(Canvas& canvas, const MarkupEnv& env, int x, int y, const std::string& text) {
    const Font font = canvas.font();
    MarkupOptions options;
    options.defaultColour = font.color;
    drawMarkupLine(canvas, env, x, y, text, options);
    canvas.setFont(font);
}

} // namespace tarlix
