#include "platform/qt/QtVectorFiles.h"

#include "base/FileNames.h"
#include "platform/qt/QtFileNames.h"
#include "platform/qt/QtPainterCanvas.h"

#include <QPageSize>
#include <QPdfWriter>
#include <QSaveFile>
#include <QSvgGenerator>

namespace tarlix {

bool paintVectorPicture(const Picture& picture, Size size, QPaintDevice& device) {
    QtDeviceCanvas canvas(device, size, false, true);
    // A white ground, as the picture has on screen.
    Brush white;
    white.color = kWhite;
    canvas.setBrush(white);
    canvas.fillRect(Rect{0, 0, size.width, size.height});
    picture.replay(canvas, Rect{0, 0, size.width, size.height});
    canvas.finish();
    return canvas.hasDrawn();
}

bool vectorFormatOf(const std::string& path, VectorFormat& format) {
    if (endsWithNoCase(path, ".svg")) {
        format = VectorFormat::Svg;
        return true;
    }
    if (endsWithNoCase(path, ".pdf")) {
        format = VectorFormat::Pdf;
        return true;
    }
    return false;
}

bool saveVectorPicture(const Picture& picture, Size size, int dotsPerInch, const std::string& path,
                       VectorFormat format) {
    if (size.width <= 0 || size.height <= 0 || dotsPerInch <= 0) return false;
    QSaveFile file(decodePath(path));
    if (!file.open(QIODevice::WriteOnly)) return false;
    bool painted = false;
    if (format == VectorFormat::Svg) {
        QSvgGenerator svg;
        svg.setOutputDevice(&file);
        svg.setSize(QSize(size.width, size.height));
        svg.setViewBox(QRect(0, 0, size.width, size.height));
        svg.setResolution(dotsPerInch);
        painted = paintVectorPicture(picture, size, svg);
    } else {
        QPdfWriter pdf(&file);
        pdf.setResolution(dotsPerInch);
        const QSizeF millimetres(size.width * 25.4 / dotsPerInch, size.height * 25.4 / dotsPerInch);
        pdf.setPageSize(QPageSize(millimetres, QPageSize::Millimeter));
        pdf.setPageMargins(QMarginsF(0, 0, 0, 0));
        painted = paintVectorPicture(picture, size, pdf);
    }
    if (!painted) {
        file.cancelWriting();
        return false;
    }
    return file.commit();
}

} // namespace tarlix
