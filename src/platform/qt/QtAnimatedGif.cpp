#include "platform/qt/QtAnimatedGif.h"

#include "platform/qt/GifStream.h"

#include <algorithm>

namespace tarlix {

namespace {
// GIF delays are hundredths of a second; many viewers show a delay under 2 as 10.
constexpr int kMinDelayCentiseconds = 2;
constexpr int kMaxDelayCentiseconds = 0xFFFF;
} // namespace

AnimatedGifWriter::AnimatedGifWriter(int delayMilliseconds)
    : delayCentiseconds_(
          std::clamp((delayMilliseconds + 5) / 10, kMinDelayCentiseconds, kMaxDelayCentiseconds)) {}

AnimatedGifWriter::~AnimatedGifWriter() = default;

void AnimatedGifWriter::addFrame(const QImage& frame) {
    if (frame.isNull()) return;
    if (!stream_) stream_ = std::make_unique<GifStream>(frame.width(), frame.height(), true);
    const QSize size(stream_->width(), stream_->height());
    const QImage fitted = frame.size() == size
                              ? frame
                              : frame.scaled(size, Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
    if (stream_->addFrame(indexImage(fitted), delayCentiseconds_)) ++frames_;
}

SaveResult AnimatedGifWriter::save(const std::string& path) {
    // A frame giflib refused spoils the stream: better no file than one short of frames.
    if (frames_ == 0 || !stream_ || !stream_->ok()) return SaveResult{SaveFailure::WriteFailed, 0};
    return saveFile(path, stream_->bytes());
}

} // namespace tarlix
