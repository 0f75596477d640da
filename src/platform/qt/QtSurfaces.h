#pragma once
// Makes Qt image canvases and Qt pictures for the drawing code.

#include "platform/Canvas.h"

namespace tarlix {

class QtSurfaces : public Surfaces {
public:
    // Surfaces for vector output make pictures that record no raster operations.
    explicit QtSurfaces(bool vectorOutput = false) : vectorOutput_(vectorOutput) {}
    std::unique_ptr<Canvas> createImage(int width, int height, Color fill = kWhite) override;
    std::unique_ptr<Picture> createPicture() override;

private:
    bool vectorOutput_;
};

} // namespace tarlix
