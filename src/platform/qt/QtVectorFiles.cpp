#include "platform/qt/QtVectorFiles.h"

#include "platform/qt/QtPainterCanvas.h"

#include <QPageSize>
#include <QPdfWriter>
#include <QSaveFile>
#include <QSvgGenerator>

#include <algorithm>
#include <cctype>

namespace tarlix {

namespace {

// A canvas on a vector paint device.
class QtVectorCanvas final : public QtPainterCanvas {
public:
    QtVectorCanvas(QPaintDevice& device, Size size)
        : QtPainterCanvas(false, true), device_(device), size_(size) {}
    ~QtVectorCanvas() override { finish(); }
    int width() const override { return size_.width; }
    int height() const override { return size_.height; }
    void finish() { endPainting(); }

protected:
    QPaintDevice& device() override { return device_; }

private:
    QPaintDevice& device_;
    Size size_;
};

bool endsWith(const std::string& path, const char* extension) {
    const std::string e(extension);
    if (path.size() < e.size()) return false;
    return std::equal(e.rbegin(), e.rend(), path.rbegin(), [](char a, char b) {
        return a == std::tolower(static_cast<unsigned char>(b));
    });
}

bool paint(const Picture& picture, Size size, QPaintDevice& device) {
    QtVectorCanvas canvas(device, size);
    // A white ground, as the picture has on screen.
    Brush white;
    white.color = kWhite;
    canvas.setBrush(white);
    canvas.fillRect(Rect{0, 0, size.width, size.height});
    picture.replay(canvas, Rect{0, 0, size.width, size.height});
    canvas.finish();
    return canvas.hasDrawn();
}

} // namespace

bool vectorFormatOf(const std::string& path, VectorFormat& format) {
    if (endsWith(path, ".svg")) {
        format = VectorFormat::Svg;
        return true;
    }
    if (endsWith(path, ".pdf")) {
        format = VectorFormat::Pdf;
        return true;
    }
    return false;
}

bool saveVectorPicture(const Picture& picture, Size size, int dotsPerInch, const std::string& path,
                       VectorFormat format) {
    if (size.width <= 0 || size.height <= 0 || dotsPerInch <= 0) return false;
    QSaveFile file(QString::fromStdString(path));
    if (!file.open(QIODevice::WriteOnly)) return false;
    bool painted = false;
    if (format == VectorFormat::Svg) {
        QSvgGenerator svg;
        svg.setOutputDevice(&file);
        svg.setSize(QSize(size.width, size.height));
        svg.setViewBox(QRect(0, 0, size.width, size.height));
        svg.setResolution(dotsPerInch);
        painted = paint(picture, size, svg);
    } else {
        QPdfWriter pdf(&file);
        pdf.setResolution(dotsPerInch);
        const QSizeF millimetres(size.width * 25.4 / dotsPerInch, size.height * 25.4 / dotsPerInch);
        pdf.setPageSize(QPageSize(millimetres, QPageSize::Millimeter));
        pdf.setPageMargins(QMarginsF(0, 0, 0, 0));
        painted = paint(picture, size, pdf);
    }
    if (!painted) {
        file.cancelWriting();
        return false;
    }
    return file.commit();
}

} // namespace tarlix
