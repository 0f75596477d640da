#include "platform/RecordingPicture.h"

#include <cmath>

namespace tarlix {

namespace {

class Scaler {
public:
    Scaler(Size from, const Rect& to)
        : left_(to.left), top_(to.top), sx_(static_cast<double>(to.width()) / from.width),
          sy_(static_cast<double>(to.height()) / from.height) {}

    Point point(Point p) const {
        return {left_ + static_cast<int>(std::lround(p.x * sx_)),
                top_ + static_cast<int>(std::lround(p.y * sy_))};
    }
    Rect rect(const Rect& r) const {
        const Point a = point({r.left, r.top});
        const Point b = point({r.right, r.bottom});
        return {a.x, a.y, b.x, b.y};
    }
    std::vector<Point> points(const std::vector<Point>& ps) const {
        std::vector<Point> out;
        out.reserve(ps.size());
        for (Point p : ps) out.push_back(point(p));
        return out;
    }
    Pen pen(Pen p) const {
        if (p.width > 1 || p.geometric)
            p.width = std::max(1, static_cast<int>(std::lround(p.width * sx_)));
        return p;
    }
    Font font(Font f) const {
        f.size = static_cast<int>(std::lround(f.size * sy_));
        return f;
    }

private:
    int left_;
    int top_;
    double sx_;
    double sy_;
};

void issue(Canvas& target, const RecordedCall& c, const Scaler& s, bool& clipped) {
    const auto pts = s.points(c.points);
    switch (c.kind) {
    case CanvasCall::MoveTo:
        target.moveTo(pts[0].x, pts[0].y);
        break;
    case CanvasCall::LineTo:
        target.lineTo(pts[1].x, pts[1].y);
        break;
    case CanvasCall::Polyline:
        target.polyline(pts.data(), pts.size());
        break;
    case CanvasCall::StrokePath:
        target.strokePath(pts.data(), pts.size());
        break;
    case CanvasCall::Polygon:
        target.polygon(pts.data(), pts.size());
        break;
    case CanvasCall::Ellipse:
        target.ellipse(s.rect(c.rect));
        break;
    case CanvasCall::Rectangle:
        target.rectangle(s.rect(c.rect));
        break;
    case CanvasCall::FillRect:
        target.fillRect(s.rect(c.rect));
        break;
    case CanvasCall::TextOut:
        target.textOut(pts[0].x, pts[0].y, c.text);
        break;
    case CanvasCall::SetPixel:
        target.setPixel(pts[0].x, pts[0].y, c.color);
        break;
    case CanvasCall::CopyFrom:
        target.copyFrom(*c.source, c.sourceRect, s.rect(c.rect), c.op);
        break;
    case CanvasCall::DrawImage:
        target.drawImage(pts[0].x, pts[0].y, c.image, c.op);
        break;
    case CanvasCall::SetClip:
        target.setClip(c.rect.width() > 0 && c.rect.height() > 0 ? s.rect(c.rect) : Rect{});
        clipped = true;
        break;
    }
}

} // namespace

Canvas& RecordingPicture::beginRecording(int width, int height) {
    canvas_ = std::make_unique<RecordingCanvas>(width, height);
    size_ = {width, height};
    recording_ = true;
    return *canvas_;
}

bool RecordingPicture::isEmpty() const {
    if (!canvas_) return true;
    for (const RecordedCall& c : canvas_->calls())
        if (c.kind != CanvasCall::MoveTo && c.kind != CanvasCall::SetClip) return false;
    return true;
}

void RecordingPicture::replay(Canvas& target, const Rect& destRect) const {
    if (!canvas_ || size_.width <= 0 || size_.height <= 0) return;
    if (destRect.width() <= 0 || destRect.height() <= 0) return;
    const Scaler scale(size_, destRect);
    const Pen pen = target.pen();
    const Brush brush = target.brush();
    const Font font = target.font();
    bool clipped = false;
    for (const RecordedCall& c : canvas_->calls()) {
        target.setPen(scale.pen(c.pen));
        target.setBrush(c.brush);
        target.setFont(scale.font(c.font));
        issue(target, c, scale, clipped);
    }
    target.setPen(pen);
    target.setBrush(brush);
    target.setFont(font);
    if (clipped) target.setClip({});
}

} // namespace tarlix
