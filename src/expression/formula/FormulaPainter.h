#pragma once
// Lays a formula out and draws it on a canvas: each part is measured at its own size and
// drawn at its position, recursively. Measuring alone draws nothing.

#include "expression/formula/FormulaTree.h"
#include "platform/Canvas.h"

#include <map>
#include <tuple>
#include <unordered_map>
#include <utility>

namespace tarlix {

// Width and the extents above and below the baseline, in pixels.
struct FormulaBox {
    int width = 0;
    int ascent = 0;
    int descent = 0;
};

// Text extents by font and text, for canvases of one kind. A caller that draws many formulas
// (the data panel's rows) keeps one, so that texts measured once are not measured again.
class FormulaMetrics {
public:
    using Key = std::tuple<std::string, int, FontStyle, std::string>;
    const Size* find(const Key& key) const {
        const auto found = extents_.find(key);
        return found == extents_.end() ? nullptr : &found->second;
    }
    void add(Key key, Size s) {
        if (extents_.size() >= kMostTexts) extents_.clear(); // a bound, not a policy
        extents_.emplace(std::move(key), s);
    }

private:
    static constexpr std::size_t kMostTexts = 4096;
    std::map<Key, Size> extents_;
};

struct FontSpec {
    const char* name;
    int size;
    FontStyle style;
};

class FormulaPainter {
public:
    // ink colours text and lines; mask draws the lines in the mask pen mode, for drawing over a
    // coloured background.
    // Text is drawn without a background, so that a formula over colour keeps it; the canvas's
    // brush is given back afterwards.
    FormulaPainter(Canvas& canvas, Color ink, bool mask, FormulaMetrics* metrics = nullptr,
                   bool bold = false);
    ~FormulaPainter();
    FormulaPainter(const FormulaPainter&) = delete;
    FormulaPainter& operator=(const FormulaPainter&) = delete;

    // Lays the node out at size (points) with its baseline at (x, baseline); draws when draw is
    // set.
    FormulaBox place(const FormulaNode& n, int size, int x, int baseline, bool draw);

private:
    FormulaBox measure(const FormulaNode& n, int size);
    FormulaBox text(const FormulaNode& n, int size, int x, int baseline, bool draw);
    FormulaBox row(const std::vector<FormulaNode>& parts, int size, int x, int baseline, bool draw);
    FormulaBox superscript(const FormulaNode& n, const FormulaBox& base, int size, int x,
                           int baseline, bool draw);
    FormulaBox enclosed(const FormulaNode& n, int size, int x, int baseline, bool draw);
    FormulaBox fraction(const FormulaNode& n, int size, int x, int baseline, bool draw);
    FormulaBox radical(const FormulaNode& n, int size, int x, int baseline, bool draw);
    FormulaBox overbar(const FormulaNode& n, int size, int x, int baseline, bool draw);

    // The font in which sign is pixelHeight high.
    FontSpec grownFont(const char* name, const std::string& sign, int pixelHeight);
    void line(int x0, int y0, int x1, int y1, int size);
    void useFont(const FontSpec& f);
    Size extentIn(const FontSpec& f, const std::string& text);
    void textAt(const FontSpec& f, int x, int y, const std::string& text, int width);
    void flush();

    Canvas& canvas_;
    Brush savedBrush_;
    Color ink_;
    bool mask_;
    bool bold_;
    std::unordered_map<const FormulaNode*, std::pair<int, FormulaBox>> measured_;
    struct PendingText {
        FontSpec font{"", 0, FontStyle::Plain};
        int x = 0;
        int y = 0;
        std::string text;
        int end = 0;
    };
    std::vector<PendingText> pending_;
    FormulaMetrics ownMetrics_;
    FormulaMetrics& metrics_;
    Font font_;
    bool fontSet_ = false;
};

// Pixels of a size in points; the spacing unit and the line thickness of a formula.
int formulaPixels(int size);
int spacingUnit(int size);
int lineThickness(int size);

} // namespace tarlix
