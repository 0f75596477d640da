#pragma once
// The recorded vector picture on QPicture: layers are drawn into it once and replayed, scaled,
// into window images, printer pages and exported pictures.

#include "platform/qt/QtPainterCanvas.h"

#include <QPicture>

namespace tarlix {

class QtPicture : public Picture {
public:
    // A picture for vector output records no raster operations (see QtPainterCanvas).
    explicit QtPicture(bool vectorOutput = false) : vectorOutput_(vectorOutput) {}
    Canvas& beginRecording(int width, int height) override;
    void endRecording() override;
    Size size() const override { return size_; }
    bool isEmpty() const override;
    // Replays into Qt canvases; other canvases receive nothing. A picture still being
    // recorded replays nothing.
    void replay(Canvas& target, const Rect& destRect) const override;

    const QPicture& picture() const { return picture_; }

private:
    QPicture picture_;
    std::unique_ptr<QtDeviceCanvas> canvas_;
    Size size_;
    bool drawn_ = false;
    bool vectorOutput_;
};

} // namespace tarlix
