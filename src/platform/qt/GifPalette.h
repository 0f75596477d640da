#pragma once
// A picture reduced to at most 256 colours for GIF files. A picture of at most 256 distinct
// colours keeps them all, pixel for pixel (graphs nearly always are); any other is reduced by
// median cut over its colours at five bits a channel, each box of colours becoming the mean of
// the pixels in it.

#include <QImage>

#include <cstdint>
#include <vector>

namespace tarlix {

struct IndexedImage {
    int width = 0;
    int height = 0;
    std::vector<std::uint8_t> pixels; // row by row, width * height indexes into palette
    std::vector<QRgb> palette;        // 1 to 256 colours, opaque
};

IndexedImage indexImage(const QImage& image);

} // namespace tarlix
