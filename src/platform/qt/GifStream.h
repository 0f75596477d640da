#pragma once
// A GIF89a file encoded in memory through giflib: the screen, then frames one by one, each with
// its own colour table, then the trailer. Nothing reaches the disk here; the caller writes the
// bytes through the one file writer.

#include "platform/qt/GifPalette.h"

#include <memory>
#include <string>

struct GifFileType;

namespace tarlix {

class GifStream {
public:
    // A screen of width x height; a looping one repeats its frames for ever.
    GifStream(int width, int height, bool loops);
    ~GifStream();
    GifStream(const GifStream&) = delete;
    GifStream& operator=(const GifStream&) = delete;

    // The frame, of the screen's size, shown for delayCentiseconds (none when negative); false
    // when giflib refused it, after which the stream is spoilt.
    bool addFrame(const IndexedImage& frame, int delayCentiseconds);
    bool ok() const { return ok_; }
    int width() const { return width_; }
    int height() const { return height_; }
    // The whole file so far, with its trailer.
    std::string bytes() const;

private:
    bool putScreen(bool loops);

    GifFileType* gif_ = nullptr;
    std::string bytes_;
    int width_;
    int height_;
    bool ok_ = false;
};

// One picture as a GIF file's bytes; empty when it cannot be encoded.
std::string encodeGif(const QImage& image);

} // namespace tarlix
