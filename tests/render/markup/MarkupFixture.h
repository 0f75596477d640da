#pragma once
// Live fields read these parameters and expressions; drawing goes to a recording canvas whose
// font starts at 20 points.

#include "expression/Calc.h"
#include "platform/RecordingCanvas.h"
#include "render/markup/ConvertMarkup.h"
#include "render/markup/DrawMarkup.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace tarlix::markuptest {

struct DrawnRun {
    std::string text;
    Font font;
    int left = 0;
    int top = 0;
    int right = 0;
};

struct MarkupTest : ::testing::Test {
    EngineSettings settings;
    ExpressionTable document;
    ParameterValues parameters;
    MarkupEnv env{settings, document, parameters, {}};
    RecordingCanvas canvas{1000, 300};

    void SetUp() override { canvas.setFont(Font{"Arial", 20, FontStyle::Plain, kBlack}); }

    std::string convert(const std::string& text) { return convertMarkup(text, kModePlain, env); }

    // Draws with the baseline at (10, 100); returns the extent and leaves the end x in endX.
    MarkupExtent draw(const std::string& text, MarkupOptions options = {}) {
        canvas.clear();
        endX = 10;
        return drawMarkup(canvas, env, endX, 100, text, options);
    }
    int endX = 0;

    std::vector<DrawnRun> runs() const {
        std::vector<DrawnRun> out;
        for (const RecordedCall* c : canvas.callsOf(CanvasCall::TextOut)) {
            const int h = fontPixelHeight(c->font.size);
            out.push_back({c->text, c->font, c->points.front().x, c->points.front().y,
                           c->points.front().x + static_cast<int>(c->text.size()) * (h / 2)});
        }
        return out;
    }
    DrawnRun run(const std::string& text) const {
        for (const DrawnRun& r : runs())
            if (r.text == text) return r;
        ADD_FAILURE() << "nothing drew \"" << text << "\"";
        return {};
    }
    std::string allText() const {
        std::string s;
        for (const DrawnRun& r : runs()) s += r.text;
        return s;
    }
};

} // namespace tarlix::markuptest
