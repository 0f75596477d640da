#include "platform/RecordingCanvas.h"

#include <algorithm>
#include <cstdlib>
#include <limits>

namespace tarlix {

int fontPixelHeight(int pointSize) {
    // Computed wide: no size a caller grows can overflow it.
    const long long px = (std::llabs(static_cast<long long>(pointSize)) * 96 + 36) / 72;
    return px > 0 ? static_cast<int>(std::min<long long>(px, std::numeric_limits<int>::max())) : 1;
}

RecordedCall& RecordingCanvas::record(CanvasCall kind) {
    RecordedCall& call = calls_.emplace_back();
    call.kind = kind;
    call.pen = pen_;
    call.brush = brush_;
    call.font = font_;
    return call;
}

void RecordingCanvas::moveTo(int x, int y) {
    position_ = {x, y};
    record(CanvasCall::MoveTo).points = {position_};
}

void RecordingCanvas::lineTo(int x, int y) {
    record(CanvasCall::LineTo).points = {position_, {x, y}};
    position_ = {x, y};
}

void RecordingCanvas::polyline(const Point* points, std::size_t count) {
    record(CanvasCall::Polyline).points.assign(points, points + count);
}

void RecordingCanvas::strokePath(const Point* points, std::size_t count) {
    record(CanvasCall::StrokePath).points.assign(points, points + count);
}

void RecordingCanvas::polygon(const Point* points, std::size_t count) {
    record(CanvasCall::Polygon).points.assign(points, points + count);
}

void RecordingCanvas::ellipse(const Rect& bounds) {
    record(CanvasCall::Ellipse).rect = bounds;
}
void RecordingCanvas::rectangle(const Rect& bounds) {
    record(CanvasCall::Rectangle).rect = bounds;
}
void RecordingCanvas::fillRect(const Rect& bounds) {
    record(CanvasCall::FillRect).rect = bounds;
}

void RecordingCanvas::textOut(int x, int y, const std::string& text) {
    RecordedCall& call = record(CanvasCall::TextOut);
    call.points = {{x, y}};
    call.text = text;
}

Size RecordingCanvas::textExtent(const std::string& text) {
    const int h = fontPixelHeight(font_.size);
    return {static_cast<int>(text.size()) * (h / 2), h};
}

Color RecordingCanvas::pixel(int x, int y) const {
    if (x < 0 || y < 0 || x >= width_ || y >= height_) return kWhite;
    const auto it = pixels_.find({x, y});
    return it == pixels_.end() ? background_ : it->second;
}

void RecordingCanvas::setPixel(int x, int y, Color color) {
    RecordedCall& call = record(CanvasCall::SetPixel);
    call.points = {{x, y}};
    call.color = color;
    pixels_[{x, y}] = color;
}

void RecordingCanvas::copyFrom(const Canvas& source, const Rect& sourceRect, const Rect& destRect,
                               RasterOp op) {
    RecordedCall& call = record(CanvasCall::CopyFrom);
    call.source = &source;
    call.sourceRect = sourceRect;
    call.rect = destRect;
    call.op = op;
}

void RecordingCanvas::drawImage(int x, int y, const RasterImage& image, RasterOp op) {
    RecordedCall& call = record(CanvasCall::DrawImage);
    call.points = {{x, y}};
    call.image = image;
    call.op = op;
}

void RecordingCanvas::setClip(const Rect& clip) {
    record(CanvasCall::SetClip).rect = clip;
}

std::vector<const RecordedCall*> RecordingCanvas::callsOf(CanvasCall kind) const {
    std::vector<const RecordedCall*> out;
    for (const RecordedCall& c : calls_)
        if (c.kind == kind) out.push_back(&c);
    return out;
}

std::vector<std::vector<Point>> RecordingCanvas::polylines() const {
    std::vector<std::vector<Point>> out;
    for (const RecordedCall& c : calls_)
        if (c.kind == CanvasCall::Polyline || c.kind == CanvasCall::StrokePath)
            out.push_back(c.points);
    return out;
}

std::vector<std::vector<Point>> RecordingCanvas::shownPolylines() const {
    std::vector<std::vector<Point>> out;
    for (const RecordedCall& c : calls_) {
        if (c.kind == CanvasCall::Polyline || c.kind == CanvasCall::StrokePath)
            out.push_back(c.points);
        const auto* copied = dynamic_cast<const RecordingCanvas*>(c.source);
        if (c.kind == CanvasCall::CopyFrom && copied && copied != this)
            for (auto& p : copied->shownPolylines()) out.push_back(std::move(p));
    }
    return out;
}

std::vector<std::pair<Point, Point>> RecordingCanvas::lines() const {
    std::vector<std::pair<Point, Point>> out;
    for (const RecordedCall& c : calls_)
        if (c.kind == CanvasCall::LineTo) out.emplace_back(c.points[0], c.points[1]);
    return out;
}

std::vector<std::string> RecordingCanvas::texts() const {
    std::vector<std::string> out;
    for (const RecordedCall& c : calls_)
        if (c.kind == CanvasCall::TextOut) out.push_back(c.text);
    return out;
}

void RecordingCanvas::clear() {
    calls_.clear();
    pixels_.clear();
}

} // namespace tarlix
