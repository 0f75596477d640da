#pragma once
// The system's clipboard: the program puts its graph on it as an image or a vector picture, and
// text; it takes pictures and text from it.

#include "platform/Canvas.h"

#include <string>

namespace tarlix {

class Clipboard {
public:
    virtual ~Clipboard() = default;
    // Each put replaces what the clipboard held.
    virtual void putText(const std::string& text) = 0; // the program's single-byte text
    // An image made by the same platform's Surfaces.
    virtual void putImage(const Canvas& image) = 0;
    // A recorded vector picture of size pixels, dotsPerInch giving its physical size; programs
    // that take no vector pictures get it as an image of that size.
    virtual void putPicture(const Picture& picture, Size size, int dotsPerInch) = 0;

    virtual bool hasText() const = 0;
    // As single-byte text: characters without a single-byte form are dropped.
    virtual std::string text() const = 0;
    // The clipboard's picture laid on white; 0 x 0 when it holds none.
    virtual RasterImage image() const = 0;
};

} // namespace tarlix
