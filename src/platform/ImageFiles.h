#pragma once
// Writing the raster images that Surfaces make into picture files.

#include "platform/Canvas.h"

#include <string>

namespace tarlix {

class ImageFiles {
public:
    virtual ~ImageFiles() = default;
    // Writes an image made by the same platform's Surfaces as PNG, through a temporary file
    // renamed over path, so a failure leaves an existing file intact. False on failure.
    virtual bool savePng(const Canvas& image, const std::string& path) = 0;
};

} // namespace tarlix
