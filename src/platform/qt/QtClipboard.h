#pragma once
// The clipboard of the window system, through QGuiApplication::clipboard().

#include "platform/Clipboard.h"

namespace tarlix {

class QtClipboard : public Clipboard {
public:
    void putText(const std::string& text) override;
    // A Qt image canvas goes as its image; any other canvas as its pixels.
    void putImage(const Canvas& image) override;
    // As SVG and PDF and, for programs that take no vector pictures, as an image on white.
    void putPicture(const Picture& picture, Size size, int dotsPerInch) override;
    bool hasText() const override;
    std::string text() const override;
    RasterImage image() const override;
};

} // namespace tarlix
