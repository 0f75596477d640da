#pragma once
// Makes Qt image canvases and Qt pictures for the drawing code.

#include "platform/Canvas.h"

namespace tarlix {

class QtSurfaces : public Surfaces {
public:
    std::unique_ptr<Canvas> createImage(int width, int height, Color fill = kWhite) override;
    std::unique_ptr<Picture> createPicture() override;
};

} // namespace tarlix
