#include "shell/FormulaImage.h"

#include "expression/Tokenizer.h"
#include "expression/formula/DrawFormula.h"
#include "platform/qt/QtImageCanvas.h"

#include <algorithm>
#include <cmath>

namespace tarlix {

namespace {
constexpr int kWidest = 1400;
constexpr int kRightMargin = 3;

int rowHeight(int pointSize) {
    return static_cast<int>(std::lround(96 / 72.0 * (pointSize * 2.2 + 2)));
}
} // namespace

QImage formulaImage(const std::string& source, const EngineSettings& settings, int pointSize,
                    bool bold, int height, FormulaMetrics* metrics) {
    std::string text = source;
    int cursor = 0;
    const std::string tokens = tokenize(text, cursor, settings);
    QtImageCanvas canvas(kWidest, std::max(1, height > 0 ? height : rowHeight(pointSize)));
    FormulaStyle style;
    style.size = pointSize;
    style.bold = bold;
    style.metrics = metrics;
    const Rect drawn = drawFormula(canvas, tokens, settings, style);
    return canvas.image().copy(0, 0, std::clamp(drawn.right + kRightMargin, 1, kWidest),
                               canvas.image().height());
}

} // namespace tarlix
