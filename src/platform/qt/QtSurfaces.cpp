#include "platform/qt/QtSurfaces.h"

#include "platform/qt/QtImageCanvas.h"
#include "platform/qt/QtPicture.h"

namespace tarlix {

std::unique_ptr<Canvas> QtSurfaces::createImage(int width, int height, Color fill) {
    return std::make_unique<QtImageCanvas>(width, height, fill);
}

std::unique_ptr<Picture> QtSurfaces::createPicture() {
    return std::make_unique<QtPicture>(vectorOutput_);
}

} // namespace tarlix
