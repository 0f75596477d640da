#include "platform/qt/QtPicture.h"

namespace tarlix {

Canvas& QtPicture::beginRecording(int width, int height) {
    canvas_.reset();
    picture_ = QPicture();
    size_ = {width, height};
    drawn_ = false;
    // Its clip stays within the target's when it is replayed.
    canvas_ = std::make_unique<QtDeviceCanvas>(picture_, Size{width, height}, true, vectorOutput_);
    return *canvas_;
}

void QtPicture::endRecording() {
    if (!canvas_) return;
    drawn_ = canvas_->hasDrawn();
    canvas_.reset();
    picture_.setBoundingRect(QRect(0, 0, size_.width, size_.height));
}

bool QtPicture::isEmpty() const {
    return canvas_ ? !canvas_->hasDrawn() : !drawn_;
}

void QtPicture::replay(Canvas& target, const Rect& destRect) const {
    if (canvas_ || !drawn_) return;
    if (auto* qtTarget = dynamic_cast<QtPainterCanvas*>(&target))
        qtTarget->drawPicture(picture_, size_, destRect);
}

} // namespace tarlix
