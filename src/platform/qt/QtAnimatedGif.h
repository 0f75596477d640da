#pragma once
// An animated GIF built frame by frame, as the parameter animation draws them: each frame is
// reduced to its colours and encoded at once, so that a long animation holds only the file's
// bytes, never its images.

#include "base/AtomicFile.h"

#include <QImage>

#include <memory>
#include <string>

namespace tarlix {

class GifStream;

class AnimatedGifWriter {
public:
    explicit AnimatedGifWriter(int delayMilliseconds); // the time each frame shows
    ~AnimatedGifWriter();
    AnimatedGifWriter(const AnimatedGifWriter&) = delete;
    AnimatedGifWriter& operator=(const AnimatedGifWriter&) = delete;

    // Encodes the frame at once into the file's bytes (frames are not kept as images); the
    // first frame fixes the size, a frame of another size is scaled to it. The file loops.
    void addFrame(const QImage& frame);
    int frameCount() const { return frames_; }
    // The whole file, written through the one file writer; a file without frames fails.
    SaveResult save(const std::string& path);

private:
    std::unique_ptr<GifStream> stream_;
    int delayCentiseconds_;
    int frames_ = 0;
};

} // namespace tarlix
