#pragma once
// Draws formulas on the recording canvas and finds what was written where. The recording
// canvas writes a text fontPixelHeight(size) high and half that wide per character.

#include "expression/Calc.h"
#include "expression/formula/DrawFormula.h"
#include "platform/RecordingCanvas.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace tarlix::formulatest {

struct DrawnText {
    std::string text;
    Font font;
    int left = 0;
    int top = 0;
    int right = 0;
    int bottom = 0;
};

class FormulaCanvas {
public:
    EngineSettings settings;
    RecordingCanvas canvas{1000, 400};

    std::string tokensOf(const std::string& typed) const {
        std::string source = typed;
        int cursor = 0;
        return tokenize(source, cursor, settings);
    }

    // Draws with the baseline at (10, 200).
    FormulaExtent draw(const std::string& typed, FormulaStyle style = {24, kBlack, false}) {
        canvas.clear();
        return drawFormulaAt(canvas, prepareFormula(tokensOf(typed), settings), style, 10, 200);
    }

    std::vector<DrawnText> texts() const {
        std::vector<DrawnText> out;
        for (const RecordedCall* c : canvas.callsOf(CanvasCall::TextOut)) {
            const int h = fontPixelHeight(c->font.size);
            const Point p = c->points.front();
            out.push_back({c->text, c->font, p.x, p.y,
                           p.x + static_cast<int>(c->text.size()) * (h / 2), p.y + h});
        }
        return out;
    }

    // Spaces at either end of a drawn text are spacing, not part of what is looked for.
    static std::string trimmed(const std::string& s) {
        const auto first = s.find_first_not_of(' ');
        if (first == std::string::npos) return {};
        return s.substr(first, s.find_last_not_of(' ') - first + 1);
    }

    DrawnText text(const std::string& t) const {
        for (const DrawnText& d : texts())
            if (trimmed(d.text) == t) return d;
        ADD_FAILURE() << "nothing drew \"" << t << "\"";
        return {};
    }

    bool drew(const std::string& t) const {
        for (const DrawnText& d : texts())
            if (trimmed(d.text) == t) return true;
        return false;
    }

    // Horizontal bars: rows of horizontal lines over the same range, from the top row.
    struct Bar {
        int y, left, right, thickness;
    };
    std::vector<Bar> bars() const {
        std::vector<Bar> out;
        for (const auto& [a, b] : canvas.lines()) {
            if (a.y != b.y) continue;
            const int left = std::min(a.x, b.x), right = std::max(a.x, b.x);
            const bool below = !out.empty() && out.back().left == left &&
                               out.back().right == right &&
                               out.back().y + out.back().thickness == a.y;
            if (below)
                ++out.back().thickness;
            else
                out.push_back({a.y, left, right, 1});
        }
        return out;
    }
};

} // namespace tarlix::formulatest
