#include "platform/RecordingClipboard.h"

namespace tarlix {

RasterImage pixelsOf(const Canvas& canvas) {
    RasterImage out;
    out.width = canvas.width();
    out.height = canvas.height();
    out.pixels.reserve(static_cast<std::size_t>(out.width) * out.height);
    for (int y = 0; y < out.height; ++y)
        for (int x = 0; x < out.width; ++x) out.pixels.push_back(canvas.pixel(x, y));
    return out;
}

void RecordingClipboard::putText(const std::string& text) {
    Put put;
    put.text = text;
    puts.push_back(std::move(put));
}

void RecordingClipboard::putImage(const Canvas& image) {
    Put put;
    put.kind = Kind::Image;
    put.image = pixelsOf(image);
    puts.push_back(std::move(put));
}

void RecordingClipboard::putPicture(const Picture& picture, Size size, int dotsPerInch) {
    Put put;
    put.kind = Kind::Picture;
    put.picture = std::make_unique<RecordingPicture>();
    picture.replay(put.picture->beginRecording(size.width, size.height),
                   Rect{0, 0, size.width, size.height});
    put.picture->endRecording();
    put.size = size;
    put.dotsPerInch = dotsPerInch;
    puts.push_back(std::move(put));
}

bool RecordingClipboard::hasText() const {
    return !puts.empty() && puts.back().kind == Kind::Text;
}

std::string RecordingClipboard::text() const {
    return hasText() ? puts.back().text : std::string();
}

RasterImage RecordingClipboard::image() const {
    return !puts.empty() && puts.back().kind == Kind::Image ? puts.back().image : RasterImage{};
}

} // namespace tarlix
