#pragma once
// Writing the raster images that Surfaces make into picture files.

#include "base/AtomicFile.h"
#include "platform/Canvas.h"

#include <string>

namespace tarlix {

class ImageFiles {
public:
    virtual ~ImageFiles() = default;
    // Writes an image made by the same platform's Surfaces as PNG through the program's one
    // file writer, so a failure leaves an existing file intact and says why.
    virtual SaveResult savePng(const Canvas& image, const std::string& path) = 0;
};

} // namespace tarlix
