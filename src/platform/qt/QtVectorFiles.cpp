#include "platform/qt/QtVectorFiles.h"

#include "base/FileNames.h"
#include "platform/qt/QtFileNames.h"
#include "platform/qt/QtPainterCanvas.h"

#include <QBuffer>
#include <QPageSize>
#include <QPdfWriter>
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

SaveResult saveVectorPicture(const Picture& picture, Size size, int dotsPerInch,
                             const std::string& path, VectorFormat format) {
    const SaveResult nothingDrawn{SaveFailure::WriteFailed, 0};
    if (size.width <= 0 || size.height <= 0 || dotsPerInch <= 0) return nothingDrawn;
    // Written in memory first: the file writer then checks every write of it.
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    bool painted = false;
    if (format == VectorFormat::Svg) {
        QSvgGenerator svg;
        svg.setOutputDevice(&buffer);
        svg.setSize(QSize(size.width, size.height));
        svg.setViewBox(QRect(0, 0, size.width, size.height));
        svg.setResolution(dotsPerInch);
        painted = paintVectorPicture(picture, size, svg);
    } else {
        QPdfWriter pdf(&buffer);
        pdf.setResolution(dotsPerInch);
        const QSizeF millimetres(size.width * 25.4 / dotsPerInch, size.height * 25.4 / dotsPerInch);
        pdf.setPageSize(QPageSize(millimetres, QPageSize::Millimeter));
        pdf.setPageMargins(QMarginsF(0, 0, 0, 0));
        painted = paintVectorPicture(picture, size, pdf);
    }
    buffer.close();
    if (!painted || bytes.isEmpty()) return nothingDrawn;
    return saveFile(path,
                    std::string_view(bytes.constData(), static_cast<std::size_t>(bytes.size())));
}

} // namespace tarlix
