#pragma once
// Pictures and images for tests of the drawing code, without a window system: pictures keep the
// calls drawn into them and replay them, scaled, into any canvas; images are recording
// canvases.

#include "platform/RecordingCanvas.h"

#include <memory>

namespace tarlix {

class RecordingPicture : public Picture {
public:
    Canvas& beginRecording(int width, int height) override;
    void endRecording() override { recording_ = false; }
    Size size() const override { return size_; }
    bool isEmpty() const override; // nothing but moves and clips recorded
    // Issues the recorded calls on the target with coordinates, wide pens and font sizes
    // scaled into destRect; the target's pen, brush and font are restored afterwards, and a
    // clip set by the picture is removed. Copies refer to their source canvas, which must still
    // exist.
    void replay(Canvas& target, const Rect& destRect) const override;

    const RecordingCanvas* recording() const { return canvas_.get(); }
    bool isRecording() const { return recording_; }

private:
    std::unique_ptr<RecordingCanvas> canvas_;
    Size size_;
    bool recording_ = false;
};

class RecordingSurfaces : public Surfaces {
public:
    std::unique_ptr<Canvas> createImage(int width, int height, Color fill = kWhite) override {
        return std::make_unique<RecordingCanvas>(width, height, fill);
    }
    std::unique_ptr<Picture> createPicture() override {
        return std::make_unique<RecordingPicture>();
    }
};

} // namespace tarlix
