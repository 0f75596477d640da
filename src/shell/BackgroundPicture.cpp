#include "shell/BackgroundPicture.h"

#include <QImageReader>
#include <QPainter>

namespace tarlix {

PicturePlace backgroundPlace(int plotWidth, int plotHeight, int pictureWidth, int pictureHeight,
                             int mode) {
    const int cx = (plotWidth + 2) / 2, cy = (plotHeight + 2) / 2;
    if (pictureWidth < 1 || pictureHeight < 1) return {cx, cy, 0, 0};
    int a = cx, b = cy; // half sizes
    switch (mode) {
    case 1:
        b = cx * pictureHeight / pictureWidth;
        break;
    case 2:
        a = cy * pictureWidth / pictureHeight;
        break;
    case 3:
        break;
    default:
        return {cx - pictureWidth / 2, cy - pictureHeight / 2, pictureWidth, pictureHeight};
    }
    return {cx - a, cy - b, 2 * a, 2 * b};
}

bool BackgroundPicture::load(const QString& path, QString& reason) {
    QImageReader reader(path);
    QImage read = reader.read();
    if (read.isNull()) {
        reason = reader.errorString();
        return false;
    }
    image_ = std::move(read);
    return true;
}

QImage BackgroundPicture::composeUnder(const QImage& drawing, int mode) const {
    // Placed on the plot's pixels; a denser drawing takes it at its density.
    QImage out(drawing.size(), QImage::Format_RGB32);
    out.fill(Qt::white);
    const qreal density = drawing.devicePixelRatio();
    const QSize plot = drawing.deviceIndependentSize().toSize();
    const PicturePlace at =
        backgroundPlace(plot.width(), plot.height(), image_.width(), image_.height(), mode);
    QPainter p(&out);
    p.drawImage(
        QRectF(at.left * density, at.top * density, at.width * density, at.height * density),
        image_);
    p.end();
    out.setDevicePixelRatio(density);
    const QImage over = drawing.convertToFormat(QImage::Format_RGB32);
    const QRgb white = qRgb(255, 255, 255);
    for (int y = 0; y < out.height(); ++y) {
        const auto* from = reinterpret_cast<const QRgb*>(over.constScanLine(y));
        auto* to = reinterpret_cast<QRgb*>(out.scanLine(y));
        for (int x = 0; x < out.width(); ++x)
            if ((from[x] | 0xFF000000u) != white) to[x] = from[x];
    }
    return out;
}

} // namespace tarlix
