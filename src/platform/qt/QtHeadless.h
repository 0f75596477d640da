#pragma once
// The platform of a program without windows (tarlix-cli): Qt's image canvases and pictures, and
// PNG files. Creating it starts Qt's application object, on the offscreen platform when no
// other is chosen, because fonts and pictures need one.

#include "platform/ImageFiles.h"
#include "platform/qt/QtSurfaces.h"

namespace tarlix {

class QtHeadless : public QtSurfaces, public ImageFiles {
public:
    QtHeadless();
    SaveResult savePng(const Canvas& image, const std::string& path) override;
};

} // namespace tarlix
