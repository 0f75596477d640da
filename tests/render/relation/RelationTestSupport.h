#pragma once
// What the relation tests share: a small view, a canvas that also records pixels, dots and
// copies, a sampler that counts its calls, and hooks with a scripted clock and keys.

#include "../RecordingCanvasForTests.h"
#include "render/relation/RelationSampler.h"
#include "render/relation/ScanHooks.h"
#include "view/View.h"

#include <cmath>
#include <functional>
#include <map>
#include <memory>
#include <string>
#include <utility>
#include <vector>

namespace tarlix::relationtest {

// 200 x 200 pixels over [-5, 5] on both axes: 20 pixels per unit, the origin at (100, 100).
struct TestView {
    RedrawState redraw;
    View view{redraw, ViewDefaults{}};
    TestView() {
        view.xAxis.init('x', 200, 5, -5);
        view.yAxis.init('y', 200, 5, -5);
    }
    Extended worldX(int px) const { return view.xAxis.toWorld(px); }
    Extended worldY(int py) const { return view.yAxis.toWorld(py); }
};

struct CopyCall {
    const Canvas* source;
    Rect rect;
    RasterOp op;
};

class PixelCanvas : public recording::RecordingCanvas {
public:
    std::map<std::pair<int, int>, Color> pixels;
    std::vector<Rect> ellipses;
    std::vector<CopyCall> copies;
    int fills = 0;
    std::vector<std::pair<RasterOp, Color>> images; // op and first pixel of each drawn image
    // Also receives the drawn images, for canvases that do not outlive the drawing.
    std::vector<std::pair<RasterOp, Color>>* imageLog = nullptr;

    void setPixel(int x, int y, Color c) override { pixels[{x, y}] = c; }
    void ellipse(const Rect& r) override { ellipses.push_back(r); }
    void fillRect(const Rect&) override { ++fills; }
    void copyFrom(const Canvas& source, const Rect& sourceRect, const Rect&, RasterOp op) override {
        copies.push_back({&source, sourceRect, op});
    }
    void drawImage(int, int, const RasterImage& image, RasterOp op) override {
        images.push_back({op, image.pixels.empty() ? kWhite : image.pixels[0]});
        if (imageLog) imageLog->push_back(images.back());
    }
    std::vector<std::vector<Point>> lines() const {
        std::vector<std::vector<Point>> out;
        for (const auto& call : calls) out.push_back(call.points);
        return out;
    }
};

class PixelSurfaces : public Surfaces {
public:
    std::vector<PixelCanvas*> made; // only the kept ones may be looked at
    std::vector<std::pair<RasterOp, Color>> imageLog;
    std::unique_ptr<Canvas> createImage(int, int, Color) override {
        auto canvas = std::make_unique<PixelCanvas>();
        canvas->imageLog = &imageLog;
        made.push_back(canvas.get());
        return canvas;
    }
    std::unique_ptr<Picture> createPicture() override { return nullptr; }
};

// A real-valued f(x, y) with NaN for undefined, counting the row and point calls.
class CountingSampler : public RelationSampler {
public:
    explicit CountingSampler(std::function<Extended(Extended, Extended)> f) : f_(std::move(f)) {}
    int rowCalls = 0;
    long pointsInRows = 0;
    int pointCalls = 0;

    void evaluateRow(Extended y, const Extended* xs, int count, Value* out) override {
        ++rowCalls;
        pointsInRows += count;
        for (int i = 0; i < count; ++i) out[i] = value(xs[i], y);
    }
    Value evaluate(Extended x, Extended y) override {
        ++pointCalls;
        return value(x, y);
    }

private:
    Value value(Extended x, Extended y) const {
        const Extended v = f_(x, y);
        return std::isfinite(v) ? makeReal(v) : makeUndefined(ValueKind::Real);
    }
    std::function<Extended(Extended, Extended)> f_;
};

// A clock that advances by a fixed step at every reading, and scripted keys and drags.
class ScriptedHooks : public RelationScanHooks {
public:
    std::uint64_t now = 0;
    std::uint64_t step = 0;
    bool breakHeld = false;
    int dragAfterRows = -1; // the drag leaves its step after this many row starts
    int repaints = 0;
    std::string current = "TARLIX - demo";
    std::vector<std::string> captions;

    std::uint64_t tickCount() override { return now += step; }
    bool breakKeyHeld() override { return breakHeld; }
    bool dragLeftStep() override { return dragAfterRows >= 0 && dragAfterRows-- == 0; }
    std::string caption() override { return current; }
    void setCaption(const std::string& c) override {
        current = c;
        captions.push_back(c);
    }
    void repaint() override { ++repaints; }
};

} // namespace tarlix::relationtest
